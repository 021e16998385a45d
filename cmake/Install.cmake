# Install layout: the program with its private libraries and data in one program
# folder (it finds them beside itself), a launcher in bin/, and the desktop's
# menu entry, icons and metainfo under share/.
include(GNUInstallDirs)
set(PELORIN_PROGRAM_DIR lib/pelorin-video-converter)

install(TARGETS PelorinVideoConverter pelorin-convert KorvidEngine DvdAuthoring
    RUNTIME DESTINATION ${PELORIN_PROGRAM_DIR}
    LIBRARY DESTINATION ${PELORIN_PROGRAM_DIR})
install(FILES ${PROGRAM_FOLDER}/PfDef.dll ${PROGRAM_FOLDER}/PfSetting.ini ${PROGRAM_FOLDER}/Option.ini
    DESTINATION ${PELORIN_PROGRAM_DIR})
install(DIRECTORY ${PROGRAM_FOLDER}/Cursor DESTINATION ${PELORIN_PROGRAM_DIR})

# The launchers are relative links: the programs resolve them to find their own folder.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
foreach(launcher IN ITEMS "${PELORIN_LAUNCHER}:PelorinVideoConverter" "pelorin-convert:pelorin-convert")
    string(REPLACE ":" ";" launcher "${launcher}")
    list(GET launcher 0 link_name)
    list(GET launcher 1 program)
    file(CREATE_LINK ../${PELORIN_PROGRAM_DIR}/${program} ${CMAKE_BINARY_DIR}/install/${link_name} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/install/${link_name} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

set(desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop_dir}/${PELORIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${PELORIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PELORIN_ICON_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${PELORIN_LAUNCHER}.svg)
foreach(size IN LISTS PELORIN_ICON_SIZES)   # rendered with the skin (src/ui/SkinPictures.cmake)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}/${PELORIN_LAUNCHER}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Install layout: the program with its private libraries and data in one program
# folder (it finds them beside itself), a launcher in bin/, and the desktop's
# menu entry, icons and metainfo under share/.
include(GNUInstallDirs)
set(PELORIN_PROGRAM_DIR lib/pelorin-video-converter)

install(TARGETS PelorinVideoConverter KorvidEngine DvdAuthoring
    RUNTIME DESTINATION ${PELORIN_PROGRAM_DIR}
    LIBRARY DESTINATION ${PELORIN_PROGRAM_DIR})
install(FILES ${PROGRAM_FOLDER}/PfDef.dll ${PROGRAM_FOLDER}/PfSetting.ini ${PROGRAM_FOLDER}/Option.ini
    DESTINATION ${PELORIN_PROGRAM_DIR})
install(DIRECTORY ${PROGRAM_FOLDER}/Cursor DESTINATION ${PELORIN_PROGRAM_DIR})

# The launcher is a relative link: the program resolves it to find its own folder.
set(launcher_link ${CMAKE_BINARY_DIR}/install/${PELORIN_LAUNCHER})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ../${PELORIN_PROGRAM_DIR}/PelorinVideoConverter ${launcher_link} SYMBOLIC)
install(FILES ${launcher_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

set(desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop_dir}/${PELORIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${PELORIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PELORIN_ICON_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${PELORIN_LAUNCHER}.svg)
foreach(size IN LISTS PELORIN_ICON_SIZES)   # rendered with the skin (src/ui/SkinPictures.cmake)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}/${PELORIN_LAUNCHER}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Installs the build into PREFIX and checks the layout: one program folder with the
# program, its libraries and data, the launcher link in bin/, the desktop's files.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(program lib/pelorin-video-converter)
set(expected
    ${program}/PelorinVideoConverter ${program}/pelorin-convert ${program}/libKorvid.so ${program}/libdvdauthor.so ${program}/PfDef.dll
    ${program}/PfSetting.ini ${program}/Option.ini ${program}/Cursor/DragWE.cur ${program}/Cursor/Press.cur
    bin/${LAUNCHER} bin/pelorin-convert share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${LAUNCHER}.svg)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${LAUNCHER}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "missing from the installation: ${file}")
    endif()
endforeach()

# The launchers are relative links, so the programs find their folder wherever the prefix is.
foreach(launcher IN ITEMS "${LAUNCHER}:PelorinVideoConverter" "pelorin-convert:pelorin-convert")
    string(REPLACE ":" ";" launcher "${launcher}")
    list(GET launcher 0 link_name)
    list(GET launcher 1 program_name)
    file(READ_SYMLINK ${PREFIX}/bin/${link_name} target)
    if(NOT target STREQUAL "../${program}/${program_name}")
        message(SEND_ERROR "bin/${link_name} points to '${target}'")
    endif()
endforeach()

# The command-line converter runs from its launcher and finds the definitions in its folder.
execute_process(COMMAND ${PREFIX}/bin/pelorin-convert --list-profiles iPod OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed OR NOT listing MATCHES "VideoCodec [^\n]*H.264")
    message(SEND_ERROR "bin/pelorin-convert --list-profiles iPod gave ${failed}: ${listing}")
endif()

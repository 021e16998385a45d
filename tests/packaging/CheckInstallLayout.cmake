# Installs the build into PREFIX and checks the layout: one program folder with the
# program, its libraries and data, the launcher link in bin/, the desktop's files.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(program lib/pelorin-video-converter)
set(expected
    ${program}/PelorinVideoConverter ${program}/libKorvid.so ${program}/libdvdauthor.so ${program}/PfDef.dll
    ${program}/PfSetting.ini ${program}/Option.ini ${program}/Cursor/DragWE.cur ${program}/Cursor/Press.cur
    bin/${LAUNCHER} share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${LAUNCHER}.svg)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${LAUNCHER}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "missing from the installation: ${file}")
    endif()
endforeach()

# The launcher is a relative link, so the program finds its folder wherever the prefix is.
file(READ_SYMLINK ${PREFIX}/bin/${LAUNCHER} target)
if(NOT target STREQUAL "../${program}/PelorinVideoConverter")
    message(SEND_ERROR "bin/${LAUNCHER} points to '${target}'")
endif()

# Renders the skin pictures of data/skin/skin.manifest at build time and the two
# cursor files into the program's folder.
set(SKIN_SOURCE_DIR ${PROJECT_SOURCE_DIR}/data/skin)
set(SKIN_OUTPUT_DIR ${CMAKE_CURRENT_BINARY_DIR}/skin)
file(MAKE_DIRECTORY ${SKIN_OUTPUT_DIR} ${PROGRAM_FOLDER}/Cursor)

add_executable(pelorin_skin_render ${SKIN_SOURCE_DIR}/generator/SkinRender.cpp)
target_link_libraries(pelorin_skin_render PRIVATE pelorin_options Qt6::Gui Qt6::Svg)
set_target_properties(pelorin_skin_render PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# The generator runs during the build; a sanitizer build must not fail on the
# font library's one-time allocations.
set(SKIN_RENDER ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:pelorin_skin_render>)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SKIN_SOURCE_DIR}/skin.manifest)
file(STRINGS ${SKIN_SOURCE_DIR}/skin.manifest SKIN_LINES REGEX "^[a-z]")
set(SKIN_FILES)
foreach(line IN LISTS SKIN_LINES)
    separate_arguments(fields UNIX_COMMAND "${line}")
    list(GET fields 0 kind)
    list(GET fields 1 name)
    list(SUBLIST fields 4 -1 extra)
    set(sources)
    foreach(argument IN LISTS extra)
        if(argument MATCHES "\\.svg$")
            list(APPEND sources ${SKIN_SOURCE_DIR}/${argument})
        endif()
    endforeach()
    if(kind STREQUAL "button")
        set(outputs)
        foreach(state normal hover pressed disabled)
            list(APPEND outputs ${SKIN_OUTPUT_DIR}/${name}_${state}.png)
        endforeach()
    else()
        set(outputs ${SKIN_OUTPUT_DIR}/${name})
    endif()
    list(SUBLIST fields 1 -1 arguments)
    list(TRANSFORM arguments PREPEND ${SKIN_OUTPUT_DIR}/ AT 0)
    add_custom_command(OUTPUT ${outputs}
        COMMAND ${SKIN_RENDER} ${kind} ${arguments}
        DEPENDS pelorin_skin_render ${sources}
        WORKING_DIRECTORY ${SKIN_SOURCE_DIR}
        COMMENT "Rendering skin picture ${name}" VERBATIM)
    list(APPEND SKIN_FILES ${outputs})
endforeach()

set(CURSOR_FILES)
foreach(cursor DragWE:dragwe:16:16 Press:press:12:4)
    string(REPLACE ":" ";" parts ${cursor})
    list(GET parts 0 name)
    list(GET parts 1 source)
    list(GET parts 2 hotX)
    list(GET parts 3 hotY)
    set(output ${PROGRAM_FOLDER}/Cursor/${name}.cur)
    add_custom_command(OUTPUT ${output}
        COMMAND ${SKIN_RENDER} cursor ${output} 32 32 ${PROJECT_SOURCE_DIR}/data/cursors/${source}.svg ${hotX} ${hotY}
        DEPENDS pelorin_skin_render ${PROJECT_SOURCE_DIR}/data/cursors/${source}.svg
        COMMENT "Rendering cursor ${name}.cur" VERBATIM)
    list(APPEND CURSOR_FILES ${output})
endforeach()
add_custom_target(pelorin_cursors ALL DEPENDS ${CURSOR_FILES})

# The desktop's application icons (installed by cmake/Install.cmake).
set(ICON_FILES)
foreach(size IN LISTS PELORIN_ICON_SIZES)
    set(output ${CMAKE_BINARY_DIR}/icons/${size}/${PELORIN_LAUNCHER}.png)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/icons/${size})
    add_custom_command(OUTPUT ${output}
        COMMAND ${SKIN_RENDER} image ${output} ${size} ${size} ${PELORIN_ICON_SOURCE}
        DEPENDS pelorin_skin_render ${PELORIN_ICON_SOURCE}
        COMMENT "Rendering the ${size} px icon" VERBATIM)
    list(APPEND ICON_FILES ${output})
endforeach()
add_custom_target(pelorin_icons ALL DEPENDS ${ICON_FILES})

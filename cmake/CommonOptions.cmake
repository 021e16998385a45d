# Compiler strictness in one place: every target links pelorin_options.
add_library(pelorin_options INTERFACE)
target_compile_options(pelorin_options INTERFACE -Wall -Wextra -Wno-unused-parameter)
target_compile_definitions(pelorin_options INTERFACE QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING)

if(PELORIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(PELORIN_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

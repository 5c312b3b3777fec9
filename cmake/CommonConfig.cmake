# Compiler settings shared by every target of the project.
add_library(vemo_common_cfg INTERFACE)
target_compile_options(vemo_common_cfg INTERFACE -Wall -Wextra -Wpedantic)
if(VEMO_WARNINGS_AS_ERRORS)
    target_compile_options(vemo_common_cfg INTERFACE -Werror)
endif()
target_compile_definitions(vemo_common_cfg INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS)
option(VEMO_SANITIZE "Build every target with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VEMO_SANITIZE)
    # Directory-wide, so no target can miss it: code built with it needs the runtimes at every link.
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

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

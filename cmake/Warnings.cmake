# One warning set for every target of the project.
add_library(saltwing_warnings INTERFACE)
target_compile_options(saltwing_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference)
if(SALTWING_WERROR)
    target_compile_options(saltwing_warnings INTERFACE -Werror)
endif()

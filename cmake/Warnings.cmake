# Strict warnings for every target of the project; CI turns them into errors.
option(ZELMARINO_WERROR "Treat compiler warnings as errors" OFF)

function(zelmarino_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ZELMARINO_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
            -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
            $<$<BOOL:${ZELMARINO_WERROR}>:-Werror>)
        # GCC 12 at -O3 takes "text" + std::string for an overlapping copy (GCC bug 105329).
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()

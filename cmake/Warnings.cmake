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
    endif()
endfunction()

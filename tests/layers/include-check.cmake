# Compiles `#include "HEADER"` as a source of each library would, with that library's
# include folders: the header it may include must compile, and the one it must not reach
# must fail for want of that very header (not for some other reason).
# cmake -DCOMPILER=c++ -DCASES=layer-cases.cmake -DWORK=folder -P include-check.cmake
include(${CASES})
file(MAKE_DIRECTORY ${WORK})
set(failures "")

# compile(LIBRARY HEADER RESULT OUTPUT): RESULT is 0 when the include compiles.
function(compile library header result output)
    set(source ${WORK}/${library}.cpp)
    file(WRITE ${source} "#include \"${header}\"\n")
    set(flags ${${library}_includes})
    list(REMOVE_ITEM flags /usr/include)
    list(TRANSFORM flags PREPEND -I)
    execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only ${flags} ${source}
                    RESULT_VARIABLE code ERROR_VARIABLE errors OUTPUT_QUIET)
    set(${result} ${code} PARENT_SCOPE)
    set(${output} "${errors}" PARENT_SCOPE)
endfunction()

foreach(library IN LISTS libraries)
    compile(${library} ${${library}_allowed} code errors)
    if(NOT code EQUAL 0)
        string(APPEND failures "${library} cannot include ${${library}_allowed}:\n${errors}\n")
    endif()
    set(refused ${${library}_refused})
    compile(${library} ${refused} code errors)
    string(REPLACE "." "\\." pattern ${refused})
    if(code EQUAL 0)
        string(APPEND failures "${library} can include ${refused}, from a layer it must not reach\n")
    elseif(NOT errors MATCHES "${pattern}: No such file|'${pattern}' file not found")
        string(APPEND failures "${library} including ${refused} failed otherwise:\n${errors}\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
list(LENGTH libraries count)
message(STATUS "${count} libraries reach the headers below them and not those above")

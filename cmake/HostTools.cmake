# Programs the build runs on the build machine: the asset generator (pebblor-assets) and
# the font baker (pebblor-fonts). A native build makes them and lists them in
# PebblorHostTools.cmake; a cross build (Windows, the web) runs those of a native build of
# the same tree, named by PEBBLOR_HOST_TOOLS_DIR, so both make the same bytes.

set(PEBBLOR_HOST_TOOLS_DIR "" CACHE PATH
    "A native build of this tree whose pebblor-assets and pebblor-fonts a cross build runs")
set(pebblor_host_tools pebblor-assets pebblor-fonts)

if(CMAKE_CROSSCOMPILING)
    set(host_tools_file "${PEBBLOR_HOST_TOOLS_DIR}/PebblorHostTools.cmake")
    if(NOT PEBBLOR_HOST_TOOLS_DIR OR NOT EXISTS "${host_tools_file}")
        message(FATAL_ERROR
            "A cross build runs the asset generator and the font baker of a native build of "
            "this tree. Configure and build one first:\n"
            "  cmake -S . -B build && cmake --build build --target pebblor_host_tools\n"
            "then pass -DPEBBLOR_HOST_TOOLS_DIR=<that build folder> "
            "(PEBBLOR_HOST_TOOLS_DIR is \"${PEBBLOR_HOST_TOOLS_DIR}\").")
    endif()
    include("${host_tools_file}")
    foreach(tool IN LISTS pebblor_host_tools)
        get_target_property(location pebblor_host::${tool} LOCATION)
        if(NOT EXISTS "${location}")
            message(FATAL_ERROR "${location} is not built yet: run "
                    "cmake --build ${PEBBLOR_HOST_TOOLS_DIR} --target pebblor_host_tools")
        endif()
    endforeach()
endif()

# pebblor_host_tool(<variable> <tool>): sets <variable> to what a custom command runs (and
# depends on) for that tool: the tool built here, or the native build's.
function(pebblor_host_tool variable tool)
    if(CMAKE_CROSSCOMPILING)
        set(${variable} pebblor_host::${tool} PARENT_SCOPE)
    else()
        set(${variable} ${tool} PARENT_SCOPE)
    endif()
endfunction()

# In a native build, once the tools are defined: the list for cross builds, and a target
# that builds just the tools.
function(pebblor_export_host_tools)
    if(NOT CMAKE_CROSSCOMPILING)
        export(TARGETS ${pebblor_host_tools} NAMESPACE pebblor_host::
               FILE "${CMAKE_BINARY_DIR}/PebblorHostTools.cmake")
        add_custom_target(pebblor_host_tools DEPENDS ${pebblor_host_tools})
    endif()
endfunction()

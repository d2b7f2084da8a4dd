# cmake -DSOURCE_DIR=... -P CheckIncludeLayers.cmake
#
# Fails when a module includes a header of a module above it. The modules
# stand in layers, lowest first; a module may include its own headers and
# those of any lower layer, never one of its own layer or above. The same
# list is drawn in the README's "Modules" section: change both together.
set(TAGORA_LAYERS
    "book"
    "platform"
    "season"
    "session"
    "ui"
    "zip"
    "printing"
    "barcode"
    "entry"
    "exchange"
    "labels;postcard"
    "envelope;about"
    "app")

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "give -DSOURCE_DIR=<the source tree>")
endif()

set(layer_index 0)
foreach(layer IN LISTS TAGORA_LAYERS)
    foreach(module IN ITEMS ${layer})
        set(layer_of_${module} ${layer_index})
    endforeach()
    math(EXPR layer_index "${layer_index} + 1")
endforeach()

set(faults "")
foreach(layer IN LISTS TAGORA_LAYERS)
    foreach(module IN ITEMS ${layer})
        file(GLOB_RECURSE sources "${SOURCE_DIR}/${module}/*.h" "${SOURCE_DIR}/${module}/*.cpp")
        foreach(source IN LISTS sources)
            file(STRINGS "${source}" includes REGEX "^#include \"[a-z]+/")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
                if(target STREQUAL module OR NOT DEFINED layer_of_${target})
                    continue()
                endif()
                if(NOT layer_of_${target} LESS layer_of_${module})
                    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                    string(APPEND faults "  ${shown}: ${line} (${module} may not include ${target})\n")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that run up or across the module layers:\n${faults}")
endif()
message(STATUS "Every include runs down the module layers.")

# cmake -DSOURCE_DIR=... -DCLANG_FORMAT=... -P CheckFormat.cmake
#
# Fails when a C++ file of the tree differs from what the repository's
# .clang-format makes of it, naming each such file. `clang-format -i FILE`
# mends one.
if(NOT SOURCE_DIR OR NOT CLANG_FORMAT)
    message(FATAL_ERROR "give -DSOURCE_DIR=<the source tree> -DCLANG_FORMAT=<clang-format>")
endif()

set(folders about app barcode bench book entry envelope exchange fuzz labels platform
            postcard printing season session tests ui zip)
set(sources "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
endforeach()

set(differing "")
foreach(source IN LISTS sources)
    execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror "${source}"
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        string(APPEND differing "  ${shown}\n")
    endif()
endforeach()

if(differing)
    message(FATAL_ERROR "Files that differ from .clang-format (clang-format -i FILE mends them):\n${differing}")
endif()
list(LENGTH sources count)
message(STATUS "All ${count} C++ files are formatted.")

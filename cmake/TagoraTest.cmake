# tagora_add_test(NAME source.cpp... [LIBS lib...])
# One QtTest executable registered with CTest. Windows run on the offscreen
# platform; every test gets a UTF-8 C locale so font family names are not
# localised and a fresh temporary folder comes from QTemporaryDir.
function(tagora_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    if(NOT ARG_LIBS)
        set(ARG_LIBS tagora_core)
    endif()
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        TAGORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        TAGORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8"
        TIMEOUT 120)
endfunction()

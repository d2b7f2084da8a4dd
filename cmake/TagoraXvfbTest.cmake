# tagora_add_xvfb_test(NAME source.cpp... [LIBS lib...])
# One QtTest executable that shows the real windows on a private X server:
# CTest runs it under xvfb-run with the xcb platform. Where xvfb-run is not
# installed the test still builds and runs offscreen, with TAGORA_NO_XVFB set
# so that it skips itself and says why.
function(tagora_add_xvfb_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    if(NOT ARG_LIBS)
        set(ARG_LIBS tagora_ui)
    endif()
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        TAGORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        TAGORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TAGORA_SCREENSHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}/screenshots")
    find_program(TAGORA_XVFB_RUN xvfb-run)
    if(TAGORA_XVFB_RUN)
        add_test(NAME ${name}
                 COMMAND ${TAGORA_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
        set(platform "QT_QPA_PLATFORM=xcb")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set(platform "QT_QPA_PLATFORM=offscreen;TAGORA_NO_XVFB=1")
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${platform};LANG=C.UTF-8;LC_ALL=C.UTF-8"
        TIMEOUT 120)
endfunction()

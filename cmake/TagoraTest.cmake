# tagora_add_test(NAME source.cpp... [LIBS lib...] [XVFB])
# One QtTest executable registered with CTest, with a UTF-8 C locale so font
# family names are not localised. Windows run on the offscreen platform; with
# XVFB they show on a private X server instead (xvfb-run, the xcb platform),
# and where xvfb-run is not installed the test runs offscreen with
# TAGORA_NO_XVFB set, so that it skips itself and says why. In the sanitizer
# build, leaks inside system libraries are suppressed; ours still fail.
function(tagora_add_test name)
    cmake_parse_arguments(ARG "XVFB" "" "LIBS" ${ARGN})
    if(NOT ARG_LIBS)
        set(ARG_LIBS tagora_core)
    endif()
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        TAGORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        TAGORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TAGORA_SCREENSHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}/screenshots")
    set(platform "QT_QPA_PLATFORM=offscreen")
    find_program(TAGORA_XVFB_RUN xvfb-run)
    if(ARG_XVFB AND TAGORA_XVFB_RUN)
        add_test(NAME ${name}
                 COMMAND ${TAGORA_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
        set(platform "QT_QPA_PLATFORM=xcb")
    else()
        add_test(NAME ${name} COMMAND ${name})
        if(ARG_XVFB)
            set(platform "QT_QPA_PLATFORM=offscreen;TAGORA_NO_XVFB=1")
        endif()
    endif()
    set(environment "${platform};LANG=C.UTF-8;LC_ALL=C.UTF-8")
    if(TAGORA_SANITIZE)
        list(APPEND environment
             "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan-system.supp:print_suppressions=0")
    endif()
    # A test that cannot run here (no X server) exits with 77: CTest shows it skipped.
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${environment}"
        SKIP_RETURN_CODE 77
        TIMEOUT 120)
endfunction()

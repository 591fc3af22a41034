# One ctest test per GoogleTest suite (a fixture, or one instantiation of a parameterised one):
# each test program start pays for a sanitizer runtime and a QApplication, so the tests of one
# suite share a process. The suites are listed after each build of the program, as GoogleTest's
# own discovery does for single tests.
#
#   vesk_add_suite_tests(<target> LABELS <labels>)
#
# Run as a script (cmake -P) it writes the ctest file of one program from its --gtest_list_tests.

set(vesk_suite_tests_skip_code 77)  # tests/support/TestMain.cpp ends so when a test skipped

if(CMAKE_SCRIPT_MODE_FILE)
    execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
        OUTPUT_VARIABLE listing RESULT_VARIABLE result ERROR_VARIABLE errors TIMEOUT 60)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${errors}")
    endif()
    string(REPLACE "," ";" labels "${LABELS}")
    string(REPLACE "\n" ";" lines "${listing}")
    set(script "")
    foreach(line IN LISTS lines)
        # Suite lines are unindented, end in a dot and may carry a "# TypeParam = ..." remark.
        if(line MATCHES "^([A-Za-z0-9_/]+)\\.( +#.*)?$")
            set(suite "${CMAKE_MATCH_1}")
            string(APPEND script
                "add_test([=[${suite}]=] [=[${PROGRAM}]=] [=[--gtest_filter=${suite}.*]=])\n"
                "set_tests_properties([=[${suite}]=] PROPERTIES LABELS [=[${labels}]=] "
                "SKIP_RETURN_CODE ${vesk_suite_tests_skip_code} TIMEOUT 600)\n")
        endif()
    endforeach()
    file(WRITE "${OUTPUT}" "${script}")
    return()
endif()

set(vesk_suite_tests_script "${CMAKE_CURRENT_LIST_FILE}")

function(vesk_add_suite_tests target)
    cmake_parse_arguments(ARG "" "" "LABELS" ${ARGN})
    set(suites_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
    set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake")
    string(REPLACE ";" "," labels "${ARG_LABELS}")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND "${CMAKE_COMMAND}" -D "PROGRAM=$<TARGET_FILE:${target}>" -D "OUTPUT=${suites_file}"
            -D "LABELS=${labels}" -P "${vesk_suite_tests_script}"
        VERBATIM)
    # A program that was never built shows up as a failing test rather than as no tests.
    file(WRITE "${include_file}"
        "if(EXISTS [=[${suites_file}]=])\n  include([=[${suites_file}]=])\nelse()\n"
        "  add_test([=[${target}_NOT_BUILT]=] [=[${target}_NOT_BUILT]=])\nendif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()

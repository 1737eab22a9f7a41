# brindlewick_add_test(NAME SOURCES file... [LAYERS layer...] [LIBRARIES lib...])
# One Qt Test executable per subsystem, run headless by CTest. LAYERS names the highest layers the
# test uses (each brings those below it), so a test of the model cannot reach a screen; without it
# the test sees every layer. BRINDLEWICK_TEST_DATA points at the test's fixture folder.
function(brindlewick_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LAYERS;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_LAYERS)
        list(TRANSFORM ARG_LAYERS PREPEND brindlewick_)
        target_link_libraries(${name} PRIVATE ${ARG_LAYERS})
    else()
        target_link_libraries(${name} PRIVATE brindlewick_core)
    endif()
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE
        BRINDLEWICK_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
        BRINDLEWICK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;ASAN_OPTIONS=detect_leaks=0"
        TIMEOUT 300)
endfunction()

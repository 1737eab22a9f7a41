# Installs the build into a fresh prefix and starts the installed program headless on a new data
# folder in one layout; every main screen must come out as a PNG. Nothing may be missing from the
# installation that only the build folder holds (the screens' module once was).
#   cmake -DBUILD_DIR=... -DLAYOUT=phone|tablet -DWORK_DIR=... -P InstalledStart.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix"
    OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
execute_process(COMMAND "${WORK_DIR}/prefix/bin/brindlewick" --layout "${LAYOUT}"
        --data-dir "${WORK_DIR}/data" --screenshot "${WORK_DIR}/png"
    RESULT_VARIABLE started ERROR_VARIABLE errors TIMEOUT 240)
if(NOT started EQUAL 0)
    message(FATAL_ERROR "The installed program exited with ${started}:\n${errors}")
endif()
file(GLOB shots "${WORK_DIR}/png/*.png")
list(LENGTH shots count)
if(count LESS 5)
    message(FATAL_ERROR "Only ${count} screenshots from the installed program:\n${errors}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")

# Starts the program headless in one layout and language on a new data folder and renders every
# main screen; no text on them may be cut short or run out of its item, and no binding may loop.
#   cmake -DPROGRAM=... -DLAYOUT=phone|tablet -DLANGUAGE=de_DE.UTF-8 -DWORK_DIR=... -P ScreensFit.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
set(ENV{LANG} "${LANGUAGE}")
set(ENV{LC_ALL} "")
set(ENV{LANGUAGE} "")
execute_process(COMMAND "${PROGRAM}" --layout "${LAYOUT}" --data-dir "${WORK_DIR}/data"
        --screenshot "${WORK_DIR}/png"
    RESULT_VARIABLE started ERROR_VARIABLE errors TIMEOUT 240)
if(NOT started EQUAL 0)
    message(FATAL_ERROR "The program exited with ${started}:\n${errors}")
endif()
string(REGEX MATCHALL "(Clipped text|[^\n]*Binding loop detected)[^\n]*" clipped "${errors}")
if(clipped)
    list(JOIN clipped "\n" lines)
    message(FATAL_ERROR "Texts that do not fit, or bindings that loop (${LAYOUT}, ${LANGUAGE}):\n${lines}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")

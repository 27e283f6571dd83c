# Runs chmcmd on a help project and copies the result to OUTPUT.
#   cmake -DCHMCMD=<chmcmd> -DPROJECT_FILE=<name.hhp> -DWORK_DIR=<folder> -DOUTPUT=<file> -P CompileHelp.cmake
#
# chmcmd prints a banner and notes on every run and may exit with 0 after a warning, or crash and
# leave an empty file behind after a missing topic. So the build stays quiet when all is well,
# shows chmcmd's warnings, and fails with its whole output when no usable help file came out.

foreach(var CHMCMD PROJECT_FILE WORK_DIR OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CompileHelp.cmake needs -D${var}=...")
    endif()
endforeach()

file(STRINGS ${WORK_DIR}/${PROJECT_FILE} compiledLine REGEX "^Compiled file=")
string(REGEX REPLACE "^Compiled file=" "" compiled "${compiledLine}")
string(STRIP "${compiled}" compiled)
if(compiled STREQUAL "")
    message(FATAL_ERROR "${PROJECT_FILE} names no compiled file")
endif()
file(REMOVE ${WORK_DIR}/${compiled})

execute_process(COMMAND ${CHMCMD} ${PROJECT_FILE}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)

set(chm ${WORK_DIR}/${compiled})
set(size 0)
if(EXISTS ${chm})
    file(SIZE ${chm} size)
endif()
string(REPLACE "\r" "" out "${out}")
string(REPLACE "\r" "" err "${err}")
if(NOT result EQUAL 0 OR size EQUAL 0)
    message(FATAL_ERROR "chmcmd failed on ${PROJECT_FILE} (exit ${result}):\n${out}\n${err}")
endif()

string(REGEX MATCHALL "[^\n]*(Warning|Error)[^\n]*" problems "${out}\n${err}")
if(problems)
    list(JOIN problems "\n" problems)
    message(WARNING "chmcmd on ${PROJECT_FILE}:\n${problems}")
endif()

file(COPY_FILE ${chm} ${OUTPUT})

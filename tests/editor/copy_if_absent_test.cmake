# cmake -DSCRIPT=<copy_if_absent.cmake> -DWORK=<scratch folder> -P copy_if_absent_test.cmake
# The sample catalogue is copied where none is, and a user's catalogue is never replaced.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/sample" "sample")

function(copy)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK}/sample -DDESTINATION=${WORK}/ZAFIK.LIB
                          -P ${SCRIPT} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the copy step failed: ${status}")
  endif()
endfunction()

copy()
file(READ "${WORK}/ZAFIK.LIB" copied)
if(NOT copied STREQUAL "sample")
  message(FATAL_ERROR "the sample was not copied where no catalogue was")
endif()

file(WRITE "${WORK}/ZAFIK.LIB" "user")
copy()
file(READ "${WORK}/ZAFIK.LIB" kept)
if(NOT kept STREQUAL "user")
  message(FATAL_ERROR "the user's catalogue was replaced")
endif()

file(REMOVE "${WORK}/ZAFIK.LIB")
file(CREATE_LINK "${WORK}/elsewhere" "${WORK}/ZAFIK.LIB" SYMBOLIC)
copy()
if(EXISTS "${WORK}/elsewhere")
  message(FATAL_ERROR "the copy followed a dangling link to a catalogue kept elsewhere")
endif()
file(REMOVE_RECURSE "${WORK}")

# Checks that every C++ source of src/, tests/ and bench/ matches .clang-format; run with cmake -P.
#   -DSOURCE_DIR=<repository>   the tree to check
#   -DCLANG_FORMAT=<program>    the clang-format to use
# Fails naming each file that clang-format would change.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result
                ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" lines "${output}")
  set(files)
  foreach(line ${lines})
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error: code should be clang-formatted" "" file "${line}")
    list(APPEND files ${file})
  endforeach()
  list(REMOVE_DUPLICATES files)
  list(JOIN files "\n  " listed)
  message(FATAL_ERROR "Not formatted as .clang-format says (run clang-format -i on them):\n  ${listed}")
endif()

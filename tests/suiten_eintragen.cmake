# Runs after a test binary is linked: lists its GoogleTest suites and writes one CTest entry per
# suite, so CTest names and times each suite while the tests of a suite share one process (and
# with it the one main window the window tests build per suite).
#
# Expects BINARY, NAME, OUT, LIST_TIMEOUT, TEST_TIMEOUT and ENVIRONMENT (";" written as "|").

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND "${BINARY}" --gtest_list_tests
                OUTPUT_VARIABLE liste ERROR_VARIABLE fehler RESULT_VARIABLE ergebnis
                TIMEOUT ${LIST_TIMEOUT})
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "${BINARY} --gtest_list_tests failed (${ergebnis}):\n${fehler}")
endif()

string(REPLACE "|" ";" umgebung "${ENVIRONMENT}")
string(REPLACE "\n" ";" zeilen "${liste}")
set(inhalt "")
set(anzahl 0)
foreach(zeile IN LISTS zeilen)
  # Suite lines start in the first column and end with "." (typed suites add "  # TypeParam...").
  if(zeile MATCHES "^([^ #][^ ]*)\\.( |$)")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND inhalt
      "add_test([=[${NAME}.${suite}]=] [==[${BINARY}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties([=[${NAME}.${suite}]=] PROPERTIES TIMEOUT ${TEST_TIMEOUT} "
      "ENVIRONMENT \"${umgebung}\")\n")
    math(EXPR anzahl "${anzahl} + 1")
  endif()
endforeach()
if(anzahl EQUAL 0)
  message(FATAL_ERROR "${BINARY} lists no test suites")
endif()
file(WRITE "${OUT}" "${inhalt}")

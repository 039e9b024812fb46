# Lists the dynamic symbols that LIBRARY defines and compares them with the
# engine's entry points: the five classic ones and the five of runs of the
# caller's own.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(names)
foreach(line ${lines})
  string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] +" "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
set(expected _GetHelpString _GetValues _InitLmuo _OneLoop _SayHello
    lumo32_CreateRun lumo32_FreeRun lumo32_RunResults lumo32_RunToEnd lumo32_StepRun)
list(SORT expected)
if(NOT "${names}" STREQUAL "${expected}")
  message(FATAL_ERROR "exported: ${names}\nexpected: ${expected}")
endif()

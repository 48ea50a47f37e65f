# cmake -DBINARY=<executable> -P CheckNoWidgets.cmake
# Fails when the executable loads Qt's widget or GUI library.
execute_process(COMMAND ldd ${BINARY} OUTPUT_VARIABLE libs ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ldd ${BINARY} failed: ${err}")
endif()
if(NOT libs MATCHES "libQt6Core")
  message(FATAL_ERROR "ldd ${BINARY} lists no QtCore; is this the right binary?\n${libs}")
endif()
string(REGEX MATCHALL "libQt6(Widgets|Gui|PrintSupport|Svg)[^ \t\n]*" found "${libs}")
list(REMOVE_DUPLICATES found)
if(found)
  message(FATAL_ERROR "${BINARY} loads ${found}; a logic library links a widget library.")
endif()

# tv_library(<name> <sources...> [DEPS <libs...>])
# Declares one folder's window library. Libraries that register windows
# add themselves to TALLYVALE_LINKED_FOLDERS so the executable links them.
function(tv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set(TALLYVALE_LINKED_FOLDERS ${TALLYVALE_LINKED_FOLDERS} ${name} CACHE INTERNAL "")
endfunction()

# tv_logic_library(<name> SOURCES <sources...> [DEPS <libs...>])
# A folder's logic: code that needs no widget, on QtCore only, so its tests
# and benchmarks link no widget or GUI library. DEPS must be logic libraries
# too; the <test>_links_no_widgets tests catch a slip.
function(tv_logic_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_DEPS})
endfunction()

set(TALLYVALE_TEST_ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1")

# tv_test(<name> SOURCES <files...> LIBS <libs...>)
# One GoogleTest executable for windows, run headless by CTest; its main()
# creates the application object with the program-wide exception handler.
function(tv_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tv_test_support GTest::gtest Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TALLYVALE_TEST_ENVIRONMENT}" TIMEOUT 600)
endfunction()

# tv_logic_test(<name> SOURCES <files...> LIBS <logic libs...>)
# One GoogleTest executable for logic: its main() needs no widget, and a
# second test fails when the executable loads the widget or GUI library.
function(tv_logic_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tv_logic_test_support GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TALLYVALE_TEST_ENVIRONMENT}" TIMEOUT 600)
  add_test(NAME ${name}_links_no_widgets
    COMMAND ${CMAKE_COMMAND} -DBINARY=$<TARGET_FILE:${name}> -P ${CMAKE_SOURCE_DIR}/cmake/CheckNoWidgets.cmake)
endfunction()

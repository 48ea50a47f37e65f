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

# tv_folder_libraries(<window lib> LOGIC <logic lib> UNITS <units...>
#                     [LOGIC_DEPS <libs...>] [DEPS <libs...>])
# A folder split the usual way: the units named (each a .h/.cpp pair) are its
# logic library; every other source, header and resource in the folder and
# below is its window library, which links the logic library.
function(tv_folder_libraries name)
  cmake_parse_arguments(ARG "" "LOGIC" "UNITS;LOGIC_DEPS;DEPS" ${ARGN})
  set(logic_sources)
  foreach(unit IN LISTS ARG_UNITS)
    list(APPEND logic_sources ${CMAKE_CURRENT_SOURCE_DIR}/${unit}.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${unit}.h)
  endforeach()
  tv_logic_library(${ARG_LOGIC} SOURCES ${logic_sources} DEPS ${ARG_LOGIC_DEPS})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(REMOVE_ITEM sources ${logic_sources})
  tv_library(${name} SOURCES ${sources} DEPS ${ARG_LOGIC} ${ARG_DEPS})
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

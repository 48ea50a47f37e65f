# tv_library(<name> <sources...> [DEPS <libs...>])
# Declares one folder's static library. Libraries that register windows
# add themselves to TALLYVALE_LINKED_FOLDERS so the executable links them.
function(tv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set(TALLYVALE_LINKED_FOLDERS ${TALLYVALE_LINKED_FOLDERS} ${name} CACHE INTERNAL "")
endfunction()

# tv_test(<name> SOURCES <files...> LIBS <libs...>)
# One GoogleTest executable run headless by CTest; its main() creates the
# application object with the program-wide exception handler.
function(tv_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tv_test_support GTest::gtest Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT 600)
endfunction()

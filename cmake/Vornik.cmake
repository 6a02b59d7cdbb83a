# Helpers shared by every folder's CMakeLists.txt.
#
# Two configurations use the same tree:
#   native  (host g++, AddressSanitizer + UBSan): only pure libraries and their tests;
#   win     (MinGW-w64 cross build, WIN32 is true): everything, tests run under Wine.

# Narrow string literals are GBK in every target of ours, so "我的Vornik" in a UTF-8 source
# becomes the same bytes the model, the record file and the designed windows use. GB18030 gives
# the same bytes as code page 936 for the characters of the interface; unlike plain GBK it can
# also encode the few other characters the standard headers hold (<chrono> has a "µs").
#
# g++ takes a class's destroying operator delete (Component's) for one that does not match the
# plain operator new and warns at every delete of a component; nothing else here allocates that way.
set(VORNIK_COMMON_OPTIONS -fexec-charset=GB18030 -Wall -Wextra -Wno-unused-parameter -Wno-mismatched-new-delete)

function(vornik_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

function(_vornik_target_defaults target)
  target_compile_options(${target} PRIVATE ${VORNIK_COMMON_OPTIONS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
endfunction()

# A library that never includes <windows.h>: built in both configurations.
function(vornik_pure_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  _vornik_target_defaults(${name})
  if(A_DEPS)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  endif()
endfunction()

# A library over Win32: built only in the Windows configuration.
function(vornik_win_library name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  _vornik_target_defaults(${name})
  target_link_libraries(${name} PUBLIC ${A_DEPS} user32 gdi32 comctl32 shell32 msimg32 ole32 uuid)
endfunction()

# A GoogleTest program of pure modules, run natively under the sanitizers.
function(vornik_native_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  _vornik_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VORNIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT})
endfunction()

# A GoogleTest program run under Wine (through the toolchain's emulator).
function(vornik_win_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  _vornik_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest_main)
  # Tests find the corpus and the checkout through Wine's Z: drive.
  target_compile_definitions(${name} PRIVATE VORNIK_SOURCE_DIR="Z:${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT})
endfunction()

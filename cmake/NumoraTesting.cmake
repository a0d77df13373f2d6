# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# How tests are registered. Every test has a timeout that fits it with
# margin, so a hang costs seconds to minutes. The sanitizer build (a debug
# build that also unwinds every allocation's stack in full) runs up to ten
# times slower on a loaded machine, and its timeouts are scaled to match.
if(NUMORA_SANITIZE)
  set(NUMORA_TIMEOUT_SCALE 6)
else()
  set(NUMORA_TIMEOUT_SCALE 1)
endif()

# Programs that start Qt's media or D-Bus libraries (the music player, the
# real program) unwind every allocation's stack in full under the
# sanitizers, so that the suppressions (scripts/lsan.supp) match the library
# function that really keeps the memory: the fast unwinder stops at the
# first frame of a library built without frame pointers (the C library's
# vasprintf, say), where no narrow pattern can match. The other tests keep
# the fast unwinder: they start no such library, and a full unwind of every
# allocation makes allocation-heavy tests fifty to a hundred times slower.
function(numora_full_unwind)
  if(NUMORA_SANITIZE)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT_MODIFICATION
                 "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=0")
  endif()
endfunction()

function(numora_timeout out seconds)
  math(EXPR scaled "${seconds} * ${NUMORA_TIMEOUT_SCALE}")
  set(${out} ${scaled} PARENT_SCOPE)
endfunction()

# A GoogleTest executable: each test case becomes a ctest test, with the
# timeout of one case (default 30 s).
function(numora_gtest target)
  cmake_parse_arguments(arg "" "TIMEOUT" "" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 30)
  endif()
  numora_timeout(timeout ${arg_TIMEOUT})
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30
                       PROPERTIES TIMEOUT ${timeout})
endfunction()

# A Qt Test executable of window tests (its main is NUMORA_QTEST_MAIN or
# calls QtTestArguments), run on the offscreen platform. A test function
# that hangs fails on its own after two thirds of the whole timeout, naming
# the function. FULL_UNWIND: see numora_full_unwind.
function(numora_qt_test target)
  cmake_parse_arguments(arg "FULL_UNWIND" "TIMEOUT" "SCALES" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  numora_timeout(timeout ${arg_TIMEOUT})
  math(EXPR function_ms "${timeout} * 2000 / 3")
  set(environment "QT_QPA_PLATFORM=offscreen;QTEST_DISABLE_STACK_DUMP=1;QTEST_FUNCTION_TIMEOUT=${function_ms}")
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${timeout})
  if(arg_FULL_UNWIND)
    numora_full_unwind(${target})
  endif()
  # The same tests again at other screen scales: <target>_scale<S>.
  foreach(scale ${arg_SCALES})
    add_test(NAME ${target}_scale${scale} COMMAND ${target})
    set_tests_properties(${target}_scale${scale} PROPERTIES
      ENVIRONMENT "${environment};QT_SCALE_FACTOR=${scale}" TIMEOUT ${timeout})
  endforeach()
endfunction()

# A test that runs a script: bash for a .sh file, python3 for a .py file,
# with ARGS after the script's path. TIMEOUT in seconds (default 60) is
# scaled like every other; RUN_SERIAL for a test that owns a display or
# the machine; SKIPPABLE when exit status 77 means "cannot run here"
# (packages missing); FULL_UNWIND: see numora_full_unwind. Every script
# gets the program's version as NUMORA_VERSION, and ENVIRONMENT adds more.
function(numora_script_test name script)
  cmake_parse_arguments(arg "RUN_SERIAL;SKIPPABLE;FULL_UNWIND" "TIMEOUT" "ARGS;ENVIRONMENT" ${ARGN})
  if(NOT IS_ABSOLUTE "${script}")
    set(script ${CMAKE_CURRENT_SOURCE_DIR}/${script})
  endif()
  if(script MATCHES "\\.py$")
    set(runner python3)
  else()
    set(runner bash)
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  numora_timeout(timeout ${arg_TIMEOUT})
  add_test(NAME ${name} COMMAND ${runner} ${script} ${arg_ARGS})
  set(environment NUMORA_VERSION=${PROJECT_VERSION} ${arg_ENVIRONMENT})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout} ENVIRONMENT "${environment}")
  if(arg_RUN_SERIAL)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL ON)
  endif()
  if(arg_SKIPPABLE)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
  endif()
  if(arg_FULL_UNWIND)
    numora_full_unwind(${name})
  endif()
endfunction()

# Every test of the build tree has a timeout: checked by a test of its own
# (CheckTestTimeouts.cmake), which also sees the GoogleTest cases that are
# discovered only when ctest runs.
function(numora_add_timeout_check)
  add_test(NAME test_timeouts
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DCTEST=${CMAKE_CTEST_COMMAND}
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckTestTimeouts.cmake)
  set_tests_properties(test_timeouts PROPERTIES TIMEOUT 120)
endfunction()

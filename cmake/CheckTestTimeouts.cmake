# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=... -DCTEST=... -P CheckTestTimeouts.cmake
# Fails when a test of the build tree has no TIMEOUT property of its own.
execute_process(COMMAND ${CTEST} --show-only=json-v1
                WORKING_DIRECTORY ${BUILD_DIR}
                OUTPUT_VARIABLE json RESULT_VARIABLE rc ERROR_VARIABLE errors)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ctest --show-only failed: ${errors}")
endif()
string(JSON count LENGTH "${json}" tests)
set(missing "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${json}" tests ${i} name)
  set(has_timeout FALSE)
  string(JSON nprops ERROR_VARIABLE no_props LENGTH "${json}" tests ${i} properties)
  if(NOT no_props AND nprops GREATER 0)
    math(EXPR plast "${nprops} - 1")
    foreach(j RANGE ${plast})
      string(JSON pname GET "${json}" tests ${i} properties ${j} name)
      if(pname STREQUAL "TIMEOUT")
        set(has_timeout TRUE)
      endif()
    endforeach()
  endif()
  if(NOT has_timeout)
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "tests without a TIMEOUT (register them through cmake/NumoraTesting.cmake):\n  ${text}")
endif()
message(STATUS "all ${count} tests have a timeout")

# Compiler settings and helpers shared by every target of the program and its tests.

# Every source is UTF-8; every narrow literal is code page 1250 at run time.
add_library(morvelank_options INTERFACE)
target_compile_options(morvelank_options INTERFACE
  -Wall -Wextra -Werror
  -finput-charset=UTF-8 -fexec-charset=CP1250)
target_compile_definitions(morvelank_options INTERFACE
  _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800 NOMINMAX STRICT)
target_include_directories(morvelank_options INTERFACE ${CMAKE_SOURCE_DIR})
target_link_options(morvelank_options INTERFACE -static)

# The program's own code (its libraries, the executable and the tools) also builds clean of
# narrowing conversions and shadowed names; the tests keep the common set, as GoogleTest's own
# headers do not pass these.
set(MORVELANK_PROGRAM_WARNINGS -Wconversion -Wshadow)

# One static library per source folder, from every .cpp in it and its subfolders:
#   morvelank_library(<name> [DEPENDS <libraries>...])
function(morvelank_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC morvelank_options ${ARG_DEPENDS})
  target_compile_options(${name} PRIVATE ${MORVELANK_PROGRAM_WARNINGS})
endfunction()

# One ctest test that runs a suite's executable, or a part of it, in a Wine session of its own
# (display, wineserver, registry), named after the test.
function(morvelank_suite_session test executable)
  add_test(NAME ${test} COMMAND ${PROJECT_SOURCE_DIR}/scripts/test-suite-session.sh $<TARGET_FILE:${executable}>)
  # A message box no test answers would wait forever: the run fails it instead.
  set_tests_properties(${test} PROPERTIES TIMEOUT 900 ENVIRONMENT "MORVELANK_SESSION=${test};${ARGN}")
endfunction()

# One GoogleTest executable per tested folder, from every .cpp and .rc in it, run by ctest:
#   morvelank_test(<name> [INSTALLATION] [SHARDS <n>] [PRINTING <test group>...] [COST <seconds>]
#                  [DEPENDS <libraries>...] [ENVIRONMENT <VAR=value>...])
# INSTALLATION: the suite reads an installation folder, named by MORVELANK_INSTALLATION: the
#   suites' own copy (tests/CMakeLists.txt), never the user's.
# SHARDS: a long suite runs as n tests, <name>_1 to <name>_n, each a share of its test cases
#   (GoogleTest's sharding, so new cases are shared out too), side by side.
# PRINTING: the test groups that print on the PDF printer run apart, as <name>_printing, which
#   takes turns on the printer (RESOURCE_LOCK pdf_printer); the rest of the suite runs beside it.
# COST: about how many seconds the whole suite takes on a quiet machine: ctest starts the costly
#   tests first; without it, it goes by the times of earlier runs.
# The names of the suite's ctest tests are left in <name>_TESTS.
function(morvelank_test name)
  cmake_parse_arguments(ARG "INSTALLATION" "SHARDS;COST" "DEPENDS;ENVIRONMENT;PRINTING" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE morvelank_options ${ARG_DEPENDS} gtest gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

  set(environment "MORVELANK_TEST_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}" ${ARG_ENVIRONMENT})
  if(ARG_INSTALLATION)
    add_dependencies(${name} installation_image)
    list(APPEND environment "MORVELANK_INSTALLATION=${MORVELANK_SUITES_INSTALLATION}")
  endif()

  set(tests)
  set(others)
  if(ARG_PRINTING)
    list(JOIN ARG_PRINTING ".*:" groups)
    morvelank_suite_session(${name}_printing ${name} ${environment} "MORVELANK_TEST_GROUPS=${groups}.*")
    set_property(TEST ${name}_printing APPEND PROPERTY RESOURCE_LOCK pdf_printer)
    list(APPEND tests ${name}_printing)
    set(others "MORVELANK_TEST_GROUPS=-${groups}.*")
  endif()
  if(ARG_SHARDS AND ARG_SHARDS GREATER 1)
    math(EXPR last "${ARG_SHARDS} - 1")
    foreach(index RANGE ${last})
      math(EXPR number "${index} + 1")
      morvelank_suite_session(${name}_${number} ${name} ${environment} ${others}
                              "GTEST_TOTAL_SHARDS=${ARG_SHARDS}" "GTEST_SHARD_INDEX=${index}")
      list(APPEND tests ${name}_${number})
    endforeach()
  else()
    morvelank_suite_session(${name} ${name} ${environment} ${others})
    list(APPEND tests ${name})
  endif()

  if(ARG_INSTALLATION)
    set_property(TEST ${tests} APPEND PROPERTY FIXTURES_REQUIRED suites_installation)
  endif()
  if(ARG_COST)
    list(LENGTH tests parts)
    math(EXPR cost "${ARG_COST} / ${parts}")
    set_property(TEST ${tests} PROPERTY COST ${cost})
  endif()
  set(${name}_TESTS ${tests} PARENT_SCOPE)
endfunction()

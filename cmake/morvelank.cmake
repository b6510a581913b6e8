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

# One GoogleTest executable per tested folder, from every .cpp and .rc in it; ctest runs it
# under Wine in a session of its own (display, wineserver, registry).
#   morvelank_test(<name> [INSTALLATION] [DEPENDS <libraries>...] [ENVIRONMENT <VAR=value>...])
# INSTALLATION: the suite reads an installation folder, named by MORVELANK_INSTALLATION: the
# suites' own copy (tests/CMakeLists.txt), never the user's.
function(morvelank_test name)
  cmake_parse_arguments(ARG "INSTALLATION" "" "DEPENDS;ENVIRONMENT" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE morvelank_options ${ARG_DEPENDS} gtest gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/test-suite-session.sh $<TARGET_FILE:${name}>)
  # A message box no test answers would wait forever: the run fails it instead.
  set_tests_properties(${name} PROPERTIES TIMEOUT 900
    ENVIRONMENT "MORVELANK_TEST_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR};${ARG_ENVIRONMENT}")
  if(ARG_INSTALLATION)
    add_dependencies(${name} installation_image)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "MORVELANK_INSTALLATION=${MORVELANK_SUITES_INSTALLATION}")
    set_property(TEST ${name} APPEND PROPERTY FIXTURES_REQUIRED suites_installation)
  endif()
endfunction()

# One static library per source folder; its sources are every .cpp/.h/.qrc below it.
# Sub-folders named by EXCLUDE belong to other libraries.
# lattisor_library(<name> <folder> DEPS <libs...> [EXCLUDE <sub-folders...>])
function(lattisor_sources out folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${folder}/*.cpp ${folder}/*.h ${folder}/*.qrc)
  foreach(sub ${ARGN})
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${folder}/${sub}/")
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(lattisor_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  lattisor_sources(sources ${folder} ${ARG_EXCLUDE})
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    # A layer not written yet: an interface library, so that the layers above can name it.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One GoogleTest executable per test folder: tests_<name>, linked to the libraries given.
function(lattisor_tests name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  lattisor_sources(sources ${folder} ${ARG_EXCLUDE})
  if(NOT sources)
    return()
  endif()
  add_executable(tests_${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
  target_include_directories(tests_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(tests_${name} PRIVATE LATTISOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_libraries(tests_${name} PRIVATE ${ARG_DEPS} testsupport GTest::gtest Qt6::Widgets)
  gtest_discover_tests(tests_${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1;LATTISOR_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
               TIMEOUT 300)
endfunction()

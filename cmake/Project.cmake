# Shared helpers for the folders' CMakeLists.

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(VN_FUZZ)
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VN_TESTS AND NOT VN_FUZZ)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# Adds the listed sub-folders that exist and hold a CMakeLists.txt.
function(vn_add_folders)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# vn_add_test(NAME SOURCES... LIBS libs...): one GoogleTest executable, its
# cases registered with CTest. Tests run from the build folder.
function(vn_add_test name)
  if(NOT VN_TESTS OR VN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# vn_add_fuzzer(NAME SOURCES... LIBS libs...): a libFuzzer target, built only
# in the fuzz configuration.
function(vn_add_fuzzer name)
  if(NOT VN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
endfunction()

# vn_add_bench(NAME SOURCES... LIBS libs...): a Google Benchmark executable.
function(vn_add_bench name)
  if(NOT VN_BENCH OR VN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
endfunction()

# Adds every sub-folder of the current folder that holds a CMakeLists.txt, in
# name order. Each defines its own targets, so order does not matter.
function(vn_add_all_folders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(dir ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${dir} AND
       EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

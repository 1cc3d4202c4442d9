# Collects the sources of the given folders and their subfolders: library
# sources into OUT_SRC and unit tests (*_test.cpp) into OUT_TESTS. Each seam
# has a Windows side (*_win.cpp) and a native side (*_native.cpp); a build
# takes the side of its platform, and the tests of that side
# (*_win_test.cpp, *_native_test.cpp).
function(zelo_collect_sources OUT_SRC OUT_TESTS)
  if(ZELO_WINDOWS)
    set(other_side "_native")
  else()
    set(other_side "_win")
  endif()
  set(src)
  set(tests)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    foreach(f ${files})
      if(f MATCHES "${other_side}(_test)?\\.cpp$")
        continue()
      elseif(f MATCHES "_test\\.cpp$")
        list(APPEND tests ${f})
      else()
        list(APPEND src ${f})
      endif()
    endforeach()
  endforeach()
  set(${OUT_SRC} ${src} PARENT_SCOPE)
  set(${OUT_TESTS} ${tests} PARENT_SCOPE)
endfunction()

# Test targets are most of the build time, nearly all of it spent on the
# GoogleTest headers, on optimising test code and on its debug information.
# A test target is compiled over a precompiled GoogleTest header, at -O1
# where the build would optimise harder (test code gains nothing from it),
# with line tables only where the build has debug information (-g1), and
# with UNITY as a few large units of ZELO_TEST_UNITY_BATCH files each (a
# unity build). Win32 test files stay out of the units: the macros of
# windows.h (DeleteFile, CopyFile...) must not reach the portable tests
# compiled after them. A test file whose file-local names clash with
# another's is kept out the same way:
# set_source_files_properties(FILE PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON).
function(zelo_fast_test_build target)
  cmake_parse_arguments(ARG "UNITY" "" "" ${ARGN})
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <gmock/gmock.h> <string> <vector>)
  target_compile_options(${target} PRIVATE -O1)
  # Line tables only: sanitizer reports and backtraces keep file and line,
  # at two thirds of the cost of full debug information.
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug,RelWithDebInfo>:-g1>)
  if(ARG_UNITY AND ZELO_TEST_UNITY_BATCH GREATER 1)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${ZELO_TEST_UNITY_BATCH})
    get_target_property(sources ${target} SOURCES)
    foreach(f ${sources})
      if(f MATCHES "_win_test\\.cpp$")
        set_source_files_properties(${f} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
      endif()
    endforeach()
  endif()
endfunction()

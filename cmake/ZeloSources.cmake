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

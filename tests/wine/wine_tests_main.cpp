// Entry of the integration tests: argv[1] names the Zelomat.exe under test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/harness_win.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: wine_tests PATH-TO-Zelomat.exe\n");
    return 2;
  }
  zelo::test::SetProgramPath(zelo::test::WindowsPath(argv[1]));
  return RUN_ALL_TESTS();
}

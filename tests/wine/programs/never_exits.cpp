// Test program: never_exits.exe — a console program that runs until it is
// ended from outside.
#include <windows.h>

int main() {
  for (;;) Sleep(1000);
}

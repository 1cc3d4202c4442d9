#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  std::fprintf(stderr, "unknown command\n");
  return 2;
}

// The demonstration program: what the library can do so far, shown on the console and in
// pictures written to out/.

#include <cstdio>
#include <filesystem>

#include "demo/demo_parts.h"

int main() {
  ShowDateCells();
  std::filesystem::create_directories("out");
  std::printf("\nwrote %s\n", DrawGraphicsWindow("out").c_str());
  std::printf("wrote %s\n", RunControlsForm("out").c_str());
}

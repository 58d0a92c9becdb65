// The demonstration program: what the library can do so far, shown on the console and in
// pictures written to out/.

#include <cstdio>
#include <filesystem>
#include <string>

#include "demo/demo_parts.h"

int main() {
  ShowDateCells();
  std::filesystem::create_directories("out");
  std::printf("\nwrote %s\n", DrawGraphicsWindow("out").c_str());
  for (const std::string& File : RunControlsForm("out")) std::printf("wrote %s\n", File.c_str());
  for (const std::string& File : RunDateEditsForm("out")) std::printf("wrote %s\n", File.c_str());
}

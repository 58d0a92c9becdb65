#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/classes/strings.h"

namespace classes_test {

inline std::vector<std::string> Lines(const framework::TStrings& Strings) {
  std::vector<std::string> Result;
  for (int I = 0; I < Strings.Count(); ++I) Result.push_back(Strings.Strings(I));
  return Result;
}

// A fresh directory for each test, removed with everything in it afterwards.
class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string Template = (std::filesystem::temp_directory_path() / "tarvex-XXXXXX").string();
    ASSERT_NE(mkdtemp(Template.data()), nullptr);
    Dir = Template;
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  std::string PathOf(const std::string& Name) const { return (Dir / Name).string(); }

  std::filesystem::path Dir;
};

}  // namespace classes_test

#pragma once

#include <gtest/gtest.h>

#include "framework/controls/application.h"
#include "framework/win/input.h"

namespace framework::test {

// A fresh desktop and a fresh Application and Screen per test; the forms a test makes owned by
// Application go with it.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    input::Reset();
    InitApplication();
  }
  void TearDown() override {
    DoneApplication();
    input::Reset();
  }
};

}  // namespace framework::test

#pragma once

#include <gtest/gtest.h>

#include "framework/rtl/format_settings.h"

// For tests that switch the locale: every test starts and ends with en_US, the default.
class LocaleTest : public ::testing::Test {
 protected:
  void SetUp() override { framework::SetLocale("en_US"); }
  void TearDown() override { framework::SetLocale("en_US"); }
};

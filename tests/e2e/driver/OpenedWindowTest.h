#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/MainWindow.h"

namespace e2e {

// Checks that only read the window as it opens share one run of the program
// (without auto-start marker): the suite's first check starts it, the end of
// the suite ends it. A check that changes anything belongs in a VantrelTest.
class OpenedWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static MainWindow& window();
    static std::wstring statusText();
};

}  // namespace e2e

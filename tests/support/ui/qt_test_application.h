// The one QApplication of a Qt test program, made on first use (offscreen, as CTest runs gui tests).
#pragma once

#include <gtest/gtest.h>

namespace testsupport {

// Also installs the Qt broker while no other broker is installed.
void EnsureQtApplication();

// A fixture base whose members may be widgets: the application exists before they are made.
class QtTest : public testing::Test {
protected:
    QtTest() { EnsureQtApplication(); }
};

}  // namespace testsupport

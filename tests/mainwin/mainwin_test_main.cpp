// The window tests run offscreen, in a fixed locale, with settings and data in a temporary folder.
#include "sandbox_home.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const SandboxHome home;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

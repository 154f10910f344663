// The desktop-layer tests run offscreen with the runtime, settings and data folders in a temporary
#include "sandbox_home.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const SandboxHome home;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

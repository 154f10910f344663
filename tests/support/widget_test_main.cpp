// A main for the widget test programs: offscreen, in a fixed locale and zone, with settings and data
// in a temporary folder.
#include "sandbox_home.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const SandboxHome home;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

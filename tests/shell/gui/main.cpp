// The tests share one Qt application; each start of the module makes its own application object over it.
#include "UnrecordedBoxes.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    testsupport::FailOnUnrecordedMessageBoxes();
    return RUN_ALL_TESTS();
}

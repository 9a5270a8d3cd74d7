// The main of the GUI suites: one application object for all tests; widgets run on Qt's offscreen platform.
#include "Application.h"

#include "UnrecordedBoxes.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    ui::Application app(argc, argv);
    app.SetTitle("QSW2126P");
    testsupport::FailOnUnrecordedMessageBoxes();
    return RUN_ALL_TESTS();
}

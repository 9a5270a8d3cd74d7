// The dialog tests share one application object, titled as the module's; widgets run on Qt's offscreen platform.
#include "Application.h"
#include "Program.h"

#include "UnrecordedBoxes.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    ui::Application app(argc, argv);
    app.SetTitle(ApplicationTitle);
    testsupport::FailOnUnrecordedMessageBoxes();
    return RUN_ALL_TESTS();
}

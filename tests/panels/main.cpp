// The view tests share one application object, the catalogue (with its LED colour maps) and one SNMP session;
// widgets run on Qt's offscreen platform.
#include "Application.h"
#include "Catalog.h"

#include "UnrecordedBoxes.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    ui::Application app(argc, argv);
    app.SetTitle("QSW2126P");
    CatalogStartup();
    testsupport::FailOnUnrecordedMessageBoxes();
    const int result = RUN_ALL_TESTS();
    CatalogExit();
    return result;
}

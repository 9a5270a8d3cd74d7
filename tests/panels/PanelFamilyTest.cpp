// Every model's view built without a switch: its buttons, LED panels and pictures; a screenshot of all ten.
#include "ExtCtrls.h"
#include "Image.h"
#include "PanelFormFactory.h"

#include "PanelTestSupport.h"
#include "StdCtrls.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using namespace paneltest;

TEST(PanelFamily, EveryModelBuildsItsButtonsPanelsAndPicture) {
    HostForm host;
    host.SetBounds(0, 0, 820, 10 * 92 + 40);
    std::vector<TPanelForm*> views;
    int top = 0;
    for (const std::string& model : panels::PanelModelNames()) {
        TPanelForm* view = NewPanelForm(model, &host, host);
        ASSERT_NE(view, nullptr) << model;
        const panels::PanelGeometry& g = view->Geometry();
        EXPECT_EQ(view->ClientWidth(), g.ClientWidth) << model;
        EXPECT_EQ(view->ClientHeight(), g.ClientHeight) << model;
        for (int b = 1; b <= g.ButtonCount(); ++b)
            EXPECT_EQ(view->FindComponent("SpeedButton" + std::to_string(b)), view->PortButton(b)) << model << b;
        EXPECT_EQ(view->FindComponent("SpeedButton" + std::to_string(g.ButtonCount() + 1)), nullptr) << model;
        for (const panels::ComboPort& combo : g.Combos) {
            EXPECT_NE(view->LedPanel(combo.ComboPanel.Panel), nullptr) << model;
            EXPECT_NE(view->LedPanel(combo.PortPanel.Panel), nullptr) << model;
        }
        EXPECT_EQ(view->Image1->Picture().Width(), g.ClientWidth) << model;
        EXPECT_EQ(view->Image2 != nullptr, g.UnitPictureList != 0) << model;
        view->SetParent(&host);
        view->SetTop(top);
        top += view->ClientHeight() + 1;
        view->Show();
        views.push_back(view);
    }
    EXPECT_EQ(NewPanelForm("QSW-1000", &host, host), nullptr);
    host.Show();
    Pump(50);
    EXPECT_TRUE(host.Widget()->grab().save(QString::fromStdString(OutputPath("panels-all-models.png"))));
}

}  // namespace

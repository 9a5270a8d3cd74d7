// The model tables: button hints per model and unit, the LED octet lists handed to the LED request, and a layout
// in which every button and LED panel lies inside the view and no two buttons overlap.
#include "PanelGeometry.h"
#include "PanelPictures.h"

#include "Exception.h"

#include <gtest/gtest.h>

namespace {

using panels::GeometryOf;

struct HintCase {
    const char* model;
    int unit;
    int button;
    const char* hint;
};

TEST(PanelGeometry, ButtonHintsFollowTheModelTable) {
    const HintCase cases[] = {
        {"QSW-2126P", 1, 1, "1.1"},   {"QSW-2126P", 1, 24, "24.1"}, {"QSW-2126P", 1, 25, "21.2"},
        {"QSW-2126P", 1, 28, "24.2"}, {"QSW-2126", 2, 25, "85.2"},  {"QSW-2150", 3, 1, "129.1"},
        {"QSW-2150", 3, 48, "176.1"}, {"QSW-2150", 3, 49, "173.2"}, {"QSW-2350", 1, 52, "48.2"},
        {"QSW-2327G", 1, 1, "1.2"},   {"QSW-2327G", 1, 25, "21.1"}, {"QSW-2312", 1, 13, "9.2"},
        {"QSW-2312G", 1, 12, "12.2"}, {"QSW-2312G", 1, 16, "12.1"}, {"QSW-2127", 1, 28, "24.2"},
    };
    for (const HintCase& c : cases) {
        const panels::Connector& connector = GeometryOf(c.model).ButtonConnector(c.button);
        EXPECT_EQ(panels::PortHint(c.unit, connector.Port, connector.Medium), c.hint) << c.model << " " << c.button;
    }
    EXPECT_EQ(GeometryOf("QSW-2126").ButtonCount(), 28);
    EXPECT_EQ(GeometryOf("QSW-2150").ButtonCount(), 52);
    EXPECT_EQ(GeometryOf("QSW-2312").ButtonCount(), 16);
    EXPECT_EQ(GeometryOf("QSW-2126G").ButtonCount(), 0);
    EXPECT_THROW(GeometryOf("QSW-9999"), Exception);
}

const panels::LedGroup* FindGroup(const panels::PanelGeometry& g, const std::string& panel) {
    for (const auto* list : {&g.SystemLeds, &g.PortLeds, &g.LedOnlyPorts})
        for (const panels::LedGroup& group : *list)
            if (group.Panel == panel) return &group;
    for (const panels::ComboPort& combo : g.Combos) {
        if (combo.ComboPanel.Panel == panel) return &combo.ComboPanel;
        if (combo.PortPanel.Panel == panel) return &combo.PortPanel;
    }
    return nullptr;
}

struct LedCase {
    const char* model;
    const char* panel;
    const char* octets;
    int start, gap, width, height;
};

TEST(PanelGeometry, LedGroupsCarryTheOctetsAndSizesOfEachModel) {
    const LedCase cases[] = {
        {"QSW-2126", "PowerLedPanel", "0", 1, 0, 6, 6},
        {"QSW-2126", "LedPanel1", "3,5,7,9,11,13,15,17,19,21,23,25", 1, 7, 6, 6},
        {"QSW-2126", "LedPanel2", "27,29,31,33,35,37,39,41", 1, 7, 6, 6},
        {"QSW-2126", "Combo1Panel", "43", 0, 0, 6, 6},
        {"QSW-2126", "Port24Panel", "49", 1, 0, 6, 6},
        {"QSW-2126", "Port26Panel", "53", 1, 0, 6, 6},
        {"QSW-2126P", "POELedPanel", "4", 1, 0, 6, 6},
        {"QSW-2126P", "LedPanel1", "5,7,9,11,13,15,17,19,21,23,25,27", 1, 7, 6, 6},
        {"QSW-2126P", "Combo4Panel", "51", 0, 0, 6, 6},
        {"QSW-2126P", "Port26Panel", "55", 1, 0, 6, 6},
        {"QSW-2127", "Port27Panel", "55", 1, 0, 6, 6},
        {"QSW-2150", "LedPanel3", "67,69,71,73,75,77,79,81,83,85,87,89", 0, 7, 6, 6},
        {"QSW-2150", "Combo1Panel", "91", 0, 0, 6, 6},
        {"QSW-2150", "Port50Panel", "101", 1, 0, 6, 6},
        {"QSW-2350", "ConsoleLedPanel", "1", 0, 0, 7, 7},
        {"QSW-2312", "Port8Panel", "17", 0, 0, 6, 6},
        {"QSW-2312", "Port12Panel", "25", 0, 0, 6, 6},
        {"QSW-2327G", "LedPanel3", "35,37,39,41", 1, 7, 6, 6},
        {"QSW-2126G", "LedPanel2", "19,21,23,25,27,29,31,33", 1, 10, 6, 4},
        {"QSW-2126G", "Combo2Panel", "45", 0, 0, 6, 4},
        {"QSW-2126G", "Port22Panel", "45", 0, 0, 6, 4},
        {"QSW-2126G", "Port25Panel", "51", 0, 0, 5, 5},
    };
    for (const LedCase& c : cases) {
        const panels::LedGroup* group = FindGroup(GeometryOf(c.model), c.panel);
        ASSERT_NE(group, nullptr) << c.model << " " << c.panel;
        EXPECT_EQ(group->OctetList(), c.octets) << c.model << " " << c.panel;
        EXPECT_EQ(group->Start, c.start) << c.model << " " << c.panel;
        EXPECT_EQ(group->Gap, c.gap) << c.model << " " << c.panel;
        EXPECT_EQ(group->LedWidth, c.width) << c.model << " " << c.panel;
        EXPECT_EQ(group->LedHeight, c.height) << c.model << " " << c.panel;
    }
    EXPECT_EQ(GeometryOf("QSW-2126G").LedOnlyPorts[0].Map, panels::LedMap::Grey);
    EXPECT_EQ(GeometryOf("QSW-2126").LedOnlyPorts[0].Map, panels::LedMap::OtherPort);
}

bool Inside(const panels::Box& box, const panels::PanelGeometry& g) {
    return box.Left >= 0 && box.Top >= 0 && box.Right() <= g.ClientWidth && box.Bottom() <= g.ClientHeight;
}

bool Overlap(const panels::Box& a, const panels::Box& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

TEST(PanelGeometry, EveryModelFitsItsViewWithoutOverlaps) {
    for (const std::string& model : panels::PanelModelNames()) {
        const panels::PanelGeometry& g = GeometryOf(model);
        std::vector<panels::Box> boxes;
        for (const panels::Connector& c : g.Connectors) boxes.push_back(c.Bounds);
        for (const auto* list : {&g.SystemLeds, &g.PortLeds, &g.LedOnlyPorts})
            for (const panels::LedGroup& group : *list) boxes.push_back(group.Bounds);
        for (const panels::ComboPort& combo : g.Combos) {
            boxes.push_back(combo.ComboPanel.Bounds);
            boxes.push_back(combo.PortPanel.Bounds);
        }
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(Inside(boxes[i], g)) << model << " box " << i;
            for (size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(Overlap(boxes[i], boxes[j])) << model << " boxes " << i << " and " << j;
        }
        // Port numbers stay readable: clear of every connector and LED (neighbouring numbers are centred text).
        for (const panels::Connector& c : g.Connectors) {
            if (c.Medium == 0) continue;
            EXPECT_TRUE(Inside(c.Label, g)) << model << " label of port " << c.Port;
            EXPECT_GE(c.Label.Width, 14) << model << " label of port " << c.Port;
            for (size_t j = 0; j < boxes.size(); ++j)
                EXPECT_FALSE(Overlap(c.Label, boxes[j])) << model << " label of port " << c.Port << " and box " << j;
        }
    }
    EXPECT_EQ(panels::PanelModelNames().size(), 10u);
}

TEST(PanelPictures, FrontPanelsSurviveTheJpegRoundTrip) {
    for (const std::string& model : panels::PanelModelNames()) {
        const QImage& picture = panels::FrontPanelPicture(model);
        EXPECT_EQ(picture.width(), GeometryOf(model).ClientWidth) << model;
        EXPECT_EQ(picture.height(), GeometryOf(model).ClientHeight) << model;
    }
    EXPECT_EQ(panels::EncodeJpeg(panels::DrawFrontPanel(GeometryOf("QSW-2126"))).substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(panels::UnitPictures1().Width(), 14 * 16);
    EXPECT_EQ(panels::UnitPictures2().Width(), 12 * 16);
}

}  // namespace

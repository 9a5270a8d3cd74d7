#include "StackingPortUitFormUnit.h"

#include "ComCtrls.h"
#include "Exception.h"
#include "NxRawOctets.h"
#include "ScrollBox.h"
#include "StackStateScope.h"
#include "StdCtrls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

StackUnitRow Unit(int id, const std::string& model, const std::string& presence = "exist") {
    return {std::to_string(id), std::to_string((id - 1) * 64 + 1), model, presence};
}

// A dialog with its own page control, as the port-list dialogs hold the selector.
class PortSelector : public testing::Test {
protected:
    void Build() {
        dialog = std::make_unique<ui::Form>(nullptr);
        pages = new ui::PageControl(dialog.get());
        pages->SetParent(dialog.get());
        pages->SetAlign(ui::alClient);
        selector = new TStackingPortUitForm(dialog.get());
        AddStackPortTab("Ports", selector, pages);
    }

    std::vector<int> VisibleBoxes() const {
        std::vector<int> visible;
        for (size_t k = 0; k < selector->PortCheckBoxes.size(); ++k)
            if (selector->PortCheckBoxes[k]->Visible()) visible.push_back(static_cast<int>(k));
        return visible;
    }

    std::vector<bool> TabsShown() const {
        std::vector<bool> shown;
        for (ui::TabSheet* tab : selector->UnitTabs) shown.push_back(tab->TabVisible());
        return shown;
    }

    // The port list as a binding of the check boxes would write and read it: box k is bit k.
    void TickFromPortList(const std::string& list) {
        const std::string templateHex(selector->PortCheckBoxes.size() / 4, '0');
        const std::optional<std::string> mask = ParsePortList(list, templateHex);
        ASSERT_TRUE(mask) << list;
        for (size_t k = 0; k < selector->PortCheckBoxes.size(); ++k) {
            const int nibble = std::stoi(mask->substr(k / 4, 1), nullptr, 16);
            selector->PortCheckBoxes[k]->SetChecked((nibble & (8 >> (k % 4))) != 0);
        }
    }

    std::string PortListFromTicks() const {
        std::string hex;
        for (size_t k = 0; k < selector->PortCheckBoxes.size(); k += 4) {
            int nibble = 0;
            for (size_t b = 0; b < 4; ++b)
                if (selector->PortCheckBoxes[k + b]->Checked()) nibble |= 8 >> b;
            hex += "0123456789abcdef"[nibble];
        }
        return PortListText(hex, false);
    }

    std::unique_ptr<ui::Form> dialog;
    ui::PageControl* pages = nullptr;
    TStackingPortUitForm* selector = nullptr;
};

TEST_F(PortSelector, StandaloneUnitShowsOnePageWithoutTab) {
    StackStateScope state("disabled");
    Build();
    ASSERT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->Pages(0)->Caption(), "Ports");
    EXPECT_TRUE(pages->Pages(0)->TabVisible());
    EXPECT_EQ(selector->Parent(), pages->Pages(0));
    EXPECT_EQ(selector->Align(), ui::alClient);
    EXPECT_TRUE(selector->Visible());

    ASSERT_EQ(selector->UnitTabs.size(), 1u);
    ui::TabSheet* unit = selector->UnitTabs[0];
    EXPECT_EQ(unit->Caption(), "Unit1 QSW-2126P");
    EXPECT_FALSE(unit->TabVisible());
    EXPECT_TRUE(unit->Visible());
    EXPECT_EQ(selector->UnitPageControl->ActivePage(), unit);
    EXPECT_EQ(selector->UnitPageControl->TabIndex(), -1);

    ASSERT_EQ(selector->PortCheckBoxes.size(), 64u);
    const auto* scrollBox = dynamic_cast<const ui::ScrollBox*>(selector->PortCheckBoxes[0]->Parent());
    ASSERT_NE(scrollBox, nullptr);
    EXPECT_EQ(scrollBox->Parent(), unit);
    EXPECT_EQ(scrollBox->Align(), ui::alClient);
    EXPECT_EQ(VisibleBoxes().size(), 26u);
    EXPECT_EQ(VisibleBoxes().back(), 25);
    EXPECT_EQ(selector->PortCheckBoxes[63]->Caption(), "64");
}

TEST_F(PortSelector, ChecksBoxesInRowsOfTwelve) {
    StackStateScope state("disabled");
    Build();
    const std::vector<ui::CheckBox*>& boxes = selector->PortCheckBoxes;
    ASSERT_EQ(boxes[0]->Font().Size, 8);
    const int height = boxes[0]->Height();
    struct Case {
        int Index, Left, Top, Width;
    };
    for (const Case c : {Case{0, 20, 4, 32}, Case{8, 340, 4, 32}, Case{9, 380, 4, 40}, Case{11, 460, 4, 40},
                         Case{12, 20, 4 + height, 40}, Case{25, 60, 4 + 2 * height, 40}}) {
        EXPECT_EQ(boxes[static_cast<size_t>(c.Index)]->Left(), c.Left) << c.Index;
        EXPECT_EQ(boxes[static_cast<size_t>(c.Index)]->Top(), c.Top) << c.Index;
        EXPECT_EQ(boxes[static_cast<size_t>(c.Index)]->Width(), c.Width) << c.Index;
    }
}

TEST_F(PortSelector, ThreeUnitStackShowsOnePagePerUnitWithItsModelsPorts) {
    StackStateScope state("enabled", {Unit(1, "QSW-2126P"), Unit(2, "QSW-2350"), Unit(3, "QSW-2312")});
    Build();
    ASSERT_EQ(selector->UnitTabs.size(), 12u);
    ASSERT_EQ(selector->PortCheckBoxes.size(), 768u);
    std::vector<bool> expectedTabs(12, false);
    expectedTabs[0] = expectedTabs[1] = expectedTabs[2] = true;
    EXPECT_EQ(TabsShown(), expectedTabs);
    EXPECT_EQ(selector->UnitTabs[0]->Caption(), "Unit1 QSW-2126P");
    EXPECT_EQ(selector->UnitTabs[1]->Caption(), "Unit2 QSW-2350");
    EXPECT_EQ(selector->UnitTabs[2]->Caption(), "Unit3 QSW-2312");
    EXPECT_EQ(selector->UnitTabs[3]->Caption(), "Unit4");
    EXPECT_EQ(selector->UnitPageControl->ActivePage(), selector->UnitTabs[0]);

    std::vector<int> expectedBoxes;
    for (const auto& [unit, ports] : {std::pair{1, 24}, std::pair{2, 48}, std::pair{3, 12}})
        for (int p = 1; p <= ports; ++p) expectedBoxes.push_back((unit - 1) * 64 + p - 1);
    EXPECT_EQ(VisibleBoxes(), expectedBoxes);
    EXPECT_EQ(selector->PortCheckBoxes[128]->Caption(), "1");  // unit 3, port 1: port 129
}

TEST_F(PortSelector, AbsentUnitsGetNoTab) {
    StackStateScope state("enabled", {Unit(1, "QSW-2126"), Unit(2, "QSW-2126", "no-exist"), Unit(3, "QSW-2127")});
    Build();
    std::vector<bool> expectedTabs(12, false);
    expectedTabs[0] = expectedTabs[2] = true;
    EXPECT_EQ(TabsShown(), expectedTabs);
    EXPECT_EQ(selector->UnitTabs[1]->Caption(), "Unit2");
    EXPECT_TRUE(selector->PortCheckBoxes[128]->Visible());
    EXPECT_TRUE(selector->PortCheckBoxes[128 + 24]->Visible());  // QSW-2127 stacked: 25 ports
    EXPECT_FALSE(selector->PortCheckBoxes[128 + 25]->Visible());
    EXPECT_FALSE(selector->PortCheckBoxes[64]->Visible());
}

TEST_F(PortSelector, PortListsGoInAndComeOutInStackedNumbering) {
    StackStateScope state("enabled", {Unit(1, "QSW-2126P"), Unit(2, "QSW-2350"), Unit(3, "QSW-2312")});
    Build();
    TickFromPortList("1-3,65,129-130,768");
    for (int k : {0, 1, 2, 64, 128, 129, 767}) EXPECT_TRUE(selector->PortCheckBoxes[static_cast<size_t>(k)]->Checked()) << k;
    EXPECT_FALSE(selector->PortCheckBoxes[3]->Checked());
    EXPECT_EQ(PortListFromTicks(), "1-3,65,129-130,768");

    selector->PortCheckBoxes[64 + 4]->SetChecked(true);  // unit 2, port 5
    EXPECT_EQ(PortListFromTicks(), "1-3,65,69,129-130,768");

    TickFromPortList("all");
    EXPECT_EQ(PortListFromTicks(), "1-768");
    selector->UncheckAllPorts();  // hidden boxes too
    EXPECT_EQ(PortListFromTicks(), "0");
    TickFromPortList("");
    EXPECT_EQ(PortListFromTicks(), "0");
}

TEST_F(PortSelector, StandalonePortListCoversOneUnit) {
    StackStateScope state("disabled");
    Build();
    TickFromPortList("2,26,64");
    EXPECT_TRUE(selector->PortCheckBoxes[25]->Checked());
    EXPECT_EQ(PortListFromTicks(), "2,26,64");
    TickFromPortList("all");
    EXPECT_EQ(PortListFromTicks(), "1-64");
}

TEST_F(PortSelector, BadUnitIdsAndUnknownModelsLeaveNoPortsShown) {
    StackStateScope state("enabled", {Unit(1, "QSW-2126P")});
    Build();
    const std::vector<int> before = VisibleBoxes();
    for (const char* id : {"0", "13", "-1", "x", "", "2a", " 2"}) {
        selector->ShowUnitPage(id, "QSW-2126P", 1, 24, 12);
        EXPECT_EQ(VisibleBoxes(), before) << id;
    }
    const std::vector<bool> tabs = TabsShown();
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), true), 1);

    selector->ShowUnitPage("4", "QSW-9999", 193, GetPortCountOfModel("QSW-9999"), 12);
    EXPECT_TRUE(selector->UnitTabs[3]->TabVisible());
    EXPECT_EQ(selector->UnitTabs[3]->Caption(), "Unit4 QSW-9999");
    EXPECT_EQ(VisibleBoxes(), before);

    selector->ShowUnitPage("4", "QSW-2312", 193, 12, 12);  // a second time: the model is appended again
    EXPECT_EQ(selector->UnitTabs[3]->Caption(), "Unit4 QSW-9999 QSW-2312");
    selector->ShowUnitPage("5", "QSW-2312", 257, 500, 12);  // never beyond the unit's own 64 boxes
    EXPECT_TRUE(selector->PortCheckBoxes[4 * 64 + 63]->Visible());
    EXPECT_FALSE(selector->PortCheckBoxes[5 * 64]->Visible());
}

TEST_F(PortSelector, StartPortThatIsNoNumberIsSkippedAndLaterUnitsStillShow) {
    StackUnitRow bad = Unit(2, "QSW-2126");
    bad.StartPort = "sixty-five";
    StackStateScope state("enabled", {Unit(1, "QSW-2126"), bad, Unit(3, "QSW-2126")});
    Build();
    std::vector<bool> expectedTabs(12, false);
    expectedTabs[0] = expectedTabs[1] = expectedTabs[2] = true;
    EXPECT_EQ(TabsShown(), expectedTabs);
    EXPECT_EQ(selector->UnitTabs[2]->Caption(), "Unit3 QSW-2126");
    EXPECT_TRUE(selector->PortCheckBoxes[2 * 64]->Visible());
}

TEST_F(PortSelector, UnitCountLimitsTheRowsRead) {
    StackStateScope state("enabled", {Unit(1, "QSW-2126"), Unit(2, "QSW-2126")});
    state.values.UnitCount = 1;
    Build();
    EXPECT_TRUE(selector->UnitTabs[0]->TabVisible());
    EXPECT_FALSE(selector->UnitTabs[1]->TabVisible());

    StackStateScope more("enabled", {Unit(1, "QSW-2126")});
    more.values.UnitCount = 5;  // more than the list holds
    Build();
    EXPECT_TRUE(selector->UnitTabs[0]->TabVisible());
}

TEST_F(PortSelector, DisableEnableAndUncheckReachHiddenBoxes) {
    StackStateScope state("disabled");
    Build();
    for (ui::CheckBox* box : selector->PortCheckBoxes) box->SetChecked(true);
    selector->DisableAllPorts();
    for (ui::CheckBox* box : selector->PortCheckBoxes) EXPECT_FALSE(box->Enabled());
    selector->EnableAllPorts();
    for (ui::CheckBox* box : selector->PortCheckBoxes) EXPECT_TRUE(box->Enabled());
    selector->UncheckAllPorts();
    for (ui::CheckBox* box : selector->PortCheckBoxes) EXPECT_FALSE(box->Checked());
}

// Runs the test in a fresh directory, optionally holding "DeviceInfo.ini".
class InDirectory {
public:
    explicit InDirectory(bool withDeviceInfo) {
        dir_ = std::filesystem::temp_directory_path() / ("qsw-gui-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
        if (withDeviceInfo) std::ofstream(dir_ / "DeviceInfo.ini") << "not read\n";
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    ~InDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

private:
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};

TEST(PortSelectorPage, DeviceInfoFileTurnsRowsToTwelveColumns) {
    for (const bool withFile : {false, true}) {
        InDirectory dir(withFile);
        TStackingPortUitForm selector(nullptr);
        selector.AddUnitPage("Unit1", 1, 20, 8, 0);
        ASSERT_EQ(selector.PortCheckBoxes.size(), 20u);
        const ui::CheckBox* ninth = selector.PortCheckBoxes[8];
        EXPECT_EQ(ninth->Top() == 4, withFile) << withFile;  // row 0 of 12, or row 1 of 8
        EXPECT_EQ(ninth->Left(), withFile ? 20 + 8 * 40 : 20) << withFile;
        EXPECT_FALSE(ninth->Visible());
        EXPECT_FALSE(selector.UnitTabs[0]->TabVisible());
    }
}

TEST(PortSelectorPage, ZeroColumnsStillLaysOutOnePerRow) {
    TStackingPortUitForm selector(nullptr);
    selector.AddUnitPage("Unit1", 1, 3, 0, 0);
    EXPECT_EQ(selector.PortCheckBoxes[2]->Left(), 20);
    EXPECT_GT(selector.PortCheckBoxes[2]->Top(), selector.PortCheckBoxes[1]->Top());
}

}  // namespace

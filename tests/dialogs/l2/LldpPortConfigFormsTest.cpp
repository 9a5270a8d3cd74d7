// The two LLDP port configuration dialogs against the simulator, opened through their menu commands: the TLV octets
// listed and edited as names, what Edit sends (and the read after it), the pickers' round trip (the dot3 picker's
// hidden powerViaMDI kept), and Refresh during a walk.
#include "DedicatedDialogFixture.h"
#include "LLDPDot3PortConfigTable.h"
#include "LLDPPortConfigTable.h"
#include "lldpDot3portconfigedit.h"
#include "lldpportconfigedit.h"

#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;

constexpr const char* PortEntry = "1.0.8802.1.1.2.1.1.6.1";
constexpr const char* Dot3Entry = "1.0.8802.1.1.2.1.5.4623.1.1.1.1";
std::string Column(const char* entry, int column) { return std::string(entry) + "." + std::to_string(column) + "."; }

// The octet a varbind of one octet carries, as two hex digits (the log shows a printable octet as a string).
std::string SentOctet(const std::string& varbind) {
    const std::string value = varbind.substr(varbind.find('=') + 1);
    if (value.rfind("HEX:", 0) == 0) return value.substr(4);
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(value.at(8)));  // STRING:"c"
    return hex;
}

// A left click on control as the mouse gives it.
void ClickOn(ui::Control* control) {
    QWidget* widget = control->Widget();
    const QPointF centre = QRectF(widget->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

class LldpPortConfigFormsTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        window_.Address = "127.0.0.1";
        SetDeviceWindow(&window_);
        SeedRows(PortEntry, "1-3");
        SeedRows(Dot3Entry, "1-2");
        for (const std::string& line :
             {"set-rw " + Column(PortEntry, 4) + "1 hex 00", "set-rw " + Column(PortEntry, 4) + "2 hex C0",
              "set-rw " + Column(PortEntry, 4) + "3 hex 90", "set-rw " + Column(Dot3Entry, 1) + "1 hex F0",
              "set-rw " + Column(Dot3Entry, 1) + "2 hex 40"})
            ASSERT_EQ(Control(line), "ok") << line;
    }
    void TearDown() override {
        SetDeviceWindow(nullptr);
        DedicatedDialogTest::TearDown();
    }
    template <typename Form>
    void Open(const char* handler, const std::function<void(Form&)>& driver) {
        OpenWhenIdle<Form>(
            handler, [](Form& form) -> DialogTable& { return form.PortConfigTable; }, driver);
    }
    // Clicks the TLV edit and, in the picker it shows, runs inPicker.
    static void InPicker(TLldpPortConfigBase& form, const std::function<void(TLldpTlvPicker&)>& inPicker) {
        bool shown = false;
        ui::TestHooks::RunInNextModal([&](ui::Form& modal) {
            shown = true;
            auto* picker = dynamic_cast<TLldpTlvPicker*>(&modal);
            ASSERT_NE(picker, nullptr);
            inPicker(*picker);
        });
        ClickOn(form.TLVsEdit);
        EXPECT_TRUE(shown);
    }
    static std::vector<bool> Ticks(const TLldpTlvPicker& picker) {
        std::vector<bool> ticks;
        for (const ui::CheckBox* box : picker.Boxes) ticks.push_back(box->Checked());
        return ticks;
    }
    // The SET of an Edit on row and the walk after it.
    std::vector<std::string> EditRow(TLldpPortConfigBase& form) {
        MarkLog();
        EXPECT_TRUE(UserClick(form.EditButton));
        EXPECT_TRUE(RunUntil([&] { return !form.PortConfigTable.Busy() && !Pdus("SET").empty(); }));
        return Pdus("SET");
    }

    DeviceWindowValues window_;
};

TEST_F(LldpPortConfigFormsTest, TheTlvsAreListedAsNamesAndEditSendsTheOctetOfTheTypedNames) {
    struct Case {
        const char* typed;
        const char* octet;
    };
    const Case cases[] = {
        {" ", "00"}, {"System Name,System Capabilities", "50"}, {"system name,System Description", "20"}};
    ui::MessageBoxRecorder boxes;
    Open<TLLDPPortConfigForm>("PortConfig2Click", [&](TLLDPPortConfigForm& form) {
        EXPECT_EQ(LLDPPortConfigForm, &form);
        EXPECT_EQ(form.Caption(), "LLDP Port Configuration Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 3);
        EXPECT_EQ(form.ListView1->Items()[0]->ColumnText(3), " ");
        EXPECT_EQ(form.ListView1->Items()[1]->ColumnText(3), " Port Description,System Name");
        EXPECT_FALSE(form.EditButton->Enabled());
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            form.ListView1->SetItemIndex(1);
            EXPECT_EQ(form.PortText->Caption(), "2");
            EXPECT_EQ(form.TLVsEdit->Text(), " Port Description,System Name");
            form.TLVsEdit->SetText(c.typed);
            const std::vector<std::string> sets = EditRow(form);
            ASSERT_EQ(sets.size(), 1u);
            const std::vector<std::string> varbinds = Varbinds(sets[0]);
            ASSERT_EQ(varbinds.size(), 3u);
            EXPECT_THAT(varbinds[0], ::testing::StartsWith(Column(PortEntry, 2) + "2=INTEGER:"));
            EXPECT_THAT(varbinds[1], ::testing::StartsWith(Column(PortEntry, 3) + "2=INTEGER:"));
            EXPECT_EQ(varbinds[2].substr(0, varbinds[2].find('=')), Column(PortEntry, 4) + "2");
            EXPECT_EQ(SentOctet(varbinds[2]), c.octet);
            EXPECT_EQ(Walks(Column(PortEntry, 2).substr(0, Column(PortEntry, 2).size() - 1)), 1);  // read again
            EXPECT_EQ(form.ListView1->Items()[1]->ColumnText(3), BitsToNameText(c.octet, LldpTlvNames));
            ASSERT_EQ(Control("set-rw " + Column(PortEntry, 4) + "2 hex C0"), "ok");
            ASSERT_TRUE(UserClick(form.GetButton));
            ASSERT_TRUE(WaitIdle(form.PortConfigTable));
        }
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(LldpPortConfigFormsTest, ThePickerTicksTheEditsNamesAndWritesTheTickedOnesBack) {
    ui::MessageBoxRecorder boxes;
    Open<TLLDPPortConfigForm>("PortConfig2Click", [&](TLLDPPortConfigForm& form) {
        // No row selected: the click enables Edit, which still does nothing.
        InPicker(form, [](TLldpTlvPicker& picker) { picker.CloseButton->Click(); });
        EXPECT_TRUE(form.EditButton->Enabled());
        MarkLog();
        ASSERT_TRUE(UserClick(form.EditButton));
        EXPECT_TRUE(NothingSent());
        form.ListView1->SetItemIndex(2);  // 0x90
        EXPECT_EQ(form.TLVsEdit->Text(), " Port Description,System Capabilities");
        InPicker(form, [](TLldpTlvPicker& picker) {
            EXPECT_EQ(picker.Caption(), "Port Configuration Table Setting: 127.0.0.1");
            EXPECT_EQ(LLDPPortConfigurationForm, &picker);
            EXPECT_EQ(Ticks(picker), (std::vector<bool>{true, false, false, true}));
            picker.Boxes[1]->SetChecked(true);
            ASSERT_TRUE(UserClick(picker.SetButton));
        });
        EXPECT_EQ(form.TLVsEdit->Text(), " Port Description,System Name,System Capabilities");
        EXPECT_EQ(Ticks(*form.Picker), std::vector<bool>(4, false));
        EXPECT_TRUE(NothingSent());
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(LldpPortConfigFormsTest, TheDot3PickerKeepsTheHiddenPowerViaMdiAndEditSendsItsOctet) {
    ui::MessageBoxRecorder boxes;
    Open<TLLDPDot3PortConfigForm>("PortConfigTable1Click", [&](TLLDPDot3PortConfigForm& form) {
        EXPECT_EQ(LLDPDot3PortConfigForm, &form);
        EXPECT_EQ(form.Caption(), "LLDP Dot3 Port Configuration Table: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.ListView1->Items()[0]->ColumnText(1),
                  " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize");
        form.ListView1->SetItemIndex(0);
        InPicker(form, [](TLldpTlvPicker& picker) {
            EXPECT_EQ(picker.Caption(), "LLDP Dot3 Port Configuration Table Setting: 127.0.0.1");
            EXPECT_FALSE(picker.Boxes[1]->Visible());
            ASSERT_TRUE(UserClick(picker.SetButton));  // no change
        });
        EXPECT_EQ(form.TLVsEdit->Text(), " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize");
        form.ListView1->SetItemIndex(1);
        EXPECT_EQ(form.TLVsEdit->Text(), " powerViaMDI");
        InPicker(form, [](TLldpTlvPicker& picker) {
            picker.Boxes[2]->SetChecked(true);
            ASSERT_TRUE(UserClick(picker.SetButton));
        });
        EXPECT_EQ(form.TLVsEdit->Text(), " powerViaMDI,linkAggregation");
        for (const auto& [text, octet] : {std::pair{"", "60"}, std::pair{" ", "00"}}) {
            SCOPED_TRACE(octet);
            form.ListView1->SetItemIndex(1);
            if (*text) form.TLVsEdit->SetText(text);
            const std::vector<std::string> sets = EditRow(form);
            ASSERT_EQ(sets.size(), 1u);
            ASSERT_EQ(Varbinds(sets[0]).size(), 1u);
            EXPECT_EQ(SentOctet(Varbinds(sets[0])[0]), octet);
        }
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(LldpPortConfigFormsTest, RefreshDuringAWalkStartsNoSecondWalkAndLeavesTheEditorsAlone) {
    Open<TLLDPPortConfigForm>("PortConfig2Click", [&](TLLDPPortConfigForm& form) {
        form.ListView1->SetItemIndex(0);
        ASSERT_TRUE(HoldWalkAfterFirstRow(form.PortConfigTable, *form.ListView1, form.GetButton,
                                          Column(PortEntry, 2) + "1", 300));
        form.ListView1->SetItemIndex(0);
        ASSERT_EQ(form.PortText->Caption(), "1");
        ASSERT_TRUE(UserClick(form.GetButton));
        EXPECT_EQ(form.PortText->Caption(), "1");
        EXPECT_TRUE(form.EditButton->Enabled());
        ASSERT_TRUE(WaitIdle(form.PortConfigTable));
        EXPECT_EQ(Walks(Column(PortEntry, 2).substr(0, Column(PortEntry, 2).size() - 1)), 1);
        EXPECT_EQ(form.ListView1->Items().Count(), 3);
    });
}

}  // namespace

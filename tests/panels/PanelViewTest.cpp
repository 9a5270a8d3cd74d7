// Front-panel views against the switch simulator: buttons and hints, LED colours following the LED string (a
// blinking port, an absent one, a change between polls), the combo-port probe, the PoE LED sets and the mode toggle,
// the unit pictures, closing while a poll is outstanding, and a screenshot of the standalone view.
#include "Image.h"
#include "PanelQSW2126FormUnit.h"
#include "PanelQSW2126GFormUnit.h"
#include "PanelQSW2126PFormUnit.h"
#include "PanelQSW2150FormUnit.h"

#include "ExtCtrls.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPRequest2Leds.h"
#include "PanelTestSupport.h"
#include "Shape.h"
#include "StdCtrls.h"

#include <QPixmap>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using namespace paneltest;

constexpr const char* DeviceLedOid = "1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0";
constexpr const char* LinkStatusOid = "1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5";
constexpr const char* PoeModeOid = "1.3.6.1.4.1.32473.12.24.2.1.1.7";

constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Green = 0x00FF00;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Orange = 0x4080FF;

// Power red and blinking, console green, RPS white, link and PoE green; port 2 absent, port 5 orange, port 6
// blinking green, combo port 21 green, port 25 green (other-port map), port 26 orange.
const char* const LedFrame = "5b 2 0 3 2 / 3 - 4 3 1 3b 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 0 0 0 1 0";

std::vector<std::string> StandaloneScenario(int poeMode) {
    return {
        "set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 2",
        std::string("led ") + DeviceLedOid + " 600000 " + LedFrame,
        std::string("set ") + LinkStatusOid + ".21.2 int 2",
        std::string("set ") + LinkStatusOid + ".22.2 int 2",
        std::string("set ") + LinkStatusOid + ".23.2 int 3",
        std::string("set ") + LinkStatusOid + ".24.2 int 1",
        std::string("set-rw ") + PoeModeOid + ".1 int " + std::to_string(poeMode),
    };
}

std::string Repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

class PanelViewTest : public ::testing::Test {
protected:
    void TearDown() override {
        delete host;
        sim.reset();
    }
    template <class View>
    View* Build(int unit = 1) {
        auto* view = new View(host, *host);
        view->SetParent(host);
        view->UnitNumber = unit;
        view->InitPanelLeds();
        view->InitPortButtons();
        view->Show();
        host->Show();
        return view;
    }
    // The LED binding shown in a panel (i-th LED of it).
    static NxLedBinding* Led(NxSNMPRequest2Leds* request, ui::Panel* panel, size_t i = 0) {
        size_t seen = 0;
        for (auto& led : request->Leds)
            if (led->Shape->Parent() == panel && seen++ == i) return led.get();
        return nullptr;
    }
    static bool HasLeds(NxSNMPRequest2Leds* request, ui::Panel* panel) { return Led(request, panel) != nullptr; }
    // The logged PDUs of this kind ("GET", "SET") that name the PoE LED mode, from line mark of the log on.
    std::vector<std::string> PoeModePdus(const std::string& kind, size_t mark = 0) const {
        std::vector<std::string> found;
        const std::vector<std::string> log = sim->PduLog();
        for (size_t i = mark; i < log.size(); ++i)
            if (log[i].rfind(kind + " ", 0) == 0 && log[i].find(PoeModeOid) != std::string::npos)
                found.push_back(log[i]);
        return found;
    }
    static bool ShowsPoeSet(TPanelQSW2126PForm* view) {
        return view->LedPanel("LedPanel1_Poe")->Visible() && !view->LedPanel("LedPanel1")->Visible();
    }
    static bool ShowsNormalSet(TPanelQSW2126PForm* view) {
        return !view->LedPanel("LedPanel1_Poe")->Visible() && view->LedPanel("LedPanel1")->Visible();
    }
    static void FireTimer(ui::Timer* timer) { timer->OnTimer(timer); }

    HostForm* host = new HostForm;
    std::unique_ptr<simtest::SimAgent> sim;
};

TEST_F(PanelViewTest, StandaloneViewShowsItsPortsAndFollowsTheLedString) {
    sim = StartSim(StandaloneScenario(2));
    auto* view = Build<TPanelQSW2126PForm>();

    ASSERT_EQ(host->buttons.size(), 28u);
    for (int p = 1; p <= 24; ++p) EXPECT_EQ(host->buttons[p - 1]->Hint(), std::to_string(p) + ".1");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(host->buttons[24 + k]->Hint(), std::to_string(21 + k) + ".2");
    EXPECT_EQ(host->buttons[0], view->PortButton(1));
    EXPECT_EQ(view->PortButton(1)->GroupIndex(), 1);
    EXPECT_TRUE(view->PortButton(1)->AllowAllUp());
    EXPECT_EQ(view->ClientWidth(), 800);
    EXPECT_EQ(view->ClientHeight(), 89);

    NxSNMPRequest2Leds* leds = view->LedRequest;
    ASSERT_NE(leds, nullptr);
    ASSERT_TRUE(RunUntil([&] { return Led(leds, view->LedPanel("ConsoleLedPanel"))->Colour == Green; }));

    struct Expect {
        const char* panel;
        size_t index;
        int32_t colour;
        bool blinking;
    };
    const Expect expected[] = {
        {"PowerLedPanel", 0, Red, true},  {"ConsoleLedPanel", 0, Green, false}, {"RPSPanel", 0, White, false},
        {"LedPanel1", 0, Green, false},   {"LedPanel1", 1, Black, false},       {"LedPanel1", 4, Orange, false},
        {"LedPanel1", 5, Green, true},    {"LedPanel2", 0, Black, false},       {"Combo1Panel", 0, Green, false},
        {"Port25Panel", 0, Green, false}, {"Port26Panel", 0, Orange, false},
    };
    for (const Expect& e : expected) {
        NxLedBinding* led = Led(leds, view->LedPanel(e.panel), e.index);
        ASSERT_NE(led, nullptr) << e.panel << " " << e.index;
        EXPECT_EQ(led->Colour, e.colour) << e.panel << " " << e.index;
        EXPECT_EQ(led->Blinking != 0, e.blinking) << e.panel << " " << e.index;
    }
    const std::string status = host->LedStatusPanel()->Text();
    EXPECT_TRUE(QRegularExpression(R"(^Get: Ok! Request: Led Status\. Receive at \d\d:\d\d:\d\d\.$)")
                    .match(QString::fromStdString(status))
                    .hasMatch())
        << status;

    QPixmap shot = host->Widget()->grab();
    EXPECT_TRUE(shot.save(QString::fromStdString(OutputPath("panel-qsw2126p.png"))));

    // The next poll shows a new string: port 1 turns red.
    sim->Control(std::string("remove ") + DeviceLedOid);
    sim->Control(std::string("led ") + DeviceLedOid + " 600000 2 2 0 3 2 / 5 - 4 3 1 3b 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 0 0 0 1 0");
    EXPECT_TRUE(RunUntil([&] { return Led(leds, view->LedPanel("LedPanel1"))->Colour == Red; }));
}

TEST_F(PanelViewTest, ComboLedsSitAtTheConnectorTheProbeFoundLinked) {
    sim = StartSim(StandaloneScenario(2));
    // Port 22's fibre side does not answer: it must not take port 21's "link-pass".
    sim->Control(std::string("drop ") + LinkStatusOid + ".22.2 4");
    auto* view = Build<TPanelQSW2126Form>();
    EXPECT_EQ(view->ComboFlags[0], 1);
    EXPECT_EQ(view->ComboFlags[1], 0);
    EXPECT_EQ(view->ComboFlags[2], 0);
    EXPECT_EQ(view->ComboFlags[3], 0);
    NxSNMPRequest2Leds* leds = view->LedRequest;
    EXPECT_TRUE(HasLeds(leds, view->LedPanel("Combo1Panel")));
    EXPECT_FALSE(HasLeds(leds, view->LedPanel("Port21Panel")));
    EXPECT_EQ(view->LedPanel("Port21Panel")->Color(), ui::clBlack);
    for (int k = 2; k <= 4; ++k) {
        EXPECT_FALSE(HasLeds(leds, view->LedPanel("Combo" + std::to_string(k) + "Panel"))) << k;
        EXPECT_TRUE(HasLeds(leds, view->LedPanel("Port" + std::to_string(20 + k) + "Panel"))) << k;
    }
}

TEST_F(PanelViewTest, StackedUnitReadsItsProbesAndLedsAtItsOwnInstances) {
    sim = StartSim({
        "set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 1",
        std::string("led 1.3.6.1.4.1.32473.12.11.1.9.4.1.5.3 600000 2 2 0 / 3") + Repeat(" 0", 49),
        std::string("set ") + LinkStatusOid + ".175.2 int 2",
    });
    host->stackMode = "enabled";
    auto* view = Build<TPanelQSW2150Form>(3);
    EXPECT_EQ(host->buttons.size(), 52u);
    EXPECT_EQ(host->buttons[0]->Hint(), "129.1");
    EXPECT_EQ(host->buttons[47]->Hint(), "176.1");
    EXPECT_EQ(host->buttons[48]->Hint(), "173.2");
    EXPECT_EQ(view->ComboFlags[2], 1);
    EXPECT_EQ(view->ComboFlags[0], 0);
    EXPECT_EQ(view->LedRequest->Request.Vars.Instance, "3");
    EXPECT_EQ(view->LedRequest->Request.Vars.GetVar(0)->Oid, "1.3.6.1.4.1.32473.12.11.1.9.4.1.5");
    EXPECT_TRUE(RunUntil([&] { return Led(view->LedRequest, view->LedPanel("LedPanel1"))->Colour == Green; }));
    // The unit picture is picture 2 of ImageList1, the number 3.
    ui::Bitmap three;
    ASSERT_TRUE(host->imageList1->GetBitmap(2, three));
    EXPECT_EQ(view->Image2->Picture().Image().convertToFormat(QImage::Format_RGB32),
              three.Image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(PanelViewTest, PoeViewReadsItsLedStringOncePerCycleForBothSets) {
    sim = StartSim(StandaloneScenario(1));
    auto* view = Build<TPanelQSW2126PForm>();
    ASSERT_TRUE(RunUntil([&] { return Led(view->LedRequest, view->LedPanel("LedPanel1_Poe"), 6)->Colour == Orange; }));
    EXPECT_EQ(Led(view->LedRequest, view->LedPanel("LedPanel1"), 6)->Colour, Black);
    int pollTimers = 0;
    for (int i = 0; i < view->ComponentCount(); ++i) {
        auto* timer = dynamic_cast<ui::Timer*>(view->Components(i));
        if (timer && timer->Enabled() && timer->Interval() == 3000) ++pollTimers;
    }
    EXPECT_EQ(pollTimers, 1);
}

TEST_F(PanelViewTest, PoeModeEnabledShowsThePoeSetAndAClickTurnsItOff) {
    sim = StartSim(StandaloneScenario(1));
    auto* view = Build<TPanelQSW2126PForm>();
    ASSERT_TRUE(RunUntil([&] { return view->cmbxPOE->Text() == "enabled"; }));
    view->RefreshPoeLedMode();
    EXPECT_TRUE(view->LedPanel("LedPanel1_Poe")->Visible());
    EXPECT_FALSE(view->LedPanel("LedPanel1")->Visible());
    EXPECT_TRUE(view->LedPanel("Port26Panel_Poe")->Visible());
    // Port 7 reports state 0: orange in the PoE set, black in the normal one.
    ASSERT_TRUE(RunUntil([&] { return Led(view->LedRequest, view->LedPanel("LedPanel1_Poe"), 6)->Colour == Orange; }));
    EXPECT_EQ(Led(view->LedRequest, view->LedPanel("LedPanel1"), 6)->Colour, Black);

    view->Image3->Click();
    EXPECT_TRUE(RunUntil([&] {
        for (const std::string& line : sim->PduLog())
            if (line.rfind("SET", 0) == 0 && line.find(std::string(PoeModeOid) + ".1=INTEGER:2") != std::string::npos)
                return true;
        return false;
    }));
    EXPECT_TRUE(view->Timer1->Enabled());
}

// Another manager turned the mode on and the view's refresh read of it is still under way at the click: the click
// lets that read end, reads again and flips what the switch reports. Events run while it waits.
TEST_F(PanelViewTest, PoeToggleFlipsTheModeTheSwitchReportsAtTheClick) {
    sim = StartSim(StandaloneScenario(2));
    auto* view = Build<TPanelQSW2126PForm>();
    ASSERT_TRUE(RunUntil([&] { return view->cmbxPOE->Text() == "disabled" && !view->PoeModeRequest->Busy; }));
    ASSERT_TRUE(view->Timer1->Enabled());
    ASSERT_EQ(sim->Control(std::string("set-rw ") + PoeModeOid + ".1 int 1"), "ok");
    ASSERT_EQ(sim->Control(std::string("hold ") + PoeModeOid + " 300"), "ok");
    FireTimer(view->Timer1);
    ASSERT_TRUE(view->PoeModeRequest->Busy);
    const size_t mark = sim->PduLog().size();
    bool ranWhileWaiting = false;
    QObject context;
    QTimer::singleShot(50, &context, [&] { ranWhileWaiting = !view->Timer1->Enabled(); });

    view->Image3->Click();
    EXPECT_TRUE(ranWhileWaiting);
    EXPECT_TRUE(view->Timer1->Enabled());
    ASSERT_TRUE(RunUntil([&] { return !PoeModePdus("SET", mark).empty(); }));
    const std::vector<std::string> sets = PoeModePdus("SET", mark);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(std::string(PoeModeOid) + ".1=INTEGER:2"), std::string::npos) << sets[0];
    EXPECT_TRUE(ShowsNormalSet(view));
}

// A read of the mode that fails leaves the combo box empty and the normal set shown; a click then writes nothing
// (the mode is not known), and the 2-second refresh goes on and picks the mode up once the switch answers.
TEST_F(PanelViewTest, FailedPoeModeReadsKeepTheNormalSetAndTheRefreshRunning) {
    sim = StartSim(StandaloneScenario(1));
    ASSERT_EQ(sim->Control(std::string("error ") + PoeModeOid + " genErr"), "ok");
    auto* view = Build<TPanelQSW2126PForm>();
    ASSERT_TRUE(RunUntil([&] { return !view->PoeModeRequest->Busy && view->Memo1->Lines().Count() > 0; }));
    EXPECT_EQ(view->cmbxPOE->ItemIndex(), -1);
    EXPECT_TRUE(ShowsNormalSet(view));
    EXPECT_TRUE(view->Timer1->Enabled());

    const int notes = view->Memo1->Lines().Count();
    view->Image3->Click();
    EXPECT_TRUE(view->Timer1->Enabled());
    EXPECT_GT(view->Memo1->Lines().Count(), notes);
    EXPECT_TRUE(ShowsNormalSet(view));
    FireTimer(view->Timer1);
    EXPECT_TRUE(ShowsNormalSet(view));
    ASSERT_TRUE(RunUntil([&] { return !view->PoeModeRequest->Busy; }));
    EXPECT_TRUE(PoeModePdus("SET").empty());

    ASSERT_EQ(sim->Control("clear"), "ok");
    FireTimer(view->Timer1);
    ASSERT_TRUE(RunUntil([&] { return view->cmbxPOE->Text() == "enabled"; }));
    FireTimer(view->Timer1);
    EXPECT_TRUE(ShowsPoeSet(view));
}

TEST_F(PanelViewTest, StackedPoeUnitReadsAndWritesItsOwnModeInstance) {
    sim = StartSim({
        "set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 1",
        std::string("led 1.3.6.1.4.1.32473.12.11.1.9.4.1.5.3 600000 2 2 0 3 2 / 3") + Repeat(" 0", 25),
        std::string("set-rw ") + PoeModeOid + ".1 int 1",
        std::string("set-rw ") + PoeModeOid + ".3 int 2",
    });
    host->stackMode = "enabled";
    auto* view = Build<TPanelQSW2126PForm>(3);
    ASSERT_TRUE(RunUntil([&] { return view->cmbxPOE->Text() == "disabled" && !view->PoeModeRequest->Busy; }));
    view->Image3->Click();
    ASSERT_TRUE(RunUntil([&] { return !PoeModePdus("SET").empty() && !view->PoeModeRequest->Busy; }));
    const std::vector<std::string> sets = PoeModePdus("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(std::string(PoeModeOid) + ".3=INTEGER:1"), std::string::npos) << sets[0];
    for (const std::string& get : PoeModePdus("GET"))
        EXPECT_NE(get.find(std::string(PoeModeOid) + ".3="), std::string::npos) << get;
}

// The view is closed and freed (as "Refresh Panel" does) while a click waits for its read of the mode.
TEST_F(PanelViewTest, ViewFreedWhileAToggleWaitsEndsTheToggleQuietly) {
    sim = StartSim(StandaloneScenario(2));
    auto* view = Build<TPanelQSW2126PForm>();
    ASSERT_TRUE(RunUntil([&] { return !view->PoeModeRequest->Busy; }));
    ASSERT_EQ(sim->Control(std::string("hold ") + PoeModeOid + " 400"), "ok");
    const std::weak_ptr<void> life = view->LifeToken();
    QObject context;
    QTimer::singleShot(50, &context, [&] {
        ui::CloseAction action = ui::caHide;
        view->FormClose(view, action);
        delete view;
    });
    const size_t mark = sim->PduLog().size();
    view->Image3->Click();
    EXPECT_TRUE(life.expired());
    Pump(600);
    EXPECT_TRUE(PoeModePdus("SET", mark).empty());
}

TEST_F(PanelViewTest, ClosingWaitsForTheOutstandingPollThenFreesTheRequests) {
    sim = StartSim(StandaloneScenario(2));
    auto* view = Build<TPanelQSW2126Form>();
    ASSERT_TRUE(RunUntil([&] { return !view->LedRequest->Busy; }));
    sim->Control("hold 1.3.6.1.4.1.32473.11.70.7.2.1.1.6 800");
    view->LedRequest->Refresh();
    ASSERT_TRUE(view->LedRequest->Busy);
    ui::CloseAction action = ui::caHide;
    view->FormClose(view, action);
    EXPECT_EQ(action, ui::caFree);
    EXPECT_EQ(view->LedRequest, nullptr);
    EXPECT_EQ(view->ComboProbeRequest, nullptr);
    delete view;
    Pump(100);
}

TEST_F(PanelViewTest, PortPictureViewShowsPortStatesReadOnceAsHexText) {
    // Unit LED column: system 02 02 00, then two octets per port.
    std::string hex = "02:02:00";
    for (int p = 1; p <= 26; ++p) {
        const char* octets = p == 3 ? "82:01" : p == 5 ? "82:03" : p == 7 ? "01:01" : p == 9 ? "82:04"
                           : p == 22 ? "82:03" : p == 23 ? "82:02" : "00:00";
        hex += std::string(":") + octets;
    }
    sim = StartSim({
        "set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 1",
        "set 1.3.6.1.4.1.32473.12.11.1.9.4.1.5.1 hex " + hex,
        std::string("set ") + LinkStatusOid + ".22.1 int 2",
    });
    host->stackMode = "enabled";
    auto* view = new TPanelQSW2126GForm(host, *host);
    view->SetParent(host);
    view->InitPanelLeds();
    auto shown = [&](const std::string& name) { return dynamic_cast<ui::Image*>(view->FindComponent(name))->Visible(); };
    EXPECT_EQ(view->ComboFlags[1], 1);
    EXPECT_EQ(view->ComboFlags[2], 0);
    EXPECT_TRUE(shown("Port5green"));
    EXPECT_FALSE(shown("Port5Orange"));
    EXPECT_TRUE(shown("Port3Orange"));
    EXPECT_FALSE(shown("Port7green"));
    EXPECT_FALSE(shown("Port7Orange"));
    EXPECT_FALSE(shown("Port9green"));
    EXPECT_FALSE(shown("Port9Orange"));
    // Combo port 22 linked on copper: its picture at the copper connector; port 23 at the fibre one.
    EXPECT_TRUE(shown("Port26green"));
    EXPECT_FALSE(shown("Port22green"));
    EXPECT_FALSE(shown("Port22Orange"));
    EXPECT_FALSE(shown("Port26Orange"));
    EXPECT_TRUE(shown("Port23Orange"));
    EXPECT_FALSE(shown("Port27Orange"));
    EXPECT_TRUE(view->LedPanel("Combo2Panel")->Visible());
    EXPECT_FALSE(view->LedPanel("Port22Panel")->Visible());
    EXPECT_TRUE(HasLeds(view->LedRequest, view->LedPanel("Port23Panel")));
    EXPECT_EQ(host->buttons.size(), 0u);
    // Unit 1 shows picture 1 of ImageList2, the number 1.
    ui::Bitmap one;
    ASSERT_TRUE(host->imageList2->GetBitmap(1, one));
    EXPECT_EQ(view->Image2->Picture().Image().convertToFormat(QImage::Format_RGB32),
              one.Image().convertToFormat(QImage::Format_RGB32));
}

// ImageList2 holds the numbers 12, 1, ..., 11: unit 3 shows picture 3, unit 12 picture 0.
TEST_F(PanelViewTest, PortPictureViewShowsItsUnitNumberUpToTwelve) {
    sim = StartSim({"set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 1"});
    host->stackMode = "enabled";
    for (const auto& [unit, picture] : {std::pair{3, 3}, std::pair{12, 0}}) {
        SCOPED_TRACE(unit);
        auto* view = new TPanelQSW2126GForm(host, *host);
        view->SetParent(host);
        view->UnitNumber = unit;
        view->InitPanelLeds();
        ui::Bitmap expected;
        ASSERT_TRUE(host->imageList2->GetBitmap(picture, expected));
        EXPECT_EQ(view->Image2->Picture().Image().convertToFormat(QImage::Format_RGB32),
                  expected.Image().convertToFormat(QImage::Format_RGB32));
        ui::CloseAction action = ui::caHide;
        view->FormClose(view, action);
        delete view;
    }
}

TEST_F(PanelViewTest, UnansweredPollLeavesTheLedsDarkAndReportsInTheStatusPanel) {
    sim = StartSim(StandaloneScenario(2));
    sim->Control("drop 1.3.6.1.4.1.32473.11.70.7.2.1.1.6 2");  // the first poll and its resend
    auto* view = Build<TPanelQSW2126Form>();
    ASSERT_EQ(host->buttons.size(), 28u);
    ASSERT_TRUE(RunUntil([&] { return !host->LedStatusPanel()->Text().empty(); }, 20));
    const std::string status = host->LedStatusPanel()->Text();
    EXPECT_EQ(status.rfind("Get: ", 0), 0u) << status;
    EXPECT_EQ(status.find("Ok!"), std::string::npos) << status;
    EXPECT_NE(status.find(" Request: Led Status. Receive at "), std::string::npos) << status;
    EXPECT_EQ(Led(view->LedRequest, view->LedPanel("ConsoleLedPanel"))->Colour, Black);
    EXPECT_EQ(Led(view->LedRequest, view->LedPanel("LedPanel1"))->Colour, Black);
}

}  // namespace

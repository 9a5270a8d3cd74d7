// LED shapes coloured from an octet string: state and blink masks, paired octets with presence, missing ports,
// the blink sequence after a reading, the default colours of a stopped or failed poll, and polling the simulator.
#include "NxSNMPRequest2Leds.h"

#include "BindingTestSupport.h"
#include "ComCtrls.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "Shape.h"
#include "TestHooks.h"

namespace {

using namespace bindtest;

constexpr int32_t kGrey = 0x808080;
constexpr int32_t kMissing = 0x101010;
constexpr NxLedColorPair kPairs[] = {{0, 0x000001}, {1, 0x00FF00}, {2, 0x0000FF}, {3, 0x00FFFF}, {4, 0xFF0000},
                                     {5, 0xFFFFFF}, {0, -1}};
constexpr const char* kLedOid = "1.3.6.1.4.1.32473.99.4.1";

// Feeds received values the way a reading does.
class LedProbe : public NxSNMPRequest2Leds {
public:
    using NxSNMPRequest2Leds::NxSNMPRequest2Leds;
    void Receive(const std::string& value) {
        Request.Vars.GetVar(0)->Value = value;
        RowReceived();
    }
};

class LedsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        panel = Make<ui::Panel>();
        request = std::make_unique<LedProbe>(form);
        const NxSNMPVar table[] = {{kLedOid, "Led Status", sxOctetStr, readonly, nullptr}, {}};
        request->Request.Vars = NxSNMPVarList(table, MVT_SV, 0);
    }
    void TearDown() override {
        request.reset();
        FormTest::TearDown();
    }
    // A request aimed at the simulator, its LED variable of the given syntax.
    void Connect(int32_t syntax = sxOctetStr) {
        AimAt(Sim().Port());
        Sim().Control("clear");
        request = std::make_unique<LedProbe>(form);
        const NxSNMPVar table[] = {{kLedOid, "Led Status", syntax, readonly, nullptr}, {}};
        request->Request.Vars = NxSNMPVarList(table, MVT_SV, 0);
        request->Request.Vars.Instance = "0";
        request->Request.Timeout = 50;
        request->Request.Retries = 0;
    }
    // Two LEDs polled every 50 ms into a status panel, as a front panel runs them.
    ui::StatusPanel* PollTwoLeds() {
        request->Request.Vars.Name = " Led Status";
        request->AddLeds(0, "0,1", &portMap, panel, 1, 10, 0, 6, 6);
        ui::StatusPanel* status = Make<ui::StatusBar>(100)->Panels().Add();
        request->SetStatusPanel(status);
        request->StartPolling(5);
        return status;
    }
    int32_t Colour(size_t led) const { return LedShapeColour(request->Leds.at(led)->Shape); }
    // 3 system octets, then 24 ports of two octets each.
    static std::string PairedData() { return std::string(2 * (3 + 2 * 24), '0'); }
    static void PutOctet(std::string& hex, size_t index, const char* octet) { hex.replace(2 * index, 2, octet); }

    NxSNMPLedColorMapList portMap{kPairs, 7, 0x80, kGrey, kMissing};
    NxSNMPLedColorMapList noMissing{kPairs, 7, 0x80, kGrey, -1};
    ui::Panel* panel = nullptr;
    std::unique_ptr<LedProbe> request;
};

TEST_F(LedsTest, AddLedsPlacesShapesInTheDefaultColourAndTakesThePanelsBevels) {
    panel->SetBevelInner(ui::bvLowered);
    request->AddLeds(0, "3,5,7", &portMap, panel, 1, 7, 0, 6, 6);
    ASSERT_EQ(request->Leds.size(), 3u);
    EXPECT_EQ(request->Leds[2]->StateIndex, 7);
    EXPECT_EQ(request->Leds[2]->Shape->Left(), 1 + 2 * (7 + 6));
    EXPECT_EQ(request->Leds[2]->Shape->Top(), 0);
    EXPECT_EQ(request->Leds[2]->Shape->Width(), 6);
    EXPECT_EQ(request->Leds[2]->Shape->Parent(), panel);
    EXPECT_EQ(Colour(0), kGrey);
    EXPECT_EQ(request->Leds[0]->Shape->Pen().Color, kGrey);  // outline and fill alike
    EXPECT_EQ(request->Leds[0]->Shape->Type(), ui::stRectangle);
    EXPECT_EQ(panel->BevelInner(), ui::bvNone);
    EXPECT_EQ(panel->BevelOuter(), ui::bvNone);
}

TEST_F(LedsTest, PairedOctetsGivePresenceBlinkAndColour) {
    request->SetStateLayout(2, 3);
    request->AddLeds(0, "0,3,5,7", &portMap, panel, 1, 7, 0, 6, 6);
    std::string data = PairedData();
    PutOctet(data, 0, "02");  // a system LED: state 2
    PutOctet(data, 3, "01");  // port 1 absent
    PutOctet(data, 5, "80");  // port 2 blinks in the colour of state 3
    PutOctet(data, 6, "03");
    PutOctet(data, 7, "00");  // port 3 present, state 6: not in the map
    PutOctet(data, 8, "06");
    request->Receive(data);
    EXPECT_EQ(request->Leds[0]->Colour, 0x0000FF);
    EXPECT_EQ(request->Leds[1]->Colour, kMissing);
    EXPECT_FALSE(request->Leds[1]->Blinking);
    EXPECT_EQ(request->Leds[2]->Colour, 0x00FFFF);
    EXPECT_TRUE(request->Leds[2]->Blinking);
    EXPECT_EQ(request->Leds[3]->Colour, 0);  // black
    EXPECT_EQ(Colour(1), kMissing);
}

TEST_F(LedsTest, OctetsBeyondTheDataAreMissingOrMinus519WithoutAMissingColour) {
    request->AddLeds(0, "0,4", &portMap, panel, 1, 10, 0, 6, 6);
    request->Receive("0102");
    EXPECT_EQ(request->Leds[1]->Colour, kMissing);

    auto other = std::make_unique<LedProbe>(form);
    other->Request.Vars = request->Request.Vars;
    other->AddLeds(0, "0,2", &noMissing, panel, 1, 10, 0, 6, 6);
    other->Receive("0102FF");
    const int32_t before = LedShapeColour(other->Leds[0]->Shape);
    try {
        other->Receive("0101");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, NxErrPartOutOfRange);
    }
    EXPECT_EQ(other->Leds[0]->Colour, 0x00FF00);  // the failed reading left every LED as it was
    EXPECT_EQ(LedShapeColour(other->Leds[0]->Shape), before);
}

TEST_F(LedsTest, ABlinkingLedAlternatesForSevenPaintingsThenKeepsItsColour) {
    request->AddLeds(0, "0,1", &portMap, panel, 1, 10, 0, 6, 6);
    for (int reading = 0; reading < 2; ++reading) {
        request->Receive("8101");  // LED 0 blinks green, LED 1 is steady green
        std::vector<int32_t> shown = {Colour(0)};
        for (int tick = 0; tick < 9; ++tick) {
            request->PaintLeds();
            shown.push_back(Colour(0));
            EXPECT_EQ(Colour(1), 0x00FF00);
        }
        for (int i = 0; i < 6; ++i) EXPECT_NE(shown[i], shown[i + 1]) << i;  // seven paintings alternate
        EXPECT_EQ(shown[7], 0x00FF00);
        EXPECT_EQ(shown[8], 0x00FF00);
        EXPECT_EQ(shown[9], 0x00FF00);
    }
}

// The blink timer wakes the program only while a painting would change a LED.
TEST_F(LedsTest, TheBlinkTimerRunsOnlyWhileABlinkingLedFlashes) {
    request->AddLeds(0, "0,1", &portMap, panel, 1, 10, 0, 6, 6);
    EXPECT_FALSE(request->BlinkTimer->Running());  // nothing read yet
    request->Receive("0101");
    EXPECT_FALSE(request->BlinkTimer->Running());  // steady LEDs only
    request->Receive("8101");
    for (int painting = 1; painting <= request->BlinkLimit + 1; ++painting) {
        EXPECT_TRUE(request->BlinkTimer->Running()) << painting;
        request->PaintLeds();
    }
    EXPECT_FALSE(request->BlinkTimer->Running());
    const int32_t steady = Colour(0);
    request->PaintLeds();  // what a further tick would paint: nothing new
    EXPECT_EQ(Colour(0), steady);
    EXPECT_FALSE(request->BlinkTimer->Running());

    request->Receive("8101");  // the next reading flashes again
    EXPECT_TRUE(request->BlinkTimer->Running());
    request->Receive("0101");  // and a steady one ends it at once
    EXPECT_FALSE(request->BlinkTimer->Running());
    request->Receive("8101");
    request->StopPolling();
    EXPECT_FALSE(request->BlinkTimer->Running());
}

TEST_F(LedsTest, AZeroOctetInsideTheStringDoesNotCutItShort) {
    Connect(sxDisplayStr);
    request->AddLeds(0, "0,1,2", &portMap, panel, 1, 10, 0, 6, 6);
    Sim().Control(std::string("set ") + kLedOid + ".0 hex 01 00 04");
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(request->Leds[0]->Colour, 0x00FF00);
    EXPECT_EQ(request->Leds[1]->Colour, 0x000001);
    EXPECT_EQ(request->Leds[2]->Colour, 0xFF0000);
}

TEST_F(LedsTest, StopAndLayoutDefaults) {
    request->AddLeds(0, "0", &portMap, panel, 1, 10, 0, 6, 6);
    request->Receive("81");
    request->StopPolling();
    EXPECT_EQ(Colour(0), kGrey);
    EXPECT_FALSE(request->Leds[0]->Blinking);
    EXPECT_FALSE(request->PollTimer->Enabled());
    EXPECT_FALSE(request->BlinkTimer->Enabled());
    request->SetStateLayout(0, 0);
    EXPECT_EQ(request->StateLayout, 1);
    EXPECT_EQ(request->SingleLedCount, 4);
}

TEST_F(LedsTest, TheTimersComeWithTheRequestAndGoWithIt) {
    auto fresh = std::make_unique<NxSNMPRequest2Leds>(form);
    EXPECT_FALSE(fresh->PollTimer->Enabled());
    EXPECT_FALSE(fresh->BlinkTimer->Running());
    EXPECT_EQ(fresh->BlinkTimer->Interval(), 60);
    const int components = form->ComponentCount();
    fresh.reset();
    EXPECT_EQ(form->ComponentCount(), components - 2);
}

TEST_F(LedsTest, PollingWritesTheLedStatusLineAndAFailedPollShowsDefaults) {
    Connect();
    Sim().Control(std::string("set ") + kLedOid + ".0 hex 02 81");
    ui::MessageBoxRecorder boxes;
    ui::StatusPanel* status = PollTwoLeds();
    EXPECT_EQ(request->PollTimer->Interval(), 50);
    ASSERT_TRUE(RunUntil([&] { return request->Leds[1]->Blinking != 0; }));
    EXPECT_EQ(request->Leds[0]->Colour, 0x0000FF);
    EXPECT_NE(status->Text().find("Get: Ok! Request: Led Status. Receive at "), std::string::npos);

    Sim().Control(std::string("drop ") + kLedOid + " 1000");
    ASSERT_TRUE(RunUntil([&] { return status->Text().find("timed out") != std::string::npos; })) << status->Text();
    EXPECT_EQ(Colour(0), kGrey);
    EXPECT_TRUE(boxes.Calls().empty());
    request->StopPolling();
    Sim().Control("clear");
}

// A switch without the LED object: the status line says so, never "Ok!" under unlit LEDs.
TEST_F(LedsTest, APollOfASwitchWithoutTheLedObjectSaysSo) {
    Connect();
    Sim().Control(std::string("remove ") + kLedOid + ".0");
    ui::MessageBoxRecorder boxes;
    ui::StatusPanel* status = PollTwoLeds();
    ASSERT_TRUE(RunUntil([&] { return !status->Text().empty(); }));
    const std::string line = status->Text();
    EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;
    EXPECT_NE(line.find(NxSNMPErrorText(NxErrNoSuchName)), std::string::npos) << line;
    EXPECT_EQ(Colour(0), kGrey);
    EXPECT_EQ(Colour(1), kGrey);
    EXPECT_TRUE(boxes.Calls().empty());
    request->StopPolling();
}

TEST_F(LedsTest, PollingStartedAgainAfterAStopBlinksAgain) {
    Connect();
    Sim().Control(std::string("set ") + kLedOid + ".0 hex 81");  // blinking green
    request->AddLeds(0, "0", &portMap, panel, 1, 10, 0, 6, 6);
    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        request->StartPolling(300);
        ASSERT_TRUE(RunUntil([&] { return request->Leds[0]->Blinking != 0; }));
        EXPECT_TRUE(request->BlinkTimer->Running());
        std::vector<int32_t> shown = {Colour(0)};
        ASSERT_TRUE(RunUntil([&] {
            if (Colour(0) != shown.back()) shown.push_back(Colour(0));
            return request->BlinkCounter > request->BlinkLimit + 1;  // the steady painting is done
        }));
        EXPECT_GE(shown.size(), 3u);  // it flashed, and ends in its colour
        EXPECT_EQ(Colour(0), 0x00FF00);
        EXPECT_FALSE(request->BlinkTimer->Running());  // steady until the next reading
        request->StopPolling();
        EXPECT_EQ(Colour(0), kGrey);
    }
    Sim().Control("clear");
}

TEST_F(LedsTest, APollTickWhileAReadingIsOutSendsNothing) {
    Connect();
    Sim().Control(std::string("set ") + kLedOid + ".0 hex 02");
    request->Request.Timeout = 200;
    request->AddLeds(0, "0", &portMap, panel, 1, 10, 0, 6, 6);
    Sim().Control(std::string("hold ") + kLedOid + " 400");
    const size_t before = Sim().PduLog().size();
    request->StartPolling(2);  // a tick every 20 ms while the first reading is held
    Pump(200);
    EXPECT_EQ(Sim().PduLog().size(), before + 1);
    request->StopPolling();
    Sim().Control("clear");
}

}  // namespace

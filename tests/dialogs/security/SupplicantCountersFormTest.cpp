// The authenticator's diagnostics and frame statistics against the simulator, opened through their menu commands:
// the MAC plus port rows, an empty table, an exception of Refresh shown in panel 0, and an exception of the first
// read, which no dialog handler catches, reaching the application's handler with the program going on.
#include "DedicatedDialogFixture.h"
#include "Diagnosticsinformationformunit.h"
#include "Macstatistictableformunit.h"

#include "Application.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace dialogtest;
using ::testing::HasSubstr;

const std::string DiagnosticsEntry = "1.3.6.1.4.1.32473.12.3.6.3.1";
const std::string StatisticsEntry = "1.3.6.1.4.1.32473.12.3.6.2.1";
const std::string Supplicant = "0.17.34.51.68.85.5";  // 00-11-22-33-44-55 on port 5

class SupplicantCountersFormTest : public DedicatedDialogTest {};

TEST_F(SupplicantCountersFormTest, BothViewsListTheirSupplicantsByMacAndPort) {
    SeedRows(DiagnosticsEntry, Supplicant);
    SeedRows(StatisticsEntry, Supplicant + " 0.17.34.51.68.86.6");
    RunCommand<TDiagnosticsInformationForm>("DiagnosticsInformation1Click", [&](TDiagnosticsInformationForm& form) {
        EXPECT_EQ(form.Caption(), "Diagnostics Information: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_EQ(form.ListView1->Columns().Count(), 20);
        EXPECT_EQ(form.ListView1->Items()[0]->SubItems()[0], "5");
        EXPECT_EQ(form.StaticText1->Caption(), "1");
    });
    RunCommand<TMacStatisticTableForm>("StatisticTable1Click", [&](TMacStatisticTableForm& form) {
        EXPECT_EQ(form.Caption(), "MAC Statistic: 127.0.0.1");
        ASSERT_EQ(form.ListView1->Items().Count(), 2);
        EXPECT_EQ(form.ListView1->Columns().Count(), 14);
        EXPECT_EQ(form.StaticText1->Caption(), "2");
        ASSERT_EQ(Control("remove " + StatisticsEntry), "ok");
        ASSERT_TRUE(UserClick(form.Button1));
        EXPECT_EQ(form.ListView1->Items().Count(), 0);
        EXPECT_EQ(form.StaticText1->Caption(), "0");
    });
}

TEST_F(SupplicantCountersFormTest, AnExceptionOfRefreshShowsInPanelZeroAndTheRowsStay) {
    SeedRows(DiagnosticsEntry, Supplicant);
    ui::MessageBoxRecorder boxes;
    RunCommand<TDiagnosticsInformationForm>("DiagnosticsInformation1Click", [&](TDiagnosticsInformationForm& form) {
        ASSERT_EQ(form.ListView1->Items().Count(), 1);
        NxSNMPDevice& device = form.Counters.Request()->Request.Device;
        const std::string address = device.Address;
        device.Address = "no address";
        ASSERT_TRUE(UserClick(form.Button1));
        EXPECT_FALSE(Status(form).empty());
        EXPECT_THAT(Status(form), ::testing::Not(HasSubstr("Ok!")));
        EXPECT_EQ(form.StaticText1->Caption(), std::to_string(form.ListView1->Items().Count()));
        device.Address = address;
        ASSERT_TRUE(UserClick(form.Button1));
        EXPECT_EQ(form.ListView1->Items().Count(), 1);
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

// The menu command runs from a click; the exception of the first read leaves it for the component layer, which hands
// it to the application's handler. The dialog is not shown and the next command opens normally.
TEST_F(SupplicantCountersFormTest, AnExceptionOfTheFirstReadReachesTheApplicationsHandler) {
    ui::MessageBoxRecorder boxes;
    std::vector<std::string> handled;
    ui::Application& app = ui::Application::Instance();
    auto saved = app.OnException;
    app.OnException = [&](ui::Component*, const std::exception& error) { handled.push_back(error.what()); };
    ui::Form host(nullptr);
    auto* menuItem = new ui::Button(&host);
    menuItem->SetParent(&host);
    menuItem->OnClick = [](ui::Component*) {
        RunMenuCommand(*FindMenuCommand("StatisticTable1Click"), DeviceContext());
    };
    host.Show();
    const std::string address = DefaultSNMPDevice.Address;
    DefaultSNMPDevice.Address = "no address";
    bool shown = false;
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        shown = true;
        form.Close();
    });
    ASSERT_TRUE(UserClick(menuItem));
    EXPECT_FALSE(shown);
    EXPECT_EQ(handled.size(), 1u);
    EXPECT_EQ(MacStatisticTableForm, nullptr);
    ui::TestHooks::ClearModalDrivers();
    DefaultSNMPDevice.Address = address;
    app.OnException = saved;
    RunCommand<TMacStatisticTableForm>("StatisticTable1Click", [&](TMacStatisticTableForm& form) {
        EXPECT_EQ(MacStatisticTableForm, &form);
        EXPECT_FALSE(form.StaticText1->Caption().empty());
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace

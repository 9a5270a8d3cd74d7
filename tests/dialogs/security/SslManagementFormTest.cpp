// The SSL settings against the simulator, opened through their menu command: the cipher octet read into the four
// boxes and built from them, the empty-field refusal, a failed read in panel 0, and a cache time-out that is no
// number refused through the application's exception handler, after which the dialog goes on.
#include "DedicatedDialogFixture.h"
#include "Sslmanagementtable.h"

#include "Application.h"
#include "Dialogs.h"
#include "StdCtrls.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>

namespace {

using namespace dialogtest;
using simdialog::Varbinds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string Group = "1.3.6.1.4.1.32473.12.7.1";
const std::string StateOid = Group + ".1.0";
const std::string Cipher = Group + ".2.0";
const std::string CacheTimeout = Group + ".3.0";

class SslManagementFormTest : public DedicatedDialogTest {
protected:
    void SetUp() override {
        DedicatedDialogTest::SetUp();
        SetCipher("F0");
        ASSERT_EQ(Control("set-rw " + CacheTimeout + " gauge 600"), "ok");
    }
    static void SetCipher(const std::string& hex) { ASSERT_EQ(Control("set-rw " + Cipher + " hex " + hex), "ok"); }
    void Open(const std::function<void(TSSLManagementForm&)>& driver) {
        OpenWhenIdle<TSSLManagementForm>(
            "SSLManagement1Click", [](TSSLManagementForm& form) -> const DialogTable& { return form.Ssl; }, driver);
    }
    static std::vector<std::string> Suites(TSSLManagementForm& form) {
        return {form.cbxciphersuites1->Text(), form.cbxciphersuites2->Text(), form.cbxciphersuites3->Text(),
                form.cbxciphersuites4->Text()};
    }
    static bool Refresh(TSSLManagementForm& form) { return UserClick(form.btnGet) && WaitIdle(form.Ssl); }
};

const std::vector<std::string> AllEnabled = {"enabled", "enabled", "enabled", "enabled"};

TEST_F(SslManagementFormTest, TheCipherOctetSetsTheFourBoxesAndOtherLengthsKeepThem) {
    struct Case {
        const char* hex;  // empty: no octet
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"F0", AllEnabled},
        {"50", {"disabled", "enabled", "disabled", "enabled"}},
        {"00", {"disabled", "disabled", "disabled", "disabled"}},
        {"A5", {"enabled", "disabled", "enabled", "disabled"}},
        {"", {"enabled", "disabled", "enabled", "disabled"}},       // kept
        {"F0 00", {"enabled", "disabled", "enabled", "disabled"}},  // kept
    };
    Open([&](TSSLManagementForm& form) {
        EXPECT_EQ(form.Caption(), "SSL Global Settings: 127.0.0.1");
        EXPECT_EQ(Suites(form), AllEnabled);
        EXPECT_EQ(form.edtCacheTimeOut->Text(), "600");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.hex);
            SetCipher(c.hex);
            ASSERT_TRUE(Refresh(form));
            EXPECT_EQ(Suites(form), c.boxes);
        }
    });
}

TEST_F(SslManagementFormTest, SetSendsTheStateTheOctetOfTheBoxesAndTheCacheTimeout) {
    struct Case {
        std::vector<int> enabled;  // boxes 1 to 4 at "enabled"
        const char* octet;
    };
    const Case cases[] = {{{}, "00"}, {{1, 2, 3, 4}, "F0"}, {{1, 3}, "A0"}, {{4}, "10"}};
    Open([&](TSSLManagementForm& form) {
        ChooseItem(form.cbxSSLVersion, "enabled");
        form.edtCacheTimeOut->SetText("300");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.octet);
            ui::ComboBox* boxes[] = {form.cbxciphersuites1, form.cbxciphersuites2, form.cbxciphersuites3,
                                     form.cbxciphersuites4};
            for (int box = 1; box <= 4; ++box)
                ChooseItem(boxes[box - 1],
                           std::count(c.enabled.begin(), c.enabled.end(), box) ? "enabled" : "disabled");
            MarkLog();
            ASSERT_TRUE(UserClick(form.btnSet));
            ASSERT_TRUE(WaitIdle(form.Ssl));
            const std::vector<std::string> sets = Pdus("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_THAT(Varbinds(sets[0]),
                        ElementsAre(StateOid + "=INTEGER:3", Cipher + "=HEX:" + c.octet, CacheTimeout + "=GAUGE:300"));
            EXPECT_TRUE(Pdus("GET").empty());  // not read again
        }
        EXPECT_THAT(Status(form), HasSubstr("Set: Ok!"));
    });
}

TEST_F(SslManagementFormTest, SetRefusesEmptyItemsWhenNoOctetWasEverShown) {
    SetCipher("");
    ui::MessageBoxRecorder boxes;
    Open([&](TSSLManagementForm& form) {
        EXPECT_EQ(form.cbxciphersuites1->Text(), "");
        ASSERT_TRUE(UserClick(form.btnSet));
        EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Some items are empty."}));
        EXPECT_EQ(boxes.Calls()[0].Type, ui::mtWarning);
        EXPECT_TRUE(NothingSent("SET"));
    });
}

TEST_F(SslManagementFormTest, AFailedReadShowsItsErrorInPanelZeroAndKeepsTheBoxes) {
    ui::MessageBoxRecorder boxes;
    Open([&](TSSLManagementForm& form) {
        ChooseItem(form.cbxciphersuites2, "disabled");
        SetCipher("00");
        ASSERT_EQ(Control("error " + Group + " genErr 1"), "ok");
        ASSERT_TRUE(Refresh(form));
        EXPECT_THAT(Status(form), HasSubstr("Get: "));
        EXPECT_THAT(Status(form), ::testing::Not(HasSubstr("Ok!")));
        EXPECT_EQ(Suites(form), (std::vector<std::string>{"enabled", "disabled", "enabled", "enabled"}));
        ASSERT_TRUE(Refresh(form));
        EXPECT_THAT(Status(form), HasSubstr("Ok!"));
        EXPECT_EQ(Suites(form), (std::vector<std::string>{"disabled", "disabled", "disabled", "disabled"}));
    });
    EXPECT_TRUE(boxes.Calls().empty());
}

// The SET's value check raises an exception no handler of the dialog catches: the application shows it, nothing is
// sent, and the dialog takes the next Set.
TEST_F(SslManagementFormTest, ACacheTimeoutThatIsNoNumberIsRefusedThroughTheApplicationsHandler) {
    ui::MessageBoxRecorder boxes;
    std::vector<std::string> handled;
    ui::Application& app = ui::Application::Instance();
    auto saved = app.OnException;
    app.OnException = [&](ui::Component*, const std::exception& error) { handled.push_back(error.what()); };
    Open([&](TSSLManagementForm& form) {
        form.edtCacheTimeOut->SetText("soon");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_EQ(handled.size(), 1u);
        EXPECT_THAT(handled[0], HasSubstr("Cache Timeout"));
        EXPECT_TRUE(NothingSent("SET"));
        form.edtCacheTimeOut->SetText("120");
        ASSERT_TRUE(UserClick(form.btnSet));
        ASSERT_TRUE(WaitIdle(form.Ssl));
        const std::vector<std::string> sets = Pdus("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_THAT(sets[0], HasSubstr(CacheTimeout + "=GAUGE:120"));
        EXPECT_EQ(handled.size(), 1u);
    });
    app.OnException = saved;
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace

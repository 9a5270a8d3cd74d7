#include "PanelTestSupport.h"
#include "EventWait.h"

#include "Catalog.h"
#include "NxSNMPSession.h"
#include "PanelPictures.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

// The views read the catalogue's LED colour maps: built once around all tests.
class CatalogEnvironment : public testing::Environment {
public:
    void SetUp() override { CatalogStartup(); }
    void TearDown() override { CatalogExit(); }
};

testing::Environment* const catalogEnvironment = testing::AddGlobalTestEnvironment(new CatalogEnvironment);

}  // namespace

namespace paneltest {

HostForm::HostForm() : ui::Form(nullptr) {
    SetBounds(0, 0, 820, 400);
    StatusBar = new ui::StatusBar(this);
    StatusBar->SetParent(this);
    StatusBar->SetAlign(ui::alBottom);
    StatusBar->Panels().Add()->SetWidth(500);
    StatusBar->Panels().Add();
    imageList1 = new ui::ImageList(this);
    imageList1->Add(panels::UnitPictures1());
    imageList2 = new ui::ImageList(this);
    imageList2->Add(panels::UnitPictures2());
}

std::unique_ptr<simtest::SimAgent> StartSim(const std::vector<std::string>& scenario) {
    static testsupport::TempDir dir;
    static int count = 0;
    const std::string path = dir.File("scenario" + std::to_string(++count) + ".scn");
    {
        std::ofstream out(path);
        for (const std::string& line : scenario) out << line << "\n";
    }
    auto sim = std::make_unique<simtest::SimAgent>(std::vector<std::string>{"--scenario", path});
    static bool started = false;
    if (!started) {
        NxSNMPSessionStartup();
        CreateGlobalSnmpSession(dir.Path());
        started = true;
    }
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = static_cast<uint16_t>(sim->Port());
    DefaultSNMPSecurity.Version = 1;
    DefaultSNMPSecurity.ReadCommunity = "tundra";
    DefaultSNMPSecurity.WriteCommunity = "harbour";
    DefaultSNMPTimeout = 100;
    return sim;
}

bool RunUntil(const std::function<bool()>& done, int seconds) { return testsupport::RunEventsUntil(done, seconds); }

void Pump(int ms) { testsupport::PumpEvents(ms); }

std::string OutputPath(const std::string& name) { return testsupport::OutputPath(name); }

}  // namespace paneltest

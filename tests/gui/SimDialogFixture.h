#pragma once
// Generic dialogs against the switch simulator: one simulator per test suite, the catalogue running per test,
// and helpers to run a dialog's modal loop, wait for its reads and read the simulator's PDU log.
#include "Application.h"
#include "Catalog.h"
#include "GUIConfigForm.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPSession.h"
#include "SimProcess.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace simdialog {

// The first component of type T among those owner holds, however deep.
template <typename T>
T* FindOwned(const ui::Component& owner) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        ui::Component* component = owner.Components(i);
        if (auto* found = dynamic_cast<T*>(component)) return found;
        if (T* found = FindOwned<T>(*component)) return found;
    }
    return nullptr;
}


// Scalars of the spanning-tree group: ten writable values, option lists on rows 0, 6, 7 and 9.
inline constexpr const char* StpGroup = "1.3.6.1.4.1.32473.12.15.1 (10 entries from \"STP Version\")";
// The same group's one writable value.
inline constexpr const char* StpVersionOnly = "1.3.6.1.4.1.32473.12.15.1 (1 entries from \"STP Version\")";
// Read-only scalars.
inline constexpr const char* StackingInfo = "1.3.6.1.4.1.32473.12.11.1.9";
// DHCP static bindings: keys Pool Name and IP Address, Hardware Address, Type, Status (RowStatus, column 4).
inline constexpr const char* StaticBindings = "1.3.6.1.4.1.32473.12.38.3.3.1";
inline constexpr int StaticBindingsStatus = 4;
// DHCP excluded ranges: two keys and the RowStatus column only.
inline constexpr const char* ExcludedRanges = "1.3.6.1.4.1.32473.12.38.3.1.1";

class SimDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sim_ = new simtest::SimAgent();
        static bool sessionStarted = false;
        if (!sessionStarted) {
            static testsupport::TempDir dir;
            NxSNMPSessionStartup();
            CreateGlobalSnmpSession(dir.Path());
            sessionStarted = true;
        }
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }

    void SetUp() override {
        CatalogStartup();
        ResetSnmpDefaults();
        DefaultSNMPDevice.Address = "127.0.0.1";
        DefaultSNMPDevice.Port = static_cast<uint16_t>(sim_->Port());
        ASSERT_EQ(sim_->Control("clear"), "ok");
        logStart_ = sim_->PduLog().size();
    }
    void TearDown() override {
        ui::TestHooks::ClearModalDrivers();
        sim_->Control("clear");
        CatalogExit();
    }

    // A request over a catalogue table, owned by the caller until a dialog takes it.
    static NxSNMPRequest2Edits* NewRequest(ui::Form* owner, const char* label, NxVarListKind kind, int keys) {
        auto* request = new NxSNMPRequest2Edits(owner);
        MibObjectTable table = FindCatalogTable(label);
        EXPECT_NE(table, nullptr) << label;
        request->Request.Vars = NxSNMPVarList(table, kind, keys);
        return request;
    }

    // Lets events run until done() holds (at most 20 s).
    template <typename Done>
    static bool RunUntil(Done done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            ui::Application::Instance().ProcessMessages();
        }
        return true;
    }
    static bool WaitIdle(NxSNMPRequest2Controls& request) { return RunUntil([&] { return !request.Busy; }); }

    // PDUs the simulator received since the test started, those starting with kind ("SET", "GET", ...) only.
    std::vector<std::string> Pdus(const std::string& kind = "") const {
        std::vector<std::string> lines = sim_->PduLog();
        std::vector<std::string> result;
        for (size_t i = logStart_; i < lines.size(); ++i)
            if (kind.empty() || lines[i].rfind(kind + " ", 0) == 0) result.push_back(lines[i]);
        return result;
    }
    void MarkLog() { logStart_ = sim_->PduLog().size(); }

    static std::string Control(const std::string& command) { return sim_->Control(command); }

    static inline simtest::SimAgent* sim_ = nullptr;
    size_t logStart_ = 0;
};

// The varbinds of a logged PDU line ("OID=TYPE:VALUE"), in order.
inline std::vector<std::string> Varbinds(const std::string& line) {
    std::vector<std::string> result;
    size_t pos = 0;
    while ((pos = line.find(" 1.", pos)) != std::string::npos) {
        size_t end = pos + 1;
        bool quoted = false;
        while (end < line.size() && (quoted || line[end] != ' ')) {
            if (line[end] == '"') quoted = !quoted;
            ++end;
        }
        result.push_back(line.substr(pos + 1, end - pos - 1));
        pos = end;
    }
    return result;
}

}  // namespace simdialog

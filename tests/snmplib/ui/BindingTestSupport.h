#pragma once
// Shared by the binding tests: the SNMP session aimed at an agent, an event loop that runs until a condition
// holds, a form to put controls on, and the switch simulator.
#include "Form.h"
#include "NxSNMPVar.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bindtest {

// Starts the session once and aims the device defaults at 127.0.0.1:port with SNMPv2c (SNMPv1 with v1).
void AimAt(int port, bool v1 = false);
// Aims at the shared snmpd.
void AimAtSnmpd(bool v1 = false);
// The simulator, started on first use with the given scenario lines for this test process.
simtest::SimAgent& Sim();
// Processes events until done() holds or seconds pass; returns done().
bool RunUntil(const std::function<bool()>& done, int seconds = 10);
// Processes events for ms milliseconds.
void Pump(int ms);

// A form with controls; shown so that focus moves work.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    template <class T>
    T* Make(int top = 0) {
        auto* control = new T(form);
        control->SetParent(form);
        control->SetTop(top);
        return control;
    }
    void ShowAndActivate();
    ui::Form* form = nullptr;
};

}  // namespace bindtest

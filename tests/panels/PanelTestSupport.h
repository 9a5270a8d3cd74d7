#pragma once
// Shared by the view tests: a host form standing in for the main window, the simulator with a scenario of the
// test's own, and event loops that run until a condition holds.
#include "ComCtrls.h"
#include "Form.h"
#include "ImageList.h"
#include "PanelHost.h"
#include "SimProcess.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace paneltest {

// What a view needs of the main window: a status bar, the two unit-number image lists, the port button list.
class HostForm : public ui::Form, public TPanelHost {
public:
    HostForm();
    ui::StatusPanel* LedStatusPanel() override { return StatusBar->Panels()[0]; }
    ui::ImageList* ImageList1() override { return imageList1; }
    ui::ImageList* ImageList2() override { return imageList2; }
    std::vector<ui::SpeedButton*>& PortButtonList() override { return buttons; }
    std::string StackModeText() const override { return stackMode; }

    ui::StatusBar* StatusBar = nullptr;
    ui::ImageList* imageList1 = nullptr;
    ui::ImageList* imageList2 = nullptr;
    std::vector<ui::SpeedButton*> buttons;
    std::string stackMode = "disabled";
};

// The simulator with the lines of a scenario; the session's device defaults aimed at it.
std::unique_ptr<simtest::SimAgent> StartSim(const std::vector<std::string>& scenario);
bool RunUntil(const std::function<bool()>& done, int seconds = 15);
void Pump(int ms);
// Where a test saves its pictures (the build directory).
std::string OutputPath(const std::string& name);

}  // namespace paneltest

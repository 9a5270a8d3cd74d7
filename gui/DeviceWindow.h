#pragma once
// What the dedicated dialogs need of the main window besides its stack state (StackState.h): the device address,
// the spanning-tree version text that the window keeps for its menus, and a fresh read of the stack-unit table.
// The main window publishes itself through SetDeviceWindow; a program without one gets the plain values below,
// whose reads do nothing and report failure.
#include <string>

class DeviceWindow {
public:
    virtual ~DeviceWindow() = default;
    // The device address given on the command line ("/I").
    virtual std::string DeviceAddress() const = 0;
    // The switch's spanning-tree version as text ("stp", "rstp" or "mstp"); empty before the first read.
    virtual std::string StpVersion() const = 0;
    // Writes the text after a successful change of the version.
    virtual void SetStpVersion(const std::string& text) = 0;
    // Reads the version again (blocking); false when the read failed.
    virtual bool RereadStpVersion() = 0;
    // Reads the stack-unit table again (blocking), so that the stack state shows added and removed units;
    // false when the read failed or the window has no unit table yet.
    virtual bool RereadUnitTable() = 0;
};

// Plain values, for a caller without a main window (and for tests).
class DeviceWindowValues : public DeviceWindow {
public:
    std::string Address;
    std::string StpVersionText;
    int StpRereads = 0;
    int UnitRereads = 0;

    std::string DeviceAddress() const override { return Address; }
    std::string StpVersion() const override { return StpVersionText; }
    void SetStpVersion(const std::string& text) override { StpVersionText = text; }
    bool RereadStpVersion() override {
        ++StpRereads;
        return false;
    }
    bool RereadUnitTable() override {
        ++UnitRereads;
        return false;
    }
};

// The window read from now on; null goes back to the plain values. Not owned.
void SetDeviceWindow(DeviceWindow* window);
DeviceWindow& CurrentDeviceWindow();

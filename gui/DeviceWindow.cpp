#include "DeviceWindow.h"

namespace {
DeviceWindow* published = nullptr;

DeviceWindow& NoWindow() {
    static DeviceWindowValues none;
    return none;
}
}  // namespace

void SetDeviceWindow(DeviceWindow* window) { published = window; }

DeviceWindow& CurrentDeviceWindow() { return published ? *published : NoWindow(); }

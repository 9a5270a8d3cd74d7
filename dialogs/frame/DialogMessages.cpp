#include "DialogMessages.h"

#include "Application.h"
#include "Dialogs.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "Screen.h"

void ShowMessage(ui::Control* owner, const std::string& text) {
    const ui::Application* app = ui::Application::InstanceOrNull();
    ui::MessageBox(owner, text, app ? app->Title() : std::string(), ui::mbOK, ui::mtCustom);
}

void ShowWarning(ui::Control* owner, const std::string& text) {
    const ui::Application* app = ui::Application::InstanceOrNull();
    ui::MessageBox(owner, text, app ? app->Title() : std::string(), ui::mbOK, ui::mtWarning);
}

bool IsMacKey(ui::Control* owner, const std::string& text) {
    return IsValidMACAddress(text, [owner](const std::string& message) { ShowMessage(owner, message); });
}

bool ListHasKey(const ui::ListView& list, const std::string& key, const std::string* secondKey) {
    for (int i = 0; i < list.Items().Count(); ++i) {
        const ui::ListItem& item = *list.Items()[i];
        if (item.Caption() != key) continue;
        if (!secondKey) return true;
        if (item.SubItems().Count() > 0 && item.SubItems()[0] == *secondKey) return true;
    }
    return false;
}

int ScaledDialogSize(int designSize) {
    if (ui::Screen::PixelsPerInch() == 96) return designSize;
    return static_cast<int>(designSize * 1.25);
}

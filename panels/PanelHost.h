#pragma once
// What a front-panel view needs of the main window that embeds it. The main window implements this; tests give a
// small form of their own, so a view can be built and tested without the main window.
#include <string>
#include <vector>

namespace ui {
class ImageList;
class SpeedButton;
class StatusPanel;
}  // namespace ui

class TPanelHost {
public:
    virtual ~TPanelHost() = default;
    // The first panel of the main window's StatusBar: the status target of every view's LED request.
    virtual ui::StatusPanel* LedStatusPanel() = 0;
    // Unit-number pictures, 16 x 16: ImageList1 shows 1 to 13 and F, ImageList2 12, 1, ..., 11.
    virtual ui::ImageList* ImageList1() = 0;
    virtual ui::ImageList* ImageList2() = 0;
    // Every port button of every view, in the order the views added them.
    virtual std::vector<ui::SpeedButton*>& PortButtonList() = 0;
    // The stacking mode read from the switch ("enabled", "disabled" or "other").
    virtual std::string StackModeText() const = 0;
    // False while the switch has given no answer as the views are built: they then wait for no read.
    virtual bool SwitchAnswers() const { return true; }
};

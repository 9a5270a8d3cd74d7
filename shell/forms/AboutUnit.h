#pragma once
// The about box: the model's picture and release version; Shift+Alt+F3 on OK reveals the full build string.
#include "Form.h"

#include <array>

namespace ui {
class Button;
class Image;
class Label;
}  // namespace ui

class TAboutForm : public ui::Form {
public:
    explicit TAboutForm(ui::Component* owner);

    std::array<ui::Image*, 10> ModelImages{};  // Image2327 ... Image2126G, stacked at one place
    ui::Image* Image2126P = nullptr;
    ui::Label* AboutLabel = nullptr;
    ui::Label* VersionLabel = nullptr;
    ui::Label* NoteLabel = nullptr;
    ui::Button* BT_Ok = nullptr;

    void FormActivate(ui::Component* sender);
    void BT_OkClick(ui::Component* sender);
    // OK's key handler: Shift+Alt+F3 (other modifiers may be held too) shows the build string.
    void BT_OkKeyDown(ui::Component* sender, int& key, ui::ShiftState shift);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
};

inline constexpr const char* AboutReleaseVersion = "Release Version 2.70";
inline constexpr const char* AboutBuildVersion = "Release Version 2.70R16(Build 2010/4/19) ";

// Kept while the about box is open.
extern TAboutForm* AboutForm;

// Help > About: the box, shown modally and freed.
void ShowAboutBox(ui::Component* owner);

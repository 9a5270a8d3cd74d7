#include "AboutUnit.h"

#include "Image.h"
#include "StdCtrls.h"

#include <memory>

TAboutForm* AboutForm = nullptr;

namespace {

constexpr const char* ModelImageNames[] = {"Image2327", "Image2327G", "Image2350", "Image2312G", "Image2126",
                                           "Image2127", "Image2150",  "Image2126P", "Image2312", "Image2126G"};
constexpr int PictureLeft = 16;
constexpr int PictureTop = 16;
constexpr int PictureSize = 32;

ui::Label* NewLabel(ui::Form& form, const char* name, int left, int top, const std::string& caption) {
    auto* label = new ui::Label(&form);
    label->SetName(name);
    label->SetParent(&form);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(ui::Component* owner) : ui::Form(owner) {
    SetName("AboutForm");
    SetBorderStyle(ui::bsSingle);
    SetPosition(ui::poMainFormCenter);
    SetClientWidth(323);
    SetClientHeight(105);
    for (size_t i = 0; i < ModelImages.size(); ++i) {
        auto* image = new ui::Image(this);
        image->SetName(ModelImageNames[i]);
        image->SetParent(this);
        image->SetBounds(PictureLeft, PictureTop, PictureSize, PictureSize);
        ModelImages[i] = image;
        if (std::string(ModelImageNames[i]) == "Image2126P") Image2126P = image;
    }
    AboutLabel = NewLabel(*this, "AboutLabel", 65, 16, "");
    ui::Font bold = AboutLabel->Font();
    bold.Bold = true;
    AboutLabel->SetFont(bold);
    VersionLabel = NewLabel(*this, "VersionLabel", 65, 39, "Release Version 2.80");
    NoteLabel = NewLabel(*this, "NoteLabel", 65, 61, "Management of the QSW-2126P switch");
    BT_Ok = new ui::Button(this);
    BT_Ok->SetName("BT_Ok");
    BT_Ok->SetParent(this);
    BT_Ok->SetBounds(136, 81, 51, 20);
    BT_Ok->SetCaption("OK");
    BT_Ok->OnClick = [this](ui::Component* sender) { BT_OkClick(sender); };
    BT_Ok->OnKeyDown = [this](ui::Component* sender, int& key, ui::ShiftState shift) { BT_OkKeyDown(sender, key, shift); };
    OnActivate = [this](ui::Component* sender) { FormActivate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TAboutForm::FormActivate(ui::Component*) {
    for (ui::Image* image : ModelImages) image->SetVisible(image == Image2126P);
    AboutLabel->SetCaption("Vantrel QSW-2126P Management Module");
    SetCaption("About QSW-2126P Module");
    VersionLabel->SetCaption(AboutReleaseVersion);
}

void TAboutForm::BT_OkClick(ui::Component*) { Close(); }

void TAboutForm::BT_OkKeyDown(ui::Component*, int& key, ui::ShiftState shift) {
    if (shift.Shift && shift.Alt && key == ui::VK_F3) VersionLabel->SetCaption(AboutBuildVersion);
}

void TAboutForm::FormClose(ui::Component*, ui::CloseAction& action) { action = ui::caFree; }

void ShowAboutBox(ui::Component* owner) {
    auto form = std::make_unique<TAboutForm>(owner);
    AboutForm = form.get();
    try {
        form->ShowModal();
    } catch (...) {
        AboutForm = nullptr;
        throw;
    }
    form.reset();
    AboutForm = nullptr;
}

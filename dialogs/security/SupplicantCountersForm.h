#pragma once
// TSupplicantCountersForm: a read-only table of per-supplicant counters of the port authenticator, one row per
// supplicant keyed by its MAC address and port (the diagnostics and the EAPOL frame statistics share it). One
// synchronous request on the dialog frame.
//
// Rules a caller must know:
// - The first read is not guarded: its exception leaves the dialog's creation and reaches the caller (the menu
//   command's, and so the application's, handler); the dialog is not shown.
// - Refresh reads the table again; an exception it meets shows in panel 0 and the list keeps what the read left.
#include "DedicatedForm.h"

#include <string>

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

// What tells the two counter views apart.
struct SupplicantCountersLayout {
    const CatalogTable* Table = nullptr;
    std::string FormName;
    std::string Caption;
};

class TSupplicantCountersForm : public TDedicatedForm {
public:
    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& Counters;

    void FormCreate(ui::Component* sender) override;
    void Button1Click();

protected:
    TSupplicantCountersForm(ui::Component* owner, SupplicantCountersLayout layout);

private:
    SupplicantCountersLayout layout_;
};

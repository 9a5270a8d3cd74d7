#pragma once
// TSSLManagementForm: the switch's SSL service: its state, the four cipher suites it offers and its cache
// time-out. A scalar group on the dialog frame with an asynchronous request. The cipher suites are one octet whose
// four high bits stand for the four suites; the dialog shows each bit as an "enabled"/"disabled" box.
//
// Rules a caller must know:
// - A successful read sets the four boxes from the octet's high hex digit; a read of no octet or of more than one,
//   or a failed read (its error in panel 0), leaves them as they are.
// - Set refuses when any field is empty ("Some items are empty."); otherwise one SET carries the state, the
//   octet built from the boxes (low four bits 0) and the cache time-out. The values are not read again.
// - Refresh and Set leave the request library's exceptions to the application (a time-out that is no number is
//   refused that way, before anything is sent).
#include "DedicatedForm.h"

#include <array>
#include <string>

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TSSLManagementForm : public TDedicatedForm {
public:
    explicit TSSLManagementForm(ui::Component* owner);

    ui::ComboBox* cbxSSLVersion = nullptr;
    ui::Edit* edtciphersuites = nullptr;  // hidden
    ui::Edit* edtCacheTimeOut = nullptr;
    ui::ComboBox* cbxciphersuites1 = nullptr;
    ui::ComboBox* cbxciphersuites2 = nullptr;
    ui::ComboBox* cbxciphersuites3 = nullptr;
    ui::ComboBox* cbxciphersuites4 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& Ssl;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnSetClick();

private:
    void DecodeCipherSuites();
    std::string EncodeCipherSuites() const;
    bool AnyItemEmpty() const;

    std::array<ui::ComboBox*, 4> suites_{};
};

extern TSSLManagementForm* SSLManagementForm;  // the open dialog, else null

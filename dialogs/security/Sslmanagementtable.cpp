#include "Sslmanagementtable.h"

#include "CatalogTables.h"
#include "EditorGrid.h"

#include "StdCtrls.h"

#include <cctype>

TSSLManagementForm* SSLManagementForm = nullptr;

namespace {

enum Column { Status, CipherSuites, CacheTimeout };

// The bit of each suite's box in the octet's high hex digit, box 1 first.
constexpr int SuiteBits[] = {8, 4, 2, 1};
constexpr const char* HexDigits = "0123456789ABCDEF";

int HexValue(char digit) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
    if (upper >= '0' && upper <= '9') return upper - '0';
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

}  // namespace

TSSLManagementForm::TSSLManagementForm(ui::Component* owner) : TDedicatedForm(owner, 520, 230), Ssl(AddTable()) {
    SetName("SSLManagementForm");
    SetCaption("SSL Global Settings");
    SetBorderStyle(ui::bsSingle);
    BuildButtonPanel("");
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid grid(this, this, 400, 220);
    cbxSSLVersion = grid.Combo(0, 0, "cbxSSLVersion", "SSL Status", 110);
    const char* suiteLabels[] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA", "DHE-DSS-with-3DES-EDE-CBC-SHA",
                                 "RSA-EXPORT-with-RC4-40-MD5"};
    for (int suite = 0; suite < 4; ++suite) {
        ui::ComboBox* box =
            grid.Combo(0, suite + 1, "cbxciphersuites" + std::to_string(suite + 1), suiteLabels[suite], 110);
        box->SetStyle(ui::csDropDown);
        box->Items().Add("disabled");
        box->Items().Add("enabled");
        suites_[suite] = box;
    }
    cbxciphersuites1 = suites_[0];
    cbxciphersuites2 = suites_[1];
    cbxciphersuites3 = suites_[2];
    cbxciphersuites4 = suites_[3];
    edtCacheTimeOut = grid.Edit(0, 5, "edtCacheTimeOut", "Cache Time Out", 110);
    edtciphersuites = new ui::Edit(this);
    edtciphersuites->SetName("edtciphersuites");
    edtciphersuites->SetParent(this);
    edtciphersuites->Hide();
}

void TSSLManagementForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    Ssl.OnWalkEnded = [this] { DecodeCipherSuites(); };
    Ssl.Open(
        Oid_security::E_12_7_1, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindComboBox(Status, cbxSSLVersion);
            request.BindEdit(CipherSuites, "%s{l2}", edtciphersuites);
            request.BindEdit(CacheTimeout, "%s", edtCacheTimeOut);
        },
        options);
}

// Exceptions of the read are left to the application.
void TSSLManagementForm::btnGetClick() {
    if (!Ssl.HasRequest()) return;
    Ssl.Request()->Request.Active = 1;
    Ssl.Request()->Get();
}

void TSSLManagementForm::DecodeCipherSuites() {
    if (!Ssl.HasRequest() || Ssl.Request()->RowCount == 0) return;  // a failed read shows its error only
    const std::string octet = edtciphersuites->Text();
    if (octet.size() != 2) return;
    const int value = HexValue(octet[0]);
    if (value < 0) return;
    for (int suite = 0; suite < 4; ++suite) suites_[suite]->SetItemIndex((value & SuiteBits[suite]) ? 1 : 0);
}

std::string TSSLManagementForm::EncodeCipherSuites() const {
    int value = 0;
    for (int suite = 0; suite < 4; ++suite)
        if (suites_[suite]->Text() == "enabled") value += SuiteBits[suite];
    return std::string(1, HexDigits[value]) + "0";
}

bool TSSLManagementForm::AnyItemEmpty() const {
    if (cbxSSLVersion->Text().empty() || edtCacheTimeOut->Text().empty()) return true;
    for (const ui::ComboBox* suite : suites_)
        if (suite->Text().empty()) return true;
    return false;
}

// Exceptions of the SET (a time-out that is no number among them) are left to the application.
void TSSLManagementForm::btnSetClick() {
    if (AnyItemEmpty()) {
        ShowWarning(this, "Some items are empty.");
        btnSet->SetFocus();
        return;
    }
    if (!Ssl.HasRequest()) return;
    edtciphersuites->SetText(EncodeCipherSuites());
    Ssl.Request()->Request.Active = 1;
    Ssl.Send();
}

#include "Loghosteditunit.h"

#include "EditorGrid.h"
#include "EditorInput.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

TLogHostEditForm* LogHostEditForm = nullptr;

namespace {

constexpr int Rows = 7;
constexpr int IpSubItem = 0;
constexpr int CreateAndGoEntry = 3;

bool IsSyslogPort(long long port) { return port == 514 || (port >= 6000 && port <= 65535); }

}  // namespace

TLogHostEditForm::TLogHostEditForm(ui::Form& dialog, DialogTable& table, const ui::ListView& rows)
    : TDialogEditForm(dialog, table, 320, Rows * EditorGrid::RowHeight + 85), rows_(rows) {
    SetName("LogHostEditForm");
    SetCaption("Log Host Edit");
    EditorGrid grid(this, this, 310, 100);
    cbxIndex = grid.Combo(0, 0, "cbxIndex", " Index", 170);
    FacComboBox = grid.Combo(0, 1, "FacComboBox", " Facility");
    SevComboBox = grid.Combo(0, 2, "SevComboBox", " Severity");
    PortEdit = grid.Edit(0, 3, "PortEdit", " UDP Port");
    IPAddrEdit = grid.Edit(0, 4, "IPAddrEdit", " IP Address");
    StateComboBox = grid.Combo(0, 5, "StateComboBox", " State");
    RowComboBox = grid.Combo(0, 6, "RowComboBox", " Row Status");
    const int buttonTop = grid.Bottom(Rows) + 8;
    SetButton = new ui::Button(this);
    SetButton->SetName("SetButton");
    SetButton->SetParent(this);
    SetButton->SetCaption("Set");
    SetButton->SetBounds(130, buttonTop, 80, 25);
    SetButton->OnClick = [this](ui::Component*) { SetButtonClick(); };
    CloseButton = new ui::Button(this);
    CloseButton->SetName("CloseButton");
    CloseButton->SetParent(this);
    CloseButton->SetCaption("Close");
    CloseButton->SetBounds(220, buttonTop, 80, 25);
    CloseButton->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{Index, cbxIndex},
                  {IpAddress, IPAddrEdit, "%s{l16}"},
                  {Facility, FacComboBox},
                  {Severity, SevComboBox},
                  {UdpPort, PortEdit, "%i{l5}"},
                  {State, StateComboBox}});
    PreparesEditors({}, {PortEdit, IPAddrEdit}, nullptr);
}

TLogHostEditForm::~TLogHostEditForm() {
    if (LogHostEditForm == this) LogHostEditForm = nullptr;
}

void TLogHostEditForm::Activated() {
    const bool adding = EditMode() == Mode::Add;
    SetEditorEnabled(cbxIndex, adding);
    SetEditorEnabled(RowComboBox, adding);
    if (!adding) return;
    cbxIndex->SetItemIndex(-1);
    for (ui::ComboBox* combo : {FacComboBox, SevComboBox, StateComboBox}) combo->SetItemIndex(0);
    // The user chooses createAndGo for a new server.
    table_.SelectRowStatus(RowStatusValue::Active);
}

void TLogHostEditForm::SetButtonClick() {
    if (EditMode() == Mode::Add) {
        if (AddChecksPass()) SetThroughTable(EmptyColumns());
        return;
    }
    if (!EditChecksPass()) return;
    std::vector<int> leftOut = EmptyColumns();
    leftOut.push_back(RowStatus);
    if (IPAddrEdit->Text() == "0.0.0.0") leftOut.push_back(IpAddress);
    SetThroughTable(leftOut);
}

std::vector<int> TLogHostEditForm::EmptyColumns() const {
    std::vector<int> empty;
    const std::pair<const ui::Control*, int> fields[] = {{FacComboBox, Facility},
                                                         {SevComboBox, Severity},
                                                         {PortEdit, UdpPort},
                                                         {IPAddrEdit, IpAddress},
                                                         {StateComboBox, State}};
    for (const auto& [control, column] : fields)
        if (EditorEmpty(control)) empty.push_back(column);
    return empty;
}

bool TLogHostEditForm::AddChecksPass() {
    if (cbxIndex->ItemIndex() < 0) return InputRefused(this, "Index is needed.", cbxIndex);
    if (!PortPasses() || !AddressPasses() || !AddressUnused()) return false;
    if (RowComboBox->ItemIndex() != CreateAndGoEntry)
        return InputRefused(this, "State should be createAndGo.", RowComboBox);
    if (table_.Busy()) return InputRefused(this, GetDataNotCompleteText);
    return true;
}

bool TLogHostEditForm::EditChecksPass() {
    if (!PortPasses() || !AddressPasses()) return false;
    const std::string index = cbxIndex->ItemIndex() < 0 ? std::string() : cbxIndex->Items()[cbxIndex->ItemIndex()];
    for (int i = 0; i < rows_.Items().Count(); ++i) {
        const ui::ListItem* row = rows_.Items()[i];
        if (row->Caption() != index) continue;
        // An unchanged address is the row's own.
        return row->SubItems()[IpSubItem] == IPAddrEdit->Text() || AddressUnused();
    }
    return InputRefused(this, "Index is needed.");
}

bool TLogHostEditForm::PortPasses() {
    const std::string port = PortEdit->Text();
    if (port.empty() || IsSyslogPort(TextToIntDef(port, -1))) return true;
    return InputRefused(this, "The range of UDP Port for syslog is 514 or 6000-65535.", PortEdit);
}

bool TLogHostEditForm::AddressPasses() {
    if (IPAddrEdit->Text().empty()) return InputRefused(this, "IP Address should be set.", IPAddrEdit);
    if (!IsValidHostAddress(IPAddrEdit->Text())) return InputRefused(this, "IP Address in not valid.", IPAddrEdit);
    return true;
}

bool TLogHostEditForm::AddressUnused() {
    for (int i = 0; i < rows_.Items().Count(); ++i)
        if (rows_.Items()[i]->SubItems()[IpSubItem] == IPAddrEdit->Text())
            return InputRefused(this, "IP Address must be different.", IPAddrEdit);
    return true;
}

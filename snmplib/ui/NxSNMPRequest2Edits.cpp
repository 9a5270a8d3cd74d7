// The binding records, the binding calls, the list-view binding and the steps of a read and a write.
#include "NxSNMPRequest2Edits.h"
#include "NxOptionListControls.h"

#include "ExtCtrls.h"
#include "ListView.h"
#include "NxOptionList.h"
#include "NxRawOctets.h"
#include "NxSNMPError.h"
#include "NxUtils.h"
#include "StdCtrls.h"

#include "Exception.h"

#include <QCoreApplication>

// The handlers installed on hooked controls and on the list view; their types tell ours from any put in later.
struct NxBindingHook {
    NxSNMPRequest2Edits* Owner;
    void operator()(ui::Component* sender) const { Owner->ControlChanged(sender); }
};

struct NxSelectHook {
    NxSNMPRequest2Edits* Owner;
    void operator()(ui::Component* sender, ui::ListItem* item, bool selected) const {
        Owner->ListViewSelectItem(sender, item, selected);
    }
};

namespace {

// The event a binding hooks on a control, or null for controls that are not hooked.
ui::NotifyEvent* HookedEvent(ui::Control* control) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) return &combo->OnChange;
    if (dynamic_cast<ui::RadioGroup*>(control) || dynamic_cast<ui::CheckBox*>(control)) return &control->OnClick;
    return nullptr;
}

bool IsOurHook(const ui::NotifyEvent& handler, const NxSNMPRequest2Edits* owner) {
    const NxBindingHook* hook = handler.target<NxBindingHook>();
    return hook && hook->Owner == owner;
}

// The classes that can show a value.
bool CanShowValue(const ui::Control* control) {
    return dynamic_cast<const ui::Label*>(control) || dynamic_cast<const ui::Edit*>(control) ||
           dynamic_cast<const ui::ComboBox*>(control) || dynamic_cast<const ui::RadioGroup*>(control) ||
           dynamic_cast<const ui::CheckBox*>(control);
}

// The edits a format takes: one per "%" followed by a type letter.
size_t CountEditSpecifiers(const std::string& format) {
    size_t count = 0;
    for (size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (std::string("shiufn").find(format[i + 1]) != std::string::npos) ++count;
        ++i;
    }
    return count;
}

// The text of a list-view cell between the first "[" and the first "]" (the hex of a port-list cell).
std::string BracketedText(const std::string& cell) {
    const size_t open = cell.find('[');
    const size_t from = open == std::string::npos ? 0 : open + 1;
    const size_t close = cell.find(']');
    if (close == std::string::npos || close < from) return cell.substr(from);
    return cell.substr(from, close - from);
}

}  // namespace

NxSNMPRequest2Edits::NxSNMPRequest2Edits(ui::Form* owner)
    : NxSNMPRequest2Controls(owner), EditConstraint(std::make_unique<NxEditConstraint>(owner, true)) {}

NxSNMPRequest2Edits::~NxSNMPRequest2Edits() {
    for (auto& binding : Bindings) Release(*binding);
    Bindings.clear();
    EditConstraint.reset();  // gives the edits their own handlers back
    ReleaseListView();
    Destroying = 1;
}

// ------------------------------------------------------------------------------------------------ bindings

void NxSNMPRequest2Edits::CheckVariable(int n) const {
    if (n < 0 || n >= Request.Vars.GetCount())
        throw Exception("List index out of bounds (" + std::to_string(n) + ")", 0);
}

void NxSNMPRequest2Edits::Hook(NxControlBinding& binding, ui::Control* control) {
    ui::NotifyEvent* event = HookedEvent(control);
    binding.Controls.push_back(control);
    binding.ControlLives.push_back(control->LifeToken());
    binding.SavedEvents.push_back(event ? *event : ui::NotifyEvent());
    if (event) *event = NxBindingHook{this};
}

// Gives every control of a binding that still exists its own handler back (unless another replaced ours).
void NxSNMPRequest2Edits::Release(NxControlBinding& binding) {
    for (size_t k = 0; k < binding.Controls.size(); ++k) {
        if (binding.ControlLives[k].expired()) continue;
        ui::Control* control = binding.Controls[k];
        if (auto* edit = dynamic_cast<ui::Edit*>(control); edit && EditConstraint) EditConstraint->Remove(edit);
        ui::NotifyEvent* event = HookedEvent(control);
        if (event && IsOurHook(*event, this)) *event = binding.SavedEvents[k];
    }
}

NxControlBinding& NxSNMPRequest2Edits::AddBinding(int n, int32_t offset, int32_t syntax, NxOptionList* options,
                                                  ui::Control* control) {
    CheckVariable(n);
    if (!control || !CanShowValue(control)) RaiseNxSNMPError(NxErrBadControlType);
    const NxSNMPVarItem& variable = *Request.Vars.GetVar(n);
    NxOptionList* list = options;
    if (!list && offset == 0 && syntax == variable.Syntax) list = variable.Options;
    if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) {
        if (!list) RaiseNxSNMPError(NxErrNoOptionList);
        FillComboBox(*list, *combo);
        // A prefix list would need a second control for the rest of the text; no binding call supplies one.
        if (list->Kind() == NxOptionList::KindPrefix) RaiseNxSNMPError(NxErrTooFewControls);
    } else if (auto* radio = dynamic_cast<ui::RadioGroup*>(control)) {
        if (!list) RaiseNxSNMPError(NxErrNoOptionList);
        FillRadioGroup(*list, *radio);
    }
    auto binding = std::make_unique<NxControlBinding>();
    binding->VarIndex = n;
    binding->Offset = offset;
    binding->Syntax = syntax;
    binding->Options = options;
    binding->Count = 1;
    Hook(*binding, control);
    Bindings.push_back(std::move(binding));
    return *Bindings.back();
}

void NxSNMPRequest2Edits::BindControl(int n, ui::Control* control) {
    CheckVariable(n);
    AddBinding(n, 0, Request.Vars.GetVar(n)->Syntax, nullptr, control);
}

void NxSNMPRequest2Edits::BindStaticText(int n, ui::StaticText* staticText) { BindControl(n, staticText); }

void NxSNMPRequest2Edits::BindComboBox(int n, ui::ComboBox* comboBox) {
    if (comboBox) comboBox->SetStyle(ui::csDropDownList);
    BindControl(n, comboBox);
}

void NxSNMPRequest2Edits::BindRadioGroup(int n, ui::RadioGroup* radioGroup, int) { BindControl(n, radioGroup); }

void NxSNMPRequest2Edits::BindPartControl(int n, int32_t offset, int32_t partSyntax, NxOptionList* options,
                                          ui::ComboBox* comboBox) {
    if (comboBox) comboBox->SetStyle(ui::csDropDownList);
    AddBinding(n, offset, partSyntax, options, comboBox);
}

void NxSNMPRequest2Edits::BindEdit(int n, const std::string& format, ui::Edit* edit, NxTextChecker checker) {
    BindEdit(n, format, std::vector<ui::Edit*>{edit}, checker);
}

void NxSNMPRequest2Edits::BindEdit(int n, const std::string& format, const std::vector<ui::Edit*>& edits,
                                   NxTextChecker checker) {
    CheckVariable(n);
    AddEditBinding(n, 0, Request.Vars.GetVar(n)->Syntax, nullptr, format, edits, checker);
}

void NxSNMPRequest2Edits::BindPartEdit(int n, int32_t offset, int32_t partSyntax, NxOptionList* options,
                                       const std::string& format, ui::Edit* edit, NxTextChecker checker) {
    BindPartEdit(n, offset, partSyntax, options, format, std::vector<ui::Edit*>{edit}, checker);
}

void NxSNMPRequest2Edits::BindPartEdit(int n, int32_t offset, int32_t partSyntax, NxOptionList* options,
                                       const std::string& format, const std::vector<ui::Edit*>& edits,
                                       NxTextChecker checker) {
    AddEditBinding(n, offset, partSyntax, options, format, edits, checker);
}

// One record over the edits the format takes. A format that asks for more edits than were given raises -522.
void NxSNMPRequest2Edits::AddEditBinding(int n, int32_t offset, int32_t syntax, NxOptionList* options,
                                         const std::string& format, const std::vector<ui::Edit*>& edits,
                                         NxTextChecker checker) {
    CheckVariable(n);
    const size_t wanted = CountEditSpecifiers(format);
    if (wanted > edits.size()) RaiseNxSNMPError(NxErrTooFewControls);
    const std::vector<ui::Edit*> taken(edits.begin(), edits.begin() + static_cast<std::ptrdiff_t>(wanted));
    for (ui::Edit* edit : taken)
        if (!edit) RaiseNxSNMPError(NxErrTooFewControls);
    EditConstraint->AddFormat(format, taken, checker);
    if (taken.empty()) return;
    auto binding = std::make_unique<NxControlBinding>();
    binding->VarIndex = n;
    binding->Offset = offset;
    binding->Syntax = syntax;
    binding->Options = options;
    binding->Count = static_cast<int32_t>(taken.size());
    for (ui::Edit* edit : taken) Hook(*binding, edit);
    Bindings.push_back(std::move(binding));
}

void NxSNMPRequest2Edits::BindCheckBoxes(int n, const std::string& bitNumbers,
                                         const std::vector<ui::CheckBox*>& checkBoxes) {
    AddBitBinding(n, bitNumbers, checkBoxes, 8);
}

void NxSNMPRequest2Edits::BindCheckBoxList(int n, const std::string& bitNumbers,
                                           const std::vector<ui::CheckBox*>& checkBoxes) {
    AddBitBinding(n, bitNumbers, checkBoxes, checkBoxes.size());
    // A port list the agent sends shorter than the selector's octets shows its missing ports unticked.
    if (!Bindings.empty() && Bindings.back()->VarIndex == n) Bindings.back()->MissingBitsClear = true;
}

void NxSNMPRequest2Edits::ShowMissingBitsClear(int n) {
    for (const auto& binding : Bindings)
        if (binding->VarIndex == n && binding->HasBits()) binding->MissingBitsClear = true;
}

// Check box i shows bit number i of the list; a list longer than the boxes given (or than maxBits) raises -522.
void NxSNMPRequest2Edits::AddBitBinding(int n, const std::string& bitNumbers,
                                        const std::vector<ui::CheckBox*>& checkBoxes, size_t maxBits) {
    CheckVariable(n);
    NxNumList bits;
    bits.Delimiter = ',';
    bits.Parse(bitNumbers);
    const size_t count = static_cast<size_t>(bits.Count());
    if (count > maxBits || count > checkBoxes.size()) RaiseNxSNMPError(NxErrTooFewControls);
    for (size_t i = 0; i < count; ++i)
        if (!checkBoxes[i]) RaiseNxSNMPError(NxErrTooFewControls);
    if (count == 0) return;
    auto binding = std::make_unique<NxControlBinding>();
    binding->VarIndex = n;
    binding->Syntax = Request.Vars.GetVar(n)->Syntax;
    binding->Count = static_cast<int32_t>(count);
    binding->Bits = bits.Items();
    for (size_t i = 0; i < count; ++i) Hook(*binding, checkBoxes[i]);
    Bindings.push_back(std::move(binding));
}

void NxSNMPRequest2Edits::ControlChanged(ui::Component* sender) {
    // The handlers are collected first: one of them may rebind.
    std::vector<ui::NotifyEvent> handlers;
    for (const auto& binding : Bindings)
        for (size_t k = 0; k < binding->Controls.size(); ++k)
            if (binding->Controls[k] == sender && binding->SavedEvents[k]) handlers.push_back(binding->SavedEvents[k]);
    if (handlers.empty()) return;
    Modified = 1;
    for (const ui::NotifyEvent& handler : handlers) handler(sender);
}

void NxSNMPRequest2Edits::Unbind(int n) {
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        if ((*it)->VarIndex != n) {
            ++it;
            continue;
        }
        Release(**it);
        it = Bindings.erase(it);
    }
}

void NxSNMPRequest2Edits::SetConstraintOwner(ui::Form* owner) { EditConstraint->SetOwner(owner); }

void NxSNMPRequest2Edits::SetControlsEnabled(bool enabled) {
    for (const auto& binding : Bindings)
        for (size_t k = 0; k < binding->Controls.size(); ++k)
            if (!binding->ControlLives[k].expired()) binding->Controls[k]->SetEnabled(enabled);
}

// ------------------------------------------------------------------------------------------------ list view

void NxSNMPRequest2Edits::BindListView(ui::ListView* listView, bool editsFollowSelection) {
    ReleaseListView();
    ListView = listView;
    EditsFollowSelection = editsFollowSelection ? 1 : 0;
    if (!listView) return;
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetHideSelection(false);
    listView->SetGridLines(true);
    SavedSelectItem = listView->OnSelectItem;
    listView->OnSelectItem = NxSelectHook{this};
    BuildColumns();
}

void NxSNMPRequest2Edits::ReleaseListView() {
    if (!ListView) return;
    const NxSelectHook* hook = ListView->OnSelectItem.target<NxSelectHook>();
    if (hook && hook->Owner == this) ListView->OnSelectItem = SavedSelectItem;
    SavedSelectItem = nullptr;
    ListView = nullptr;
}

namespace {

// The variables in list-view column order: the hidden ones, then the visible ones.
std::vector<int> ColumnVariables(const NxSNMPVarList& vars) {
    std::vector<int> order;
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsHiddenColumn(i)) order.push_back(i);
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsVisibleColumn(i)) order.push_back(i);
    return order;
}

}  // namespace

void NxSNMPRequest2Edits::BuildColumns() {
    if (!ListView) return;
    const NxSNMPVarList& vars = Request.Vars;
    ui::ListColumns& columns = ListView->Columns();
    if (columns.Count() >= vars.GetHiddenCount() + vars.GetVisibleCount()) {
        if (columnOrder_.empty()) columnOrder_ = ColumnVariables(vars);
        return;
    }
    columns.Clear();
    columnOrder_ = ColumnVariables(vars);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < vars.GetCount(); ++i) {
            if (pass == 0 ? !vars.IsHiddenColumn(i) : !vars.IsVisibleColumn(i)) continue;
            ui::ListColumn* column = columns.Add();
            column->SetCaption(vars.GetVar(i)->Caption);
            column->SetAutoSize(false);
            column->SetWidth(pass == 0 ? 0 : -2);
        }
    }
}

// The order the columns were built in: a column marked invalid for one SET keeps its place in the rows.
const std::vector<int>& NxSNMPRequest2Edits::ColumnOrder() {
    if (columnOrder_.empty()) columnOrder_ = ColumnVariables(Request.Vars);
    return columnOrder_;
}

void NxSNMPRequest2Edits::AddListItem() {
    if (!ListView) return;
    const std::vector<int>& order = ColumnOrder();
    ui::ListItem* item = ListView->Items().Add();
    const auto row = static_cast<size_t>(item->Index());
    if (rowPlaces_.size() <= row) rowPlaces_.resize(row + 1);
    rowPlaces_[row] = RowPlace{Request.Vars.IndexRest, Request.Vars.ReadInstance, Request.Vars.ReadKeys};
    std::string caption;
    std::vector<std::string> subTexts;
    subTexts.reserve(order.empty() ? 0 : order.size() - 1);  // the first column is the caption
    for (size_t k = 0; k < order.size(); ++k) {
        const NxSNMPVarItem& variable = *Request.Vars.GetVar(order[k]);
        std::string text = variable.Syntax == sxBitList ? PortListText(variable.Value, true) : variable.Value;
        if (k == 0) caption = std::move(text);
        else subTexts.push_back(std::move(text));
    }
    item->SetTexts(std::move(caption), std::move(subTexts));
}

void NxSNMPRequest2Edits::ListItemToData() {
    if (!ListView) return;
    const ui::ListItem* item = ListView->Selected();
    const auto row = item ? static_cast<size_t>(item->Index()) : rowPlaces_.size();
    const RowPlace place = row < rowPlaces_.size() ? rowPlaces_[row] : RowPlace{};
    Request.Vars.IndexRest = place.IndexRest;
    Request.Vars.ReadInstance = place.ReadInstance;
    Request.Vars.ReadKeys = place.ReadKeys;
    if (!item) return;
    const std::vector<int>& order = ColumnOrder();
    for (size_t k = 0; k < order.size(); ++k) {
        NxSNMPVarItem& variable = *Request.Vars.GetVar(order[k]);
        const std::string cell = item->ColumnText(static_cast<int>(k));
        variable.Value = variable.Syntax == sxBitList ? BracketedText(cell) : cell;
    }
}

void NxSNMPRequest2Edits::ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) {
    if (SavedSelectItem && !Destroying) SavedSelectItem(sender, item, selected);
    if (!selected) return;
    if (EditsFollowSelection) SetControlsEnabled(true);
    if (ListView) ListItemToData();
    DataToControls(-1);
    Modified = 0;
}

// ------------------------------------------------------------------------------------------------ steps

void NxSNMPRequest2Edits::BeforeGet() {
    if (ListView) {
        BuildColumns();
        ListView->Items().Clear();
        rowPlaces_.clear();
    }
    if (OnBeforeGet) OnBeforeGet();
}

void NxSNMPRequest2Edits::RowReceived() {
    if (!ListView) {
        DataToControls(-1);
        return;
    }
    AddListItem();
    // A blocking walk lets the window live between rows (and a Stop button clear Active). An asynchronous one
    // returns to the event loop after each answer anyway.
    if (Mode == ModeSync) QCoreApplication::processEvents();
}

void NxSNMPRequest2Edits::ControlsToRequest() {
    // Without a list view the values last read are what part and bit controls are laid over.
    lastRead_.clear();
    for (int i = 0; i < Request.Vars.GetCount(); ++i) {
        if (!ListView) lastRead_.push_back(Request.Vars.GetVar(i)->Value);
        Request.Vars.GetVar(i)->Value.clear();
    }
    if (ListView) ListItemToData();
    try {
        ControlsToData(-1);
    } catch (...) {
        lastRead_.clear();
        throw;
    }
    lastRead_.clear();
}

void NxSNMPRequest2Edits::AfterGet() {
    Modified = 0;
    // The walk is over: its last rows show now, not with the list's next batch.
    if (ListView) ListView->FlushRows();
    if (ListView && EditsFollowSelection && Request.Vars.Kind == MVT_FMV) SetControlsEnabled(false);
    if (OnAfterGet) OnAfterGet();
}

void NxSNMPRequest2Edits::BeforeSet() {
    if (OnBeforeSet) OnBeforeSet();
}

void NxSNMPRequest2Edits::AfterSet() {
    if (OnAfterSet) OnAfterSet();
}

#include "DedicatedForm.h"

#include "Application.h"
#include "ApplyBoxes.h"
#include "ComCtrls.h"
#include "EditorInput.h"
#include "EditorItems.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "Screen.h"
#include "Splitter.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

namespace {

constexpr int ButtonPanelWidth = 96;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;
constexpr int StatusPanelWidth = 50;

}  // namespace

TDedicatedForm::TDedicatedForm(ui::Component* owner, int designWidth, int designHeight, Scaling scaling)
    : ui::Form(owner) {
    SetBorderStyle(ui::bsSizeable);
    SetPosition(ui::poMainFormCenter);
    const bool scaled = scaling == Scaling::Scaled;
    SetBounds(Left(), Top(), scaled ? ScaledDialogSize(designWidth) : designWidth,
              scaled ? ScaledDialogSize(designHeight) : designHeight);
    BuildStatusBar();
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

TDedicatedForm::~TDedicatedForm() {
    // A dialog freed without closing still stops its requests before their controls go.
    ui::CloseAction action = ui::caHide;
    if (!closed_) FormClose(this, action);
}

// ------------------------------------------------------------------------------------------------ controls

void TDedicatedForm::BuildStatusBar() {
    StatusBar1 = new ui::StatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetParent(this);
    StatusBar1->SetAlign(ui::alBottom);
    StatusBar1->SetSimplePanel(false);
    StatusBar1->Panels().Add()->SetWidth(StatusPanelWidth);
}

void TDedicatedForm::BuildButtonPanel(const std::string& countName, const std::string& countLabel) {
    Panel1 = new ui::Panel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetWidth(ButtonPanelWidth);
    Panel1->SetAlign(ui::alRight);
    nextButtonTop_ = ButtonGap;
    if (!countLabel.empty()) {
        auto* label = new ui::Label(this);
        label->SetParent(Panel1);
        label->SetCaption(countLabel);
        label->SetBounds((ButtonPanelWidth - ButtonWidth) / 2, nextButtonTop_, ButtonWidth, 15);
        nextButtonTop_ += 15;
    }
    if (countName.empty()) return;
    RowCountText = new ui::StaticText(this);
    RowCountText->SetName(countName);
    RowCountText->SetParent(Panel1);
    RowCountText->SetAutoSize(false);
    RowCountText->SetBorderStyle(ui::sbsSunken);
    RowCountText->SetAlignment(ui::taCenter);
    RowCountText->SetBounds((ButtonPanelWidth - ButtonWidth) / 2, nextButtonTop_, ButtonWidth, 17);
    nextButtonTop_ += 17 + ButtonGap;
}

ui::Button* TDedicatedForm::NewPanelButton(const std::string& name, const std::string& caption,
                                           std::function<void()> click) {
    auto* button = new ui::Button(this);
    button->SetName(name);
    button->SetParent(Panel1);
    button->SetCaption(caption);
    button->SetBounds((ButtonPanelWidth - ButtonWidth) / 2, nextButtonTop_, ButtonWidth, ButtonHeight);
    nextButtonTop_ += ButtonHeight + ButtonGap;
    button->OnClick = [click = std::move(click)](ui::Component*) { click(); };
    return button;
}

namespace {

const char* RoleCaption(ButtonRole role) {
    switch (role) {
    case ButtonRole::Refresh: return "Refresh";
    case ButtonRole::Set: return "Set";
    case ButtonRole::Add: return "Add";
    case ButtonRole::Delete: return "Delete";
    case ButtonRole::Stop: return "Stop";
    case ButtonRole::Close: return "Close";
    case ButtonRole::CheckAll: return "Check All";
    case ButtonRole::ClearChecks: return "Clear Checks";
    }
    return "";
}

}  // namespace

ui::Button* TDedicatedForm::NewRoleButton(ButtonRole role, const std::string& name, std::function<void()> click) {
    return NewRoleButton(role, name, RoleCaption(role), std::move(click));
}

ui::Button* TDedicatedForm::NewRoleButton(ButtonRole role, const std::string& name, const std::string& caption,
                                          std::function<void()> click) {
    if (!click) click = [this, role] { RunRoleStep(role); };
    ui::Button* button = NewPanelButton(name, caption, std::move(click));
    roleButtons_.emplace_back(role, button);
    return button;
}

ui::Button* TDedicatedForm::RoleButton(ButtonRole role) const {
    for (const auto& [buttonRole, button] : roleButtons_)
        if (buttonRole == role) return button;
    return nullptr;
}

void TDedicatedForm::RunRoleStep(ButtonRole role) {
    switch (role) {
    case ButtonRole::Refresh: RefreshTables(); break;
    case ButtonRole::Stop: StopTables(); break;
    case ButtonRole::Close: Close(); break;
    case ButtonRole::CheckAll:
        if (applyBoxes_) applyBoxes_->CheckAll();
        break;
    case ButtonRole::ClearChecks:
        if (applyBoxes_) applyBoxes_->ClearChecks();
        break;
    case ButtonRole::Set:
    case ButtonRole::Add:
    case ButtonRole::Delete: break;  // the dialog's own rules
    }
}

void TDedicatedForm::BuildTableArea(const std::string& listName, int listHeight, bool withPages,
                                    int editorRowHeight) {
    TableList = new ui::ListView(this);
    TableList->SetName(listName);
    TableList->SetParent(this);
    TableList->SetHeight(listHeight);
    TableList->SetAlign(ui::alTop);
    Splitter1 = new ui::Splitter(this);
    Splitter1->SetParent(this);
    Splitter1->SetTop(listHeight);
    Splitter1->SetAlign(ui::alTop);
    Splitter1->SetHeight(3);  // a bar across the form, not its design-time column
    BuildEditorArea(withPages, editorRowHeight);
}

void TDedicatedForm::BuildEditorArea(bool withPages, int editorRowHeight) {
    EditorPanel = new ui::Panel(this);
    EditorPanel->SetParent(this);
    EditorPanel->SetBevelOuter(ui::bvNone);
    EditorPanel->SetAlign(ui::alClient);
    if (!withPages) return;
    PageControl1 = new ui::PageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetParent(EditorPanel);
    PageControl1->SetBounds(0, editorRowHeight, EditorPanel->Width(),
                            std::max(EditorPanel->Height() - editorRowHeight, 100));
    PageControl1->SetAlign(ui::alBottom);
}

EditorRow& TDedicatedForm::EditorLine() {
    if (!editorLine_) editorLine_ = std::make_unique<EditorRow>(this, EditorPanel);
    return *editorLine_;
}

ui::Edit* TDedicatedForm::NewEditorEdit(const std::string& name, const std::string& label, int width) {
    return EditorLine().Edit(name, label, width);
}

ui::StaticText* TDedicatedForm::NewEditorText(const std::string& name, const std::string& label, int width) {
    return EditorLine().Text(name, label, width);
}

ui::ComboBox* TDedicatedForm::NewEditorCombo(const std::string& name, const std::string& label, int width) {
    return EditorLine().Combo(name, label, width);
}

DialogTable& TDedicatedForm::AddTable() {
    tables_.push_back(std::make_unique<DialogTable>(*this, StatusPanel0()));
    return *tables_.back();
}

ui::StatusPanel* TDedicatedForm::StatusPanel0() const {
    return StatusBar1 && StatusBar1->Panels().Count() > 0 ? StatusBar1->Panels()[0] : nullptr;
}

// ------------------------------------------------------------------------------------------------ port pages

TStackingPortUitForm* TDedicatedForm::AddPortPage(const std::string& caption) {
    if (PortIndexList.empty()) PortIndexList = GetAllPortList();
    auto* selector = new TStackingPortUitForm(this);
    PortSelectors.push_back(selector);
    AddStackPortTab(caption, selector, PageControl1);
    return selector;
}

void TDedicatedForm::BindPorts(DialogRequest& request, int column, TStackingPortUitForm* selector) {
    request.BindCheckBoxList(column, PortIndexList, selector->PortCheckBoxes);
}

// ------------------------------------------------------------------------------------------------ row steps

bool TDedicatedForm::OpenRowTable(DialogTable& table, const RowTableRecipe& recipe) {
    const auto bind = [this, &recipe](DialogRequest& request) {
        request.BindListView(TableList, true);
        if (recipe.Bind) recipe.Bind(request);
        if (recipe.RowStatusCombo) request.BindComboBox(recipe.RowStatusColumn, recipe.RowStatusCombo);
    };
    const bool opened = recipe.Outside ? table.Open(*recipe.Outside, bind, recipe.Options)
                                       : recipe.Table && table.Open(*recipe.Table, recipe.Kind, recipe.KeyCount, bind,
                                                                    recipe.Options);
    table.SetRowStatus(recipe.RowStatusColumn, recipe.RowStatusCombo);
    FollowRows(table, recipe.KeyEdits);
    ClearsEditors(recipe.ClearedEdits, recipe.KeepsRowStatus ? nullptr : recipe.RowStatusCombo);
    ClearsTexts(recipe.ClearedTexts);
    if (recipe.GuardsClose) RefuseCloseWhileIncomplete(table);
    ShowRowCount();
    ResetRowButtons();
    return opened;
}

void TDedicatedForm::FollowRows(DialogTable& table, std::vector<ui::Edit*> keyEdits) {
    keyEdits_ = std::move(keyEdits);
    followsRows_ = true;
    if (TableList) TableList->OnChange = [this](ui::Component*, ui::ListItem*, ui::ItemChange) { ShowRowCount(); };
    if (TableList) TableList->RepaintsWithRows(RowCountText);
    if (table.HasRequest())
        table.Request()->OnRowSelected = [this](ui::ListItem*, bool selected) { RowSelected(selected); };
}

void TDedicatedForm::ClearsEditors(std::vector<ui::Edit*> edits, ui::ComboBox* rowStatus) {
    clearedEdits_ = std::move(edits);
    clearedRowStatus_ = rowStatus;
}

void TDedicatedForm::ShowsOnly(std::vector<ui::Control*> editors) {
    shownOnly_ = std::move(editors);
    for (ui::Control* editor : shownOnly_) SetEditorEnabled(editor, false);
}

void TDedicatedForm::ClearsTexts(std::vector<ui::StaticText*> texts) { clearedTexts_ = std::move(texts); }

void TDedicatedForm::ShowRowCount() {
    if (RowCountText && TableList) RowCountText->SetCaption(std::to_string(TableList->Items().Count()));
}

void TDedicatedForm::SetRowButtons(bool rowSelected) {
    if (ui::Button* set = RoleButton(ButtonRole::Set)) set->SetEnabled(rowSelected);
    if (ui::Button* remove = RoleButton(ButtonRole::Delete)) remove->SetEnabled(rowSelected);
    if (ui::Button* add = RoleButton(ButtonRole::Add)) add->SetEnabled(!rowSelected);
}

void TDedicatedForm::ResetRowButtons() {
    SetRowButtons(false);
    // A re-read empties the list without a selection event: the keys of a new row must be typable again.
    LockKeyEdits(false);
}

void TDedicatedForm::ClearEditors() {
    for (TStackingPortUitForm* selector : PortSelectors) selector->UncheckAllPorts();
    for (ui::Edit* edit : clearedEdits_) edit->SetText("");
    for (ui::StaticText* text : clearedTexts_) text->SetCaption("");
    if (clearedRowStatus_) clearedRowStatus_->SetItemIndex(-1);
}

void TDedicatedForm::LockKeyEdits(bool locked) {
    for (ui::Edit* edit : keyEdits_) {
        edit->SetEnabled(!locked);
        edit->SetColor(locked ? ui::clMenu : ui::clWindow);
    }
}

void TDedicatedForm::RowSelected(bool selected) {
    if (selected) {
        SetRowButtons(true);
    } else {
        ClearEditors();
        ResetRowButtons();
    }
    LockKeyEdits(selected);
    for (ui::Control* editor : shownOnly_) SetEditorEnabled(editor, false);
    RowSelectionChanged(selected);
}

void TDedicatedForm::RefreshTables() {
    if (!tables_.empty()) RefreshTables(*tables_.front());
}

void TDedicatedForm::StopTables() {
    for (const auto& table : tables_) table->Stop();
}

void TDedicatedForm::RefreshTables(DialogTable& table) {
    if (!table.PassRefreshGuard()) return;
    for (const auto& other : tables_)
        if (other.get() != &table) other->Reread();
    table.Reread();
    ShowRowCount();
    ClearEditors();
    if (followsRows_) ResetRowButtons();  // a scalar group's Set stays as it is
}

// ------------------------------------------------------------------------------------------------ closing

void TDedicatedForm::RefuseCloseWhileIncomplete(DialogTable& table) { closeGuard_ = &table; }

bool TDedicatedForm::WaitForSet(DialogTable& table, std::initializer_list<int> leftOut) {
    const bool answered = table.SendAndWait(leftOut);
    if (closeAfterWait_) {
        closeAfterWait_ = false;
        Close();
    }
    return answered;
}

bool TDedicatedForm::SetWaitThenReread(DialogTable& table, std::initializer_list<int> leftOut) {
    table.SetComplete(false);
    const bool written = table.WriteOnly([&] { WaitForSet(table, leftOut); });
    const bool stopped = !table.HasRequest() || table.Request()->Request.Active == 0;
    if (written && !stopped) return table.ReadAgain();
    table.SetComplete(true);
    return false;
}

void TDedicatedForm::FormCloseQuery(ui::Component*, bool& canClose) {
    for (const auto& table : tables_) {
        if (!table->Waiting()) continue;
        closeAfterWait_ = true;
        canClose = false;
        return;
    }
    if (!closeGuard_ || closeGuard_->Complete()) return;
    const std::string& text = closeGuard_->TableOptions().IncompleteText;
    ShowMessage(this, text.empty() ? std::string(GetDataNotCompleteText) : text);
    canClose = false;
}

void TDedicatedForm::FormClose(ui::Component*, ui::CloseAction&) {
    if (closed_) return;
    closed_ = true;
    if (TableList) TableList->ClearSelection();
    for (TStackingPortUitForm* selector : PortSelectors) delete selector;
    PortSelectors.clear();
    for (auto& table : tables_) table->Close();
}

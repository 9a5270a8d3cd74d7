#pragma once
// TDedicatedForm: the frame every dedicated dialog is a form of. It does, once, what all of them share:
// - construction: the design size, x1.25 (fraction cut off) when the screen does not run at 96 dots per inch,
//   unless the dialog does not scale;
// - the standard controls: the button panel Panel1 on the right with its sunken, centred row count, the list view
//   above a splitter and the editor panel, the page control for the port pages, and StatusBar1 with one panel
//   (width 50) that receives every status line and every caught exception;
// - port pages: one stack-unit port selector per port-list column, one tab per present unit (64 or 768 boxes);
// - the row-table steps: row count, Set/Delete/Add button states on selection, key edits locked while a row is
//   selected, the editors cleared, Refresh of every table (the table request last, skipped while busy);
// - closing: a close query that refuses while the first table's walk is incomplete (where the dialog asks for
//   one), then the selection cleared, the port selectors freed and every request stopped, waited for and freed.
//
// A dialog builds its controls in its constructor (the frame's builders give the standard ones) and opens its
// tables in its FormCreate, which the frame runs once the dialog is built (the registry's factory, or the first
// Show); a row table is opened with one OpenRowTable call. Its standard buttons are made by role: a role without
// a handler gets the frame's step (Refresh reads every table again, Stop stops every table, Close closes, Check
// All and Clear Checks act on the apply boxes given to UseApplyBoxes). Its handlers hold its own rules and call
// the steps here. Tables are closed in the order they were added: as a rule add the table request first, and its
// Refresh step (the Refresh role's) is that of the first table added.
//
// The table kind a dialog passes (in its recipe, or to DialogTable::Open) is the one used; the catalogue's own
// kind for the table is not consulted.
#include "DialogMessages.h"
#include "DialogTable.h"
#include "Form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class EditorRow;
class TStackingPortUitForm;
namespace ui {
class Button;
class Edit;
class ListView;
class PageControl;
class Panel;
class Splitter;
class StaticText;
class StatusBar;
}  // namespace ui

enum class ButtonRole : uint8_t { Refresh, Set, Add, Delete, Stop, Close, CheckAll, ClearChecks };

// A row table in one call (OpenRowTable): the request and its bindings, then the frame's row steps.
struct RowTableRecipe {
    const CatalogTable* Table = nullptr;
    // A table outside the catalogue instead (its own kind and key count are used).
    const OutsideTable* Outside = nullptr;
    NxVarListKind Kind = MVT_UMV;
    int KeyCount = 1;
    // The dialog's bindings, after the frame has bound TableList (editors following the selection).
    std::function<void(DialogRequest&)> Bind{};
    DialogTable::Options Options{};
    // The RowStatus (or status) column: its combo box is bound, moved by value and (unless the dialog keeps
    // it) emptied by ClearEditors.
    int RowStatusColumn = -1;
    ui::ComboBox* RowStatusCombo = nullptr;
    bool KeepsRowStatus = false;
    // Locked (disabled, clMenu) while a row is selected, unlocked when the buttons are reset.
    std::vector<ui::Edit*> KeyEdits{};
    // Emptied by ClearEditors, besides every port selector and the RowStatus box.
    std::vector<ui::Edit*> ClearedEdits{};
    std::vector<ui::StaticText*> ClearedTexts{};
    // The close query refuses while the table's flag is false, with the table's incomplete text.
    bool GuardsClose = false;
};

class TDedicatedForm : public ui::Form {
public:
    ~TDedicatedForm() override;

    // The frame's controls (the dialog gives them its resource names).
    ui::Panel* Panel1 = nullptr;
    ui::StaticText* RowCountText = nullptr;
    ui::ListView* TableList = nullptr;
    ui::Splitter* Splitter1 = nullptr;
    ui::Panel* EditorPanel = nullptr;
    ui::PageControl* PageControl1 = nullptr;
    ui::StatusBar* StatusBar1 = nullptr;

    // The button made for role, else null. Set, Add and Delete follow the row selection (FollowRows).
    ui::Button* RoleButton(ButtonRole role) const;

    // The port index list of the selectors' bindings ("0,...,63", or up to 767 when stacked).
    std::string PortIndexList;
    std::vector<TStackingPortUitForm*> PortSelectors;

    enum class Scaling : uint8_t { Scaled, Unscaled };

protected:
    TDedicatedForm(ui::Component* owner, int designWidth, int designHeight, Scaling scaling = Scaling::Scaled);

    // Builders of the standard controls (StatusBar1 is built by the constructor).
    // Panel1 on the right with the row count text at its top (named countName; none when it is empty), under
    // its label countLabel where the dialog has one.
    void BuildButtonPanel(const std::string& countName, const std::string& countLabel = {});
    // A button of Panel1, below the previous ones.
    ui::Button* NewPanelButton(const std::string& name, const std::string& caption,
                               std::function<void()> click);
    // A standard button of Panel1 (captioned as the role, or caption); without click it runs the frame's step.
    ui::Button* NewRoleButton(ButtonRole role, const std::string& name, std::function<void()> click = {});
    ui::Button* NewRoleButton(ButtonRole role, const std::string& name, const std::string& caption,
                              std::function<void()> click);
    // The boxes Check All and Clear Checks act on when the dialog gives them no handler.
    void UseApplyBoxes(ApplyBoxes& boxes) { applyBoxes_ = &boxes; }

    // Runs once, after the constructor: the dialog opens its tables here.
    virtual void FormCreate(ui::Component* /*sender*/) {}
    // The list view (named listName) at the top of the client area, the splitter and the editor panel below it;
    // withPages adds PageControl1 filling the editor panel under its first editorRowHeight pixels.
    void BuildTableArea(const std::string& listName, int listHeight, bool withPages, int editorRowHeight = 40);
    // Without a list (scalar groups with port pages): the editor panel filling the client area, PageControl1 under
    // its first editorRowHeight pixels when withPages.
    void BuildEditorArea(bool withPages, int editorRowHeight = 40);
    // The editor panel's row of labelled editors, left to right (EditorItems.h); the three below add to it.
    EditorRow& EditorLine();
    // A labelled edit or a labelled combo box on the editor panel's row, left to right.
    ui::Edit* NewEditorEdit(const std::string& name, const std::string& label, int width);
    ui::StaticText* NewEditorText(const std::string& name, const std::string& label, int width);
    ui::ComboBox* NewEditorCombo(const std::string& name, const std::string& label, int width);

    // A table of the dialog, closed with it (in the order added).
    DialogTable& AddTable();
    ui::StatusPanel* StatusPanel0() const;

    // Port pages: the index list (once), then a selector on a tab of PageControl1 captioned caption.
    TStackingPortUitForm* AddPortPage(const std::string& caption);
    void BindPorts(DialogRequest& request, int column, TStackingPortUitForm* selector);

    // Opens the row table of recipe: TableList and the dialog's bindings, the RowStatus column, the rows
    // followed (when a request was built), the cleared editors and texts, the close guard, the row count and
    // the row buttons reset. False when Open failed (shown in panel 0).
    bool OpenRowTable(DialogTable& table, const RowTableRecipe& recipe);

    // The row table's wiring: the list's change event writes the row count, the request's selection step sets
    // the buttons and the key edits. keyEdits stay disabled (clMenu) while a row is selected. Nothing but the
    // row count without a request.
    void FollowRows(DialogTable& table, std::vector<ui::Edit*> keyEdits = {});
    // The dialog's own step of a row selection (or its loss), after the frame's buttons and key edits.
    virtual void RowSelectionChanged(bool /*selected*/) {}
    // Editors that only show read-only columns: disabled now and again after each row selection, which enables
    // every bound control.
    void ShowsOnly(std::vector<ui::Control*> editors);
    // The editors emptied by ClearEditors, besides every port selector.
    void ClearsEditors(std::vector<ui::Edit*> edits, ui::ComboBox* rowStatus = nullptr);
    // Static texts emptied by ClearEditors as well (key values shown read-only).
    void ClearsTexts(std::vector<ui::StaticText*> texts);

    void ShowRowCount();
    // Set and Delete disabled, Add enabled, the key edits unlocked.
    void ResetRowButtons();
    // Every port selector unchecked, the registered edits, static texts and the RowStatus box emptied.
    void ClearEditors();
    // Refresh of a row table: nothing (the table's refusal text, where it has one) while the flag of table is
    // false or its request busy; else every other table re-read unless busy, then table; row count, editors
    // cleared, row buttons reset where the rows are followed.
    void RefreshTables(DialogTable& table);
    // Refresh of the first table added (the frame's Refresh step).
    void RefreshTables();
    // Stop of every table (the frame's Stop step).
    void StopTables();

    // The wait-for-answer step (DialogTable::SendAndWait). A close asked for while it waits is held back and
    // done when the wait is over, so nothing is freed under the waiting handler.
    bool WaitForSet(DialogTable& table, std::initializer_list<int> leftOut = {});
    // Set of the selected row that waits for its answer (WaitForSet) and then reads the table again, the flag false
    // meanwhile. A refused or unanswered SET is reported by the wait; a caught exception goes to panel 0. No read
    // follows an exception, a Stop during the wait or a close (the flag is then set). True when a read started.
    bool SetWaitThenReread(DialogTable& table, std::initializer_list<int> leftOut = {});

    // The close query refuses while this table's flag is false, with the table's incomplete text.
    void RefuseCloseWhileIncomplete(DialogTable& table);

    // The frame's close steps; a dialog's FormClose runs them after its own.
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    void FormClose(ui::Component* sender, ui::CloseAction& action);

private:
    void BuildStatusBar();
    void RowSelected(bool selected);
    void RunRoleStep(ButtonRole role);
    void LockKeyEdits(bool locked);
    void SetRowButtons(bool rowSelected);

    std::vector<std::unique_ptr<DialogTable>> tables_;
    std::vector<std::pair<ButtonRole, ui::Button*>> roleButtons_;
    ApplyBoxes* applyBoxes_ = nullptr;
    DialogTable* closeGuard_ = nullptr;
    std::vector<ui::Edit*> keyEdits_;
    std::vector<ui::Edit*> clearedEdits_;
    std::vector<ui::Control*> shownOnly_;
    ui::ComboBox* clearedRowStatus_ = nullptr;
    std::vector<ui::StaticText*> clearedTexts_;
    int nextButtonTop_ = 0;
    std::unique_ptr<EditorRow> editorLine_;
    bool followsRows_ = false;
    bool closed_ = false;
    bool closeAfterWait_ = false;
};

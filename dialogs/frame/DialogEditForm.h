#pragma once
// TDialogEditForm: the modal add/edit form of a table dialog whose editors stand on a second form. It has no
// request of its own: its editors are bound to the table dialog's request (so selecting a row fills them), its
// Set writes through that request and reads the table again, and its errors go to the table dialog's panel 0.
//
// The table dialog creates it (as its owner) in FormCreate, and opens it with ShowFor: captioned with the table
// dialog's caption and " (Add)" or " (Edit)". On activation the form prepares its editors by mode: for Add the
// editors are emptied and the RowStatus box set to createAndGo and disabled; for Edit the row's values stay and
// the key editors are disabled.
//
// The form lists its editors by column (BindsColumns) and the table dialog binds them with BindEditors; what the
// form's Set leaves out besides its own columns is the table dialog's rule, given as DialogSetRule. So neither
// unit needs the other's header beyond the dialog creating its form.
#include "DialogMessages.h"
#include "DialogTable.h"
#include "Form.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace ui {
class ComboBox;
class Control;
class Edit;
class ListView;
}  // namespace ui

class TDialogEditForm : public ui::Form {
public:
    enum class Mode : uint8_t { Add, Edit };

    TDialogEditForm(ui::Form& tableDialog, DialogTable& table, int designWidth, int designHeight);

    // Shows the form modally in mode; returns when it closes. The second form takes title in place of the table
    // dialog's caption.
    void ShowFor(Mode mode);
    void ShowFor(Mode mode, const std::string& title);
    // The same with a caption ending of the dialog's own (say " (Add Default Route)") in place of the mode's.
    void ShowFor(Mode mode, const std::string& title, const std::string& ending);
    Mode EditMode() const { return mode_; }

    // One editor of the form: an edit (with its input format) or a combo box, bound to column.
    struct ColumnEditor {
        int Column;
        ui::Control* Control;
        const char* Format = nullptr;  // edits only
    };
    // Binds the form's editors to the table dialog's request (in the order listed). The RowStatus box is bound by
    // the table's recipe (OpenRowTable) and is not listed here: a control bound twice would call its own hook.
    void BindEditors(DialogRequest& request) const;
    // What the table dialog decides about the form's Set, asked at each Set: the columns it leaves out as well,
    // and whether the binding reads the table again once the SET has answered without error (no read of the
    // form's own, the flag left as it is) instead of the read after every SET. Unset: nothing more left out, the
    // read after every SET.
    struct SetRule {
        std::vector<int> LeftOut{};
        bool RereadsAfterAnswer = false;
    };
    std::function<SetRule()> DialogSetRule;

protected:
    // The editors the activation prepares.
    void PreparesEditors(std::vector<ui::Edit*> keyEdits, std::vector<ui::Edit*> edits, ui::ComboBox* rowStatus);
    // The status value an Add selects on activation, for tables whose status column creates a row with a value of
    // its own (say "valid" 3); unset: createAndGo.
    void CreatesWith(int statusValue) { createValue_ = statusValue; }
    // The form's own step of an activation, after the frame's.
    virtual void Activated() {}
    void BindsColumns(std::vector<ColumnEditor> editors);
    // Controls of read-only values, disabled at every activation (selecting a row enables every bound control).
    void KeepsDisabled(std::vector<ui::Control*> controls);
    // The form's Set: one SET through the table's request with leftOut (and the dialog's) marked invalid, the
    // table read again as the dialog's rule says, the form closed. A caught exception goes to the table dialog's
    // panel 0 and into a message box owned by this form (unless it is a refused input, whose box has been shown),
    // and the form stays open.
    void SetThroughTable(std::initializer_list<int> leftOut = {});
    void SetThroughTable(const std::vector<int>& leftOut);
    void FormActivate(ui::Component* sender);

    ui::Form& tableDialog_;
    DialogTable& table_;

private:
    Mode mode_ = Mode::Add;
    int createValue_ = static_cast<int>(RowStatusValue::CreateAndGo);
    std::vector<ui::Edit*> keyEdits_;
    std::vector<ui::Edit*> edits_;
    ui::ComboBox* rowStatus_ = nullptr;
    std::vector<ui::Control*> readOnly_;
    std::vector<ColumnEditor> editors_;
};

// The table dialog's Edit: "Get data not complete" while the table's walk is incomplete; otherwise, with a row of
// list selected and the table's guard passed, form shown for it (Mode::Edit, captioned title and " (Edit)"); then
// the selection is cleared, so Edit and Delete wait for the next row chosen.
void EditSelectedRow(TDialogEditForm& form, DialogTable& table, ui::ListView& list, const std::string& title);

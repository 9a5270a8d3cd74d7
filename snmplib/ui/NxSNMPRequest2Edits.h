#pragma once
// NxSNMPRequest2Edits: the request most dialogs use. It ties the variables of its request to the dialog's controls:
// at most one report-style list view showing a table row per line, and any number of labels, static texts, edits,
// combo boxes, radio groups and check boxes, each bound to a whole variable or to a part of one (a byte or two of
// an octet string, the bits of a port mask, the four parts of an address). After a read the values go into the
// controls; before a write they come back; selecting a list-view row copies that row into the variables and from
// there into the controls.
//
// Binding a combo box, radio group or check box hooks its change (or click) event; the handler it had is kept and
// still runs. Unbind, and the destructor for every control still alive, give the controls their handlers back
// (and the list view its selection handler, the edits their own change and exit handlers), so a control that
// outlives the binding never calls into it.
#include "NxEditConstraintControls.h"
#include "NxSNMPRequest2Controls.h"
#include "NxValueCheckControls.h"

#include "Component.h"
#include "ListViewEvents.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class NxOptionList;
namespace ui {
class CheckBox;
class ComboBox;
class Control;
class Edit;
class Form;
class RadioGroup;
class StaticText;
}  // namespace ui

// One binding call: a variable (or a part of its raw octets) and the controls that show it.
struct NxControlBinding {
    int32_t VarIndex = 0;
    int32_t Offset = 0;               // byte offset of the part in the raw octets; 0 for a whole variable
    int32_t Syntax = 0;               // the variable's syntax, or the part's
    NxOptionList* Options = nullptr;  // given to the binding call; null: the variable's own for a whole binding
    int32_t Count = 0;                // number of controls
    std::vector<int32_t> Bits;        // check-box bit numbers (bit 0: the top bit of the first octet); else empty
    bool MissingBitsClear = false;    // bits beyond a shorter value show clear (port lists) instead of raising -519
    std::vector<ui::Control*> Controls;
    std::vector<ui::NotifyEvent> SavedEvents;  // the hooked event each control had; empty for edits and labels
    std::vector<std::weak_ptr<void>> ControlLives;

    bool HasBits() const { return !Bits.empty(); }
    bool IsPart(int32_t variableSyntax) const { return Offset != 0 || Syntax != variableSyntax; }
};

class NxSNMPRequest2Edits : public NxSNMPRequest2Controls {
public:
    explicit NxSNMPRequest2Edits(ui::Form* owner);
    ~NxSNMPRequest2Edits() override;

    // Run at the end of BeforeGet, BeforeSet, AfterGet and AfterSet when set.
    std::function<void()> OnBeforeGet;
    std::function<void()> OnBeforeSet;
    std::function<void()> OnAfterGet;
    std::function<void()> OnAfterSet;

    ui::LVSelectItemEvent SavedSelectItem;  // the list view's handler before BindListView
    ui::ListView* ListView = nullptr;
    std::vector<std::unique_ptr<NxControlBinding>> Bindings;
    std::unique_ptr<NxEditConstraint> EditConstraint;  // the input rules of the bound edits
    uint8_t Modified = 0;               // a hooked control changed since the last read or row selection
    uint8_t EditsFollowSelection = 1;   // bound controls are disabled after a read of an MVT_FMV list view
    uint8_t Destroying = 0;

    // Bindings of variable n. Errors raise Exception with the library's codes and add no binding: -520 a combo box
    // or radio group without an option list, -522 too few controls (for a prefix list: after filling the combo
    // box), -521 a control of a class that cannot show a value.
    void BindControl(int n, ui::Control* control);
    void BindStaticText(int n, ui::StaticText* staticText);
    void BindComboBox(int n, ui::ComboBox* comboBox);
    void BindRadioGroup(int n, ui::RadioGroup* radioGroup, int unused = 0);
    // Each "%" of format followed by s, h, i, u, f or n takes the next edit; the edits get the format's input
    // rules (one "%" segment each) with the optional checker.
    void BindEdit(int n, const std::string& format, ui::Edit* edit, NxTextChecker checker = nullptr);
    void BindEdit(int n, const std::string& format, const std::vector<ui::Edit*>& edits,
                  NxTextChecker checker = nullptr);
    // Check box i shows bit i of the bit-number list ("0,1,2,3"). BindCheckBoxes takes at most eight.
    void BindCheckBoxes(int n, const std::string& bitNumbers, const std::vector<ui::CheckBox*>& checkBoxes);
    // A port list: bits beyond a shorter value show clear; reading back writes every listed bit's octet.
    void BindCheckBoxList(int n, const std::string& bitNumbers, const std::vector<ui::CheckBox*>& checkBoxes);
    // The check boxes bound to bits of variable n so far show a bit beyond a shorter value (an empty one included)
    // clear, as a port list's do, instead of raising -519.
    void ShowMissingBitsClear(int n);
    void BindPartControl(int n, int32_t offset, int32_t partSyntax, NxOptionList* options, ui::ComboBox* comboBox);
    void BindPartEdit(int n, int32_t offset, int32_t partSyntax, NxOptionList* options, const std::string& format,
                      ui::Edit* edit, NxTextChecker checker = nullptr);
    void BindPartEdit(int n, int32_t offset, int32_t partSyntax, NxOptionList* options, const std::string& format,
                      const std::vector<ui::Edit*>& edits, NxTextChecker checker = nullptr);
    void BindListView(ui::ListView* listView, bool editsFollowSelection = true);

    // Removes every binding of variable n and gives its controls their handlers back.
    void Unbind(int n);
    // The window that parents the input rules' message boxes and takes their focus moves.
    void SetConstraintOwner(ui::Form* owner);
    void SetControlsEnabled(bool enabled);

    // Columns for the variables (hidden ones first, width 0), unless the list view has enough already.
    void BuildColumns();
    // Appends a list-view row of the current values (and keeps where the row was read with it: IndexRest,
    // ReadInstance, ReadKeys).
    void AddListItem();
    // Copies the selected list-view row back into the variables, where it was read included; with no row selected
    // that is emptied, so that a new row's instance is made of its keys alone.
    void ListItemToData();
    // Shows variable n (every variable for -1) in its bound controls.
    void DataToControls(int n);
    // Reads the controls bound to variable n (every settable variable for -1) back into the value texts. An edit
    // typed into since its input rule last checked it is checked first (NxEditConstraint::RefusalBeforeWrite): a
    // refusal raises NxErrInputRefused with the refusal's message, already shown in its box. A text that is not of
    // its syntax or outside its range raises -518 naming the variable's caption.
    void ControlsToData(int n);

protected:
    void BeforeGet() override;
    void BeforeSet() override;
    void RowReceived() override;
    void ControlsToRequest() override;
    void AfterGet() override;
    void AfterSet() override;
    // The bound list view's selection handler.
    virtual void ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected);
    // The handler of every hooked control: runs the control's own handler and marks the data modified.
    void ControlChanged(ui::Component* sender);

private:
    friend struct NxBindingHook;
    friend struct NxSelectHook;
    NxControlBinding& AddBinding(int n, int32_t offset, int32_t syntax, NxOptionList* options, ui::Control* control);
    void AddEditBinding(int n, int32_t offset, int32_t syntax, NxOptionList* options, const std::string& format,
                        const std::vector<ui::Edit*>& edits, NxTextChecker checker);
    void AddBitBinding(int n, const std::string& bitNumbers, const std::vector<ui::CheckBox*>& checkBoxes,
                       size_t maxBits);
    void Hook(NxControlBinding& binding, ui::Control* control);
    void Release(NxControlBinding& binding);
    void ReleaseListView();
    void CheckVariable(int n) const;
    const std::vector<int>& ColumnOrder();
    std::vector<int> columnOrder_;            // the variable of each list-view column, as the columns were built
    // Where each list-view row the binding added was read, by row. A deque grows without moving the rows
    // already read: a long walk touches its memory once.
    struct RowPlace {
        std::string IndexRest;
        std::string ReadInstance;
        std::vector<std::string> ReadKeys;
    };
    std::deque<RowPlace> rowPlaces_;
    void ShowBinding(const NxControlBinding& binding);
    void ReadVariable(int i, NxSNMPVarItem& variable);
    bool EditsLeftEmpty(int i) const;
    std::string ReadBinding(const NxControlBinding& binding, const NxSNMPVarItem& variable,
                            const std::string& current, const std::string& currentOctets);
    std::vector<std::string> lastRead_;  // the values before a write from the controls emptied them (no list view)
};

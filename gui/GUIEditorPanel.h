#pragma once
// The editor rows of a request (one row per variable: check box, caption, editor) and the editor panel that
// shows them with Set Checked, Check All and Clear Checks. List-view panels keep the same rows hidden and lend
// them to their Add and Edit row dialogs.
#include "GUISNMPPanel.h"
#include "NxValueCheckControls.h"

#include <set>
#include <string>
#include <vector>

namespace ui {
class ScrollBox;
}  // namespace ui

class NxSNMPRequest2Edits;

// Row kinds.
enum UIRowKind : int { rkEnd = 0, rkReadOnlyEdit = 1, rkEdit = 2, rkComboBox = 3, rkReadOnlyOptions = 4, rkComposite = 5 };

// An editor tagged with this is optional: an empty one never refuses a write.
inline constexpr int OptionalRowTag = 99;

struct UISnmpVar {
    int Kind = rkEnd;
    std::string Format;
    ui::Control* Editor = nullptr;
    ui::CheckBox* CheckBox = nullptr;
    ui::Label* Label = nullptr;
};

// The controls of a composite row: entry 0 is the bevel-less panel standing in the row's editor's place, the
// others are the controls inside it, left to right, each bound to a part of the row's variable.
class TCtrlsList {
public:
    std::vector<ui::Control*> Controls;

    ui::Panel* RowPanel() const;
    // The part controls (every entry but the panel).
    std::vector<ui::Control*> Parts() const;
    // Gives the panel the text "-" when every part shows a text, else the empty text: the editor panel takes an
    // incomplete composite row for an empty one.
    void MarkComplete() const;
};

class TEditsPanel : public ui::Panel {
public:
    TEditsPanel(ui::Component* owner, NxSNMPRequest2Edits* request);

    void SetRequest(NxSNMPRequest2Edits* request);
    void ResetRows(bool state);
    void MakeRowReadOnly(int index);
    void MakeRowEditable(int index);
    void SetDisabledColors(ui::Color fontColor, ui::Color color);
    // Lays the rows out one per line (layout 2, the only one); with resize the panel takes their extent.
    void ArrangeEdits(int layout, bool resize);
    void SetEditWidth(int width, int layout);
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    void HideVar(int index);
    void ShowVar(int index);
    void UncheckVar(int index);
    void SetVarText(int index, const std::string& text);
    void ClearRow(int index);
    void ClearRows();
    // Makes row index a composite row: its binding removed and its editor replaced by a bevel-less panel with the
    // editor's place, size and enabled state, which starts the row's control list. The caller builds the part
    // controls on the panel and binds them to the variable's parts.
    void MakeCompositeRow(int index, TCtrlsList& controls);
    // Gives an edit row a new edit format (and text checker); combo and composite rows refuse it.
    void SetVarFormat(int index, const std::string& format, NxTextChecker checker = nullptr);
    bool IsRowEmpty(int index) const;
    bool IsRowSettable(int index) const;
    bool IsKeyRow(int index) const;
    int RowCount() const { return static_cast<int>(Rows.size()) - 1; }  // without the end row
    // Ticked rows, hidden check boxes included.
    int CheckedCount() const;
    // The Set button of the panel that shows the rows now, or null.
    ui::BitBtn* CurrentSetButton() const;
    void RowCheckClick(ui::Component* sender);

    std::vector<UISnmpVar> Rows;
    ui::ScrollBox* ScrollBox;
    int EditWidth = 121;
    ui::Color DisabledFontColor = ui::clBlack;
    ui::Color DisabledColor = ui::clBtnFace;
    NxSNMPRequest2Edits* EditCtrl = nullptr;
    bool CheckedState = false;

    static constexpr int Margin = 20;
    static constexpr int Gap = 5;

private:
    void BuildVars();
    void FreeRows();
};

// Empties the request's values and copies the selected list row into them (a write's first step).
void CopySelectedRow(NxSNMPRequest2Edits& request);

class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(ui::Component* owner, NxSNMPRequest2Edits* request);

    // Widens every editor; panel and dialog grow to fit.
    void SetEditWidth(int width);
    void SetVarFormat(int index, const std::string& format);

    // Writes the ticked rows with one synchronous SET. A sender tagged 1 (a row dialog's Set) closes its dialog
    // once the write succeeded; a failed one leaves it open with the values typed.
    void SetCheckedClick(ui::Component* sender);
    void CheckAllClick(ui::Component* sender);
    void ClearChecksClick(ui::Component* sender);

    TEditsPanel* EditsPanel;
};

#pragma once
// The list-view panel: one MIB table as a list (a line per row, a column per variable) with Refresh, Stop, the
// row counter, and Add, Edit and Delete through the table's RowStatus column. Add and Edit open row dialogs
// that borrow the panel's hidden editor rows and give them back.
#include "GUIEditorPanel.h"
#include "ListViewEvents.h"

#include <functional>
#include <string>

class TListViewPanel : public ui::Panel {
public:
    TListViewPanel(ui::Component* owner, NxSNMPRequest2Edits* request);
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    ui::ListView* ListView;
    int DeleteStatusColumn = -1;
    int AddStatusColumn = -1;
    std::string AddStatusValue;
    std::string DeleteStatusValue;

    static constexpr int PixelsPerCaptionChar = 8;
    static constexpr int MaxWidth = 450;
    static constexpr int DesignHeight = 350;
};

// Called with the clicked button around Add and Edit.
using TRowDialogNotify = std::function<void(ui::Component* button)>;

class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(ui::Component* owner, NxSNMPRequest2Edits* request);

    // The RowStatus column and option text that Add writes ("createAndGo"); shows Add.
    void SetAddStatus(int column, const std::string& value);
    // The same for Delete ("destroy"); shows Delete.
    void SetDeleteStatus(int column, const std::string& value);
    // A new edit format (with a text checker) for a row of the Add and Edit dialogs.
    void SetVarFormat(int index, const std::string& format, NxTextChecker checker);

    void RefreshClick(ui::Component* sender);
    void ListViewClick(ui::Component* sender);
    void ListViewDblClick(ui::Component* sender);
    void ListViewChange(ui::Component* sender, ui::ListItem* item, ui::ItemChange change);
    void ListViewMouseMove(ui::Component* sender, int x, int y);
    void AddButtonClick(ui::Component* sender);
    void EditButtonClick(ui::Component* sender);
    void AddClick(ui::Component* sender);
    void EditClick(ui::Component* sender);
    void DeleteClick(ui::Component* sender);

    // The hint of one list row: a line per column, captions padded with tabs to the longest.
    std::string RowHint(const ui::ListItem& item) const;
    // Caption of a row dialog: the table dialog's, or on a page the page's with the device address.
    std::string RowDialogCaption(const std::string& suffix) const;

    TListViewPanel* ListViewPanel;
    TRowDialogNotify OnBeforeAdd;
    TRowDialogNotify OnAfterAdd;
    TRowDialogNotify OnBeforeEdit;
    TRowDialogNotify OnAfterEdit;

private:
    void UpdateRowCounter();
    void SetRowButtonsEnabled(bool enabled);
    // Makes a row dialog around the borrowed editor rows; the caller shows it.
    ui::Form* NewRowDialog(const std::string& suffix, TSNMPPanel*& dialogPanel);
    void PlaceRowsOnDialog(ui::Form* dialog, TSNMPPanel* dialogPanel);
    // Gives the editor rows back, frees the dialog and reads the table again.
    void EndRowDialog(ui::Form* dialog);
    void SelectComboItem(int column, const std::string& value);
    // Waits while a read of the request still runs, letting its answers in.
    void WaitForReadEnd();
};

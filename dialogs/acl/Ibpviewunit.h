#pragma once
// TIBPViewForm: the read-only views of the IP-MAC-port binding's own ACL tables (its Ethernet and IP profiles and
// rules), one implementation for the four: a row table on the dialog frame with one synchronous request, Refresh and
// Close, a row count, editors that show the selected row (edits read-only, the combo box kept disabled) and, for the
// rules, a port page. Nothing is ever written; caught exceptions show their message in panel 0.
//
// A view gives its recipe: the table, its key count and one editor per column (the port column on the port page).
#include "DedicatedForm.h"

#include <string>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

struct IbpViewEditor {
    std::string Name;
    std::string Label;
    std::string Format;  // the edit format; empty for the combo box
};

struct IbpViewRecipe {
    std::string FormName;
    const CatalogTable* Table = nullptr;
    int KeyCount = 1;
    std::string RefreshName;
    std::vector<IbpViewEditor> Editors;  // column 0 on
    int PortColumn = -1;                 // past the editors; -1 without a port page
};

class TIBPViewForm : public TDedicatedForm {
public:
    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshButton = nullptr;
    ui::Button* btnClose = nullptr;
    TStackingPortUitForm* Ports = nullptr;  // the rule views' port selector
    DialogTable& View;

protected:
    TIBPViewForm(ui::Component* owner, IbpViewRecipe recipe);

    ui::Edit* EditorEdit(int column) const;
    ui::ComboBox* EditorCombo(int column) const;

    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void Refresh();
    void ResetEditors();

    IbpViewRecipe recipe_;
    std::vector<ui::Control*> editors_;
    ui::ComboBox* combo_ = nullptr;
};

#pragma once
// TStaticFilterForm: the 802.1Q static filtering tables (unicast and multicast) on one implementation. A row is
// keyed by VLAN, MAC address and receive port and carries a port list and a status; rows are created by writing
// the status permanent (3) and removed by writing invalid (2). No get-complete flag: the writes are refused while
// the request is busy, and each write asks the binding to read the table again once the SET has answered without
// error.
//
// Add checks the VLAN ID, the MAC address (12 hex digits) and the status before anything is sent and creates the
// row with receive port 0. Everything the two dialogs do differently (names, table, texts, the order of the
// checks, Set, what Delete sends and needs) is the StaticFilterLayout a dialog passes.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

struct StaticFilterLayout {
    const char* FormName;
    int DesignWidth;
    int DesignHeight;
    const CatalogTable* Table;
    const char* ListName;
    int ListHeight;
    const char* VlanIdName;
    const char* MacName;
    const char* MacLabel;
    const char* StatusName;
    const char* PortsCaption;
    const char* AddName;
    const char* SetName;  // null: no Set, a row's ports cannot be changed in place
    const char* DeleteName;
    const char* NotPermanentText;  // Add's message for another status than "permanent"
    bool StatusCheckedFirst;       // Add checks the status before the keys
    DialogTable::ErrorText AddErrors;
    // A selected row: its keys locked (disabled) and its status fixed; else its keys read-only.
    bool LocksSelectedRow;
    // Refresh resets the editors also when no read started (a walk under way).
    bool RefreshResetsAlways;
    // Delete needs a selected row and sends the ports as shown with the status (chosen before the guards); else
    // it needs the key texts (a warning without them) and sends the status alone.
    bool DeletesSelectedRow;
};

class TStaticFilterForm : public TDedicatedForm {
public:
    ui::Edit* VlanIdEdit = nullptr;
    ui::Edit* MacEdit = nullptr;
    ui::ComboBox* StatusCombo = nullptr;
    TStackingPortUitForm* Ports = nullptr;
    DialogTable& Table;

protected:
    TStaticFilterForm(ui::Component* owner, const StaticFilterLayout& layout);
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void Refresh();
    void Add();
    void Set();
    void Delete();
    bool KeysTyped(bool warn);
    void LockSelectedRow(bool locked);
    void ResetEditors();

    const StaticFilterLayout& layout_;
};

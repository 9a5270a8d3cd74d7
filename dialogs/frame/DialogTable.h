#pragma once
// One MIB object table (or scalar group) of a dedicated dialog: its request, its get-complete flag and the steps
// every dialog runs on it. A dialog holds one DialogTable per table it shows, the table request first.
//
// Rules a caller must know:
// - Open builds the request in its own exception block (variable list, bindings, status panel 0, the flag
//   handler, the first Get). A caught Exception sets the flag and is shown in panel 0.
// - The get-complete flag is false after construction and from the start of each walk or write the dialog
//   starts until the walk ends (finished, stopped or failed). Tables opened without the flag keep it true.
// - Write runs the dialog's SETs (Send, one SET each, with the columns it leaves out marked invalid only for that
//   SET) and then reads the table again. The re-read starts when the SETs have answered (the request holds a Get
//   back while a SET is in flight), so the list never shows a row twice or an old value.
// - Close stops the request, waits (processing events) until it is idle and frees it; no row arrives afterwards.
#include "AccessScope.h"
#include "ApplyBoxes.h"
#include "Catalog.h"
#include "NxSNMPRequest2Edits.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class ComboBox;
class StatusPanel;
}  // namespace ui

inline constexpr const char* GetDataNotCompleteText = "Get data not complete";

// The request a dedicated dialog binds its controls to: NxSNMPRequest2Edits with a step after the binding's own
// selection step, where the dialog sets its buttons and locks its key edits.
class DialogRequest : public NxSNMPRequest2Edits {
public:
    using NxSNMPRequest2Edits::NxSNMPRequest2Edits;
    // Runs after the binding has shown (or not) the selected row.
    std::function<void(ui::ListItem* item, bool selected)> OnRowSelected;

protected:
    void ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) override;
};

class DialogTable {
public:
    // How a caught Exception reaches panel 0: through the request's status template, or as the bare message.
    enum class ErrorText : uint8_t { Template, Bare };

    struct Options {
        bool KeepsFlag = true;       // the get-complete flag; synchronous requests keep none
        bool Synchronous = false;    // Mode 0
        ErrorText Errors = ErrorText::Template;
        int Timeout = 0;             // hundredths of a second; 0 keeps the device default
        bool FirstGet = true;        // read as soon as it is built
    };

    DialogTable(ui::Form& form, ui::StatusPanel* statusPanel);
    ~DialogTable();
    DialogTable(const DialogTable&) = delete;
    DialogTable& operator=(const DialogTable&) = delete;

    // Builds the request over the catalogue table (CatalogTables.h names them); bind binds the dialog's
    // controls. False when an exception was caught (shown in panel 0, flag set).
    bool Open(const CatalogTable& table, NxVarListKind kind, int keyCount,
              const std::function<void(DialogRequest&)>& bind, Options options);
    bool Open(const CatalogTable& table, NxVarListKind kind, int keyCount,
              const std::function<void(DialogRequest&)>& bind);

    DialogRequest* Request() const { return request_.get(); }
    NxSNMPVarList& Vars() { return request_->Request.Vars; }
    bool Opened() const { return request_ != nullptr; }
    bool Busy() const { return request_ && request_->Busy; }
    bool Complete() const { return complete_; }
    // Where the dialog's own exception handlers put the flag.
    void SetComplete(bool complete) { complete_ = complete; }
    // The dialog's step when a walk of a table with the flag has ended (finished, stopped or failed).
    std::function<void()> OnWalkEnded;

    // The guard of Set, Add and Delete: false (after the message) while the flag is false or the request busy.
    bool PassGuard(const std::string& message = GetDataNotCompleteText) const;

    // Refresh: Active set and, unless the request is busy, the flag cleared and Get. True when a read started.
    bool Reread();
    // Stop: the walk asks for no further row and ends at its next answer; rows received stay.
    void Stop();

    // The RowStatus column and its (as a rule hidden) combo box; entries are chosen by value, so both RowStatus
    // option lists work.
    void SetRowStatus(int column, ui::ComboBox* combo);
    void SelectRowStatus(int value);
    int RowStatusColumn() const { return rowStatusColumn_; }

    // A write: flag cleared, Active set, sets (the dialog's Send calls), then the table read again. A caught
    // Exception sets the flag, goes to panel 0 and skips the read.
    void Write(const std::function<void()>& sets);
    // One SET of the controls' values with leftOut marked invalid for it only.
    void Send(std::initializer_list<int> leftOut = {});
    void Send(const std::vector<int>& leftOut);
    // One SET of the checked apply boxes' columns (the unchecked ones, and alsoLeftOut, marked invalid for it).
    void SendChecked(const ApplyBoxes& boxes, std::initializer_list<int> alsoLeftOut = {});
    // One SET whose answer is awaited, processing events, before the caller goes on: until it arrives, Stop
    // clears Active, or the request's time-out (with its retries) has passed. A SET that could not be sent is
    // not waited for. A refused or unanswered SET is reported as the library reports it (a message box); true
    // only for an answer without error.
    bool SendAndWait(std::initializer_list<int> leftOut = {});
    bool Waiting() const { return waiting_; }
    // A write without a read of its own (Send, or SendRefreshing whose answer brings the read): Active set, sets.
    // The flag is left as it is, since no walk of this write will set it. False when an Exception was caught;
    // it goes to panel 0 as errors says (unset: as the options say).
    bool WriteOnly(const std::function<void()>& sets, std::optional<ErrorText> errors = {});
    // One SET of the controls' values with leftOut marked invalid for it only; the binding reads the table again
    // when it has answered without error, so a refused SET leaves the list as it was.
    void SendRefreshing(std::initializer_list<int> leftOut = {});
    // Add: RowStatus createAndGo (4), one SET leaving out leftOut, re-read.
    void AddRow(std::initializer_list<int> leftOut = {});
    // Delete: RowStatus destroy (6), one SET of the RowStatus column alone, re-read.
    void DeleteRow();

    // Writes an exception's message into panel 0, as the options say.
    void ShowError(const std::string& message);
    void ShowError(const std::string& message, ErrorText errors);

    // Stops the request, waits while it is busy and frees it.
    void Close();

private:
    bool Get();
    void GetEnded();

    ui::Form& form_;
    ui::StatusPanel* statusPanel_;
    std::unique_ptr<DialogRequest> request_;
    Options options_;
    bool complete_ = false;
    bool waiting_ = false;
    int rowStatusColumn_ = -1;
    ui::ComboBox* rowStatusCombo_ = nullptr;
};

// A synchronous table without the get-complete flag whose first Get the dialog runs itself; a caught exception
// shows as its bare message.
inline DialogTable::Options SynchronousTableOptions() {
    DialogTable::Options options;
    options.KeepsFlag = false;
    options.Synchronous = true;
    options.Errors = DialogTable::ErrorText::Bare;
    options.FirstGet = false;
    return options;
}

// A message box titled with the application title, as the dialogs show their input errors.
void ShowMessage(ui::Control* owner, const std::string& text);

// The warning message dialog (OK button) of the Delete steps without a selected entry.
void ShowWarning(ui::Control* owner, const std::string& text);

// A MAC address key as typed: 12 hex digits, else "Invalid MAC address" is shown and false returned. A shorter
// text would otherwise make the instance of another row.
bool IsMacKey(ui::Control* owner, const std::string& text);

// The duplicate-key test of an Add: whether a row of list has key as its caption and, for a two-key table,
// secondKey as its first sub-item (exact text).
bool ListHasKey(const ui::ListView& list, const std::string& key, const std::string* secondKey = nullptr);

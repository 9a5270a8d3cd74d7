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
// - Tables opened with a walk-end step (OnWalkEnded) run it when each walk ends, whether or not they keep the flag.
// - Without a request (never opened, or closed) every step does nothing; the guards refuse.
// - Close stops the request, waits (processing events) until it is idle and frees it; no row arrives afterwards.
#include "Catalog.h"
#include "OutsideTables.h"
#include "NxSNMPRequest2Edits.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class AccessScope;
class ApplyBoxes;
namespace ui {
class ComboBox;
class Form;
class StatusBar;
class StatusPanel;
}  // namespace ui

inline constexpr const char* GetDataNotCompleteText = "Get data not complete";

// The standard RowStatus values; a RowStatus combo box is moved to them by value, so both option lists work.
enum class RowStatusValue : int { Active = 1, NotInService = 2, NotReady = 3, CreateAndGo = 4, CreateAndWait = 5, Destroy = 6 };

// The request a dedicated dialog binds its controls to: NxSNMPRequest2Edits with a step after the binding's own
// selection step, where the dialog sets its buttons and locks its key edits. A dialog that converts rows or
// control values itself derives from it (RowReceived, ControlsToRequest) and opens its table with RequestOf<T>.
class DialogRequest : public NxSNMPRequest2Edits {
public:
    using NxSNMPRequest2Edits::NxSNMPRequest2Edits;
    // Runs after the binding has shown (or not) the selected row.
    std::function<void(ui::ListItem* item, bool selected)> OnRowSelected;
    // Counts the rows the binding has shown, so a value set later is known to be the dialog's, not the row's.
    uint64_t RowsShown() const { return rowsShown_; }
    // The RowStatus box, and the item it showed for the last row shown (-1: none yet).
    ui::ComboBox* StatusCombo = nullptr;
    int ReadStatusIndex() const { return readStatusIndex_; }

protected:
    void ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) override;

private:
    uint64_t rowsShown_ = 0;
    int readStatusIndex_ = -1;
};

using RequestFactory = std::function<std::unique_ptr<DialogRequest>(ui::Form* owner)>;

// The factory of a request subclass T (constructed with the dialog as owner).
template <typename T>
RequestFactory RequestOf() {
    return [](ui::Form* owner) -> std::unique_ptr<DialogRequest> { return std::make_unique<T>(owner); };
}

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
        // The guard of Set, Add, Delete and the close query: its text while the flag is false (empty: refused
        // without a word), and whether it refuses (with the same text) while the request is busy.
        std::string IncompleteText = GetDataNotCompleteText;
        bool GuardRefusesWhileBusy = true;
        // Stop sets the flag at once (the walk still ends at its next answer).
        bool StopSetsFlag = false;
        // What Refresh says when it is refused (flag false or busy); empty: nothing.
        std::string RefreshRefusedText;
        // Panel 0 is the request's status target (its status lines); caught exceptions go there either way.
        bool StatusTarget = true;
        // The bar's one text (a status bar without panels) takes the status lines and caught exceptions instead
        // of panel 0.
        ui::StatusBar* StatusBarText = nullptr;
        // The request's class; empty: DialogRequest.
        RequestFactory MakeRequest;
        // Most rows a walk takes; an agent offering more ends it with an error in panel 0 (0: no limit).
        int MaxRows = 0;
    };

    DialogTable(ui::Form& form, ui::StatusPanel* statusPanel);
    ~DialogTable();
    DialogTable(const DialogTable&) = delete;
    DialogTable& operator=(const DialogTable&) = delete;

    // Builds the request over the catalogue table (CatalogTables.h names them); bind binds the dialog's
    // controls. False when an exception was caught (shown in panel 0, flag set); OpenFailed then says so.
    // The table kind passed here is the one the variable list is built with (the catalogue's own is not used).
    bool Open(const CatalogTable& table, NxVarListKind kind, int keyCount,
              const std::function<void(DialogRequest&)>& bind, Options options);
    bool Open(const CatalogTable& table, NxVarListKind kind, int keyCount,
              const std::function<void(DialogRequest&)>& bind);
    // A table outside the catalogue (OutsideTables.h), with its own kind and key count.
    bool Open(const OutsideTable& table, const std::function<void(DialogRequest&)>& bind, Options options);

    DialogRequest* Request() const { return request_.get(); }
    NxSNMPVarList& Vars() { return request_->Request.Vars; }
    // A request exists (built by Open and not yet freed by Close), even when Open caught an exception after it.
    bool HasRequest() const { return request_ != nullptr; }
    // The last Open caught an exception.
    bool OpenFailed() const { return openFailed_; }
    bool Busy() const { return request_ && request_->Busy; }
    bool Complete() const { return complete_; }
    const Options& TableOptions() const { return options_; }
    // Where the dialog's own exception handlers put the flag.
    void SetComplete(bool complete) { complete_ = complete; }
    // The dialog's step when a walk has ended (finished, stopped or failed), with or without the flag (an
    // asynchronous table without a status target has it only with the flag); for a synchronous table after each
    // Get the dialog starts through this table.
    std::function<void()> OnWalkEnded;

    // The guard of Set, Add and Delete, as the options say: false (after the incomplete text, where there is
    // one) without a request, while the flag is false, or while the request is busy.
    bool PassGuard() const;
    // Whether Refresh may read: false while the flag is false or the request busy (the refusal text shown where
    // the options give one).
    bool PassRefreshGuard() const;

    // Refresh: Active set and, unless the request is busy, the flag cleared and Get. True when a read started. A
    // caught exception goes to panel 0 as errors says (unset: as the options say).
    bool Reread(std::optional<ErrorText> errors = {});
    // A read whatever the request is doing: Active set, the flag cleared and Get, which the binding holds back
    // while a SET is in flight (so it follows that SET's answer, refused or not) and skips while a walk runs.
    bool ReadAgain(std::optional<ErrorText> errors = {});
    // Stop: the walk asks for no further row and ends at its next answer; rows received stay.
    void Stop();
    // Stop, then the outstanding answer awaited (processing events), so that a write after it meets no walk.
    void StopAndWait();

    // The RowStatus column and its combo box. The combo shows the selected row's state as the agent reported it;
    // a write never sends back an action read that way (createAndGo, createAndWait, destroy, which no sound agent
    // reports): while the combo still shows it, the SET leaves RowStatus out. An action the user or the dialog
    // chose (the combo changed, or SelectRowStatus after the row was shown) goes out.
    void SetRowStatus(int column, ui::ComboBox* combo);
    void SelectRowStatus(RowStatusValue value);
    // A status column of the table's own values (valid, invalid, permanent ...).
    void SelectStatusValue(int value);
    int RowStatusColumn() const { return rowStatusColumn_; }

    // A write: flag cleared, Active set, sets (the dialog's Send calls), then the table read again. A caught
    // Exception sets the flag, goes to panel 0 and skips the read.
    void Write(const std::function<void()>& sets);
    // One SET of the controls' values with leftOut marked invalid for it only. A synchronous table answers whether
    // the SET succeeded (a refusal has been reported), so a sequence of SETs can stop after it; an asynchronous one
    // whether it was sent.
    bool Send(std::initializer_list<int> leftOut = {});
    bool Send(const std::vector<int>& leftOut);
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
    void SendRefreshing(const std::vector<int>& leftOut);
    // Add: RowStatus createAndGo, one SET leaving out leftOut, re-read.
    void AddRow(std::initializer_list<int> leftOut = {});
    // Delete: RowStatus destroy, one SET of the RowStatus column alone, re-read.
    void DeleteRow();

    // Writes an exception's message into panel 0, as the options say.
    void ShowError(const std::string& message);
    void ShowError(const std::string& message, ErrorText errors);

    // Stops the request, waits while it is busy and frees it.
    void Close();

private:
    bool Get();
    void WalkEnded();
    bool Refuse(const std::string& text) const;
    // The SET of the controls' values within access, a row action read from the agent left out.
    bool SetControls(AccessScope& access, bool refreshAfter = false);
    bool ShowsReadRowAction() const;

    ui::Form& form_;
    ui::StatusPanel* statusPanel_;
    std::unique_ptr<DialogRequest> request_;
    Options options_;
    bool complete_ = false;
    bool openFailed_ = false;
    bool waiting_ = false;
    int rowStatusColumn_ = -1;
    ui::ComboBox* rowStatusCombo_ = nullptr;
    // The status value the dialog chose for its next write, and the row count shown then: a row shown afterwards
    // brings the agent's value back.
    std::optional<int> chosenStatus_;
    uint64_t chosenAtRow_ = 0;
};

// An asynchronous table without the get-complete flag: its guards test busy only.
inline DialogTable::Options NoFlagTableOptions() {
    DialogTable::Options options;
    options.KeepsFlag = false;
    return options;
}

// The row limit of a synchronous walk over a table whose key range sets none: a table that never ends cannot
// hold the window that waits for it.
inline constexpr int SynchronousRowCap = 16384;

// A synchronous table without the get-complete flag whose first Get the dialog runs itself; a caught exception
// shows as its bare message. Its walk stops at maxRows rows (the table's key range), with an error beyond.
inline DialogTable::Options SynchronousTableOptions(int maxRows = SynchronousRowCap) {
    DialogTable::Options options;
    options.KeepsFlag = false;
    options.Synchronous = true;
    options.Errors = DialogTable::ErrorText::Bare;
    options.FirstGet = false;
    options.MaxRows = maxRows;
    return options;
}

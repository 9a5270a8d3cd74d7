#pragma once
// NxSNMPRequest2Controls: the request a form reads and writes the switch through. It embeds one NxSNMPRequest and
// adds one call to read (Get) and one to write (Set) its variable list, blocking (Mode 0) or asynchronous (Mode 1);
// a Busy flag the form tests before it starts anything else or closes; a status target (a memo, a status bar or
// a status-bar panel) that receives one line per finished operation; message boxes for failures without a status
// target; result callbacks; and eight virtual steps through which subclasses move values into controls and back.
//
// Everything runs on the GUI thread; asynchronous answers arrive from the SNMP event pump, one at a time.
// One read at a time: a Get while this object's previous read still runs is refused (it returns false and leaves
// the running read alone), since both would walk the same variables and cursors. An asynchronous Get asked for
// while SETs of this object are in flight is held back until the last of them has answered (Busy stays set),
// so a read after a write sees what the write did. With MaxRows set, a walk whose agent offers more rows than that
// ends after MaxRows with an error (RowLimitText), so a table that never ends cannot hold the module; a blocking
// walk also ends when its owner form, shown modally, is closed between two rows.
#include "NxSNMPRequest.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace ui { class Form; class Memo; class StatusBar; class StatusPanel; }

class NxSNMPRequest2Controls;

// A result callback: the sender and the result record (Code 0 success, Message, Finished). Assigned when not empty.
using NxSNMPResultEvent = std::function<void(NxSNMPRequest2Controls* sender, const NxSNMPError& result)>;

// Where status lines go; the kind is decided when a line is written.
using NxStatusTarget = std::variant<std::monostate, ui::Memo*, ui::StatusBar*, ui::StatusPanel*>;

// The error of a walk cut at its row limit.
std::string RowLimitText(int32_t maxRows);

// A memo status target keeps this many of the latest lines.
inline constexpr int MaxMemoStatusLines = 200;
void AddMemoLine(ui::Memo& memo, const std::string& line);


class NxSNMPRequest2Controls {
    // First, so it outlives Request: answers that arrive while Request's destructor waits find it set.
    bool destroying_ = false;

public:
    enum : uint8_t { ModeSync = 0, ModeAsync = 1 };

    // owner: parent of this object's message boxes (may be null).
    explicit NxSNMPRequest2Controls(ui::Form* owner);
    // Stops the request; Request's destructor then waits (pumping events, at most 6 s) for answers still
    // outstanding, which are dropped.
    virtual ~NxSNMPRequest2Controls();
    NxSNMPRequest2Controls(const NxSNMPRequest2Controls&) = delete;
    NxSNMPRequest2Controls& operator=(const NxSNMPRequest2Controls&) = delete;

    NxSNMPRequest Request;
    NxSNMPResultEvent OnGetResult;
    NxSNMPResultEvent OnSetResult;
    uint8_t Mode = ModeAsync;     // any other value than 0 or 1: Get and Set prepare and send nothing
    uint8_t Busy = 0;             // a Get or Set is under way (read it; the object keeps it)
    ui::Form* OwnerForm;
    int32_t RowCount = 0;         // rows (or scalar sets) handed to RowReceived during the last Get
    int32_t MaxRows = 0;          // most rows a walk takes from the agent, filtered or not (0: no limit)
    NxStatusTarget StatusTarget;
    int32_t StatusTemplate = StatusTemplateGet;
    uint8_t RefreshAfterSet = 1;  // a table is read again after a successful Set
    NxSNMPRequest* FilterSource = nullptr;
    std::string FilterTemplate;   // row filter whose "#n" stand for FilterSource's variable n

    // Each stores its target; null clears it.
    void SetStatusMemo(ui::Memo* memo);
    void SetStatusBar(ui::StatusBar* statusBar);
    void SetStatusPanel(ui::StatusPanel* panel);
    bool HasStatusTarget() const;

    // Writes one status line with the template of the last operation, text in place of "[ERROR]".
    void ShowStatus(const std::string& text);

    // Reads the variable list. Asynchronous: true when the first request went out or nothing was to be sent.
    // Blocking: whether the last exchange succeeded. Local errors raise Exception (Busy cleared).
    bool Get();
    // Writes the variable list (an empty indexList: every settable variable), the values taken from the controls
    // first when fromControls.
    bool Set(bool refreshAfter, bool fromControls, const std::string& indexList = {},
             const std::vector<std::string>* values = nullptr);

    // The row filter made from FilterTemplate and FilterSource; empty without them.
    std::string BuildFilter();
    // A Set's result: an error always in a message box, a success on the status target (a box without one).
    void ReportSetError(const NxSNMPError& result);

    // Whether a read of this object is still under way (an asynchronous walk included).
    bool Reading() const { return reading_; }
    // Ends one write step that left by an exception (the write guard's work).
    void EndWriteStep() { WriteEnded(); }

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void RowReceived() {}
    virtual void ControlsToRequest() {}
    virtual void GetFailed(const NxSNMPError& result);
    virtual void SetFinished(const NxSNMPError& result);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

    // A message box parented to the owner form, captioned with the application title, OK button, no icon.
    void ShowMessage(const std::string& text);
    bool IsTableList() const { return Request.Vars.Kind == MVT_FMV || Request.Vars.Kind == MVT_UMV; }

private:
    bool GetBlocking();
    bool GetAsynchronous();
    bool SetBlocking(const std::string& indexList, const std::vector<std::string>* values);
    bool SetAsynchronous(const std::string& indexList, const std::vector<std::string>* values);
    // Hands the current values to RowReceived when both row filters accept them.
    void TestRow();
    bool SendNextStep(bool first);
    void GetStepFailed(const NxSNMPError& result);
    void SetSendFailed(const NxSNMPError& result);
    void EndWalk(const NxSNMPError& result);
    void StopWalk(const NxSNMPError& result);
    // The agent offers one more row than MaxRows allows.
    bool BeyondRowLimit() const { return MaxRows > 0 && walkRows_ >= MaxRows; }
    // Hands a walk's row on and counts it.
    void TakeRow();
    void EndWalkAtRowLimit();
    void ReadEnded();
    void WriteEnded();
    void StartHeldGet();
    void UpdateBusy() { Busy = (reading_ || writing_ > 0 || getHeld_) ? 1 : 0; }
    bool HasAbsentValues() const;
    void ShowFailure(const std::string& message);

    static void AsyncGetDone(void* context, NxSNMPError* result, NxSNMPVarList* vars);
    static void AsyncSetDone(void* context, NxSNMPError* result, NxSNMPVarList* vars);
    void GetDone(const NxSNMPError& result);
    void SetDone(const NxSNMPError& result);

    bool reading_ = false;    // a Get runs (for an asynchronous walk: until its last answer)
    int writing_ = 0;         // Sets under way (asynchronous: until their answers)
    bool getHeld_ = false;    // a Get waits for the SETs in flight
    int32_t walkRows_ = 0;    // rows the agent delivered in the walk under way
    std::shared_ptr<int> life_ = std::make_shared<int>(0);  // lets a completion see that a callback freed us
};

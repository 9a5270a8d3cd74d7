#pragma once
// One SNMP exchange at a time over a variable list: a GET of scalars or of one row, one GET-NEXT step of a table
// walk, or a SET, each blocking or asynchronous. Replies become value texts in the variables; failures become
// NxSNMPError records. The request never loops over a table itself: its caller repeats Get / GetAsync from the
// cursors each step leaves in the variables until a step says the walk is over.
#include "NxSNMPError.h"
#include "NxSNMPSession.h"
#include "NxSNMPVarList.h"
#include "SnmpSession.h"
#include "SnmpTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class NxSNMPRequest;

// The text of an operation refused because its request is not active: nothing was sent.
inline constexpr const char* SnmpStopText = "Stop, SNMP Request is not active.";
// The error that ends a walk whose agent answered a column's cursor again, or an OID before it.
inline constexpr const char* OidNotIncreasingText = "OID not increasing";

// Receives every error of a blocking Get and every failed send.
using NxSNMPErrorProc = void (*)(NxSNMPError* error);
// Completion of an asynchronous exchange: the caller's context, the result, the request's variables.
using NxSNMPAsyncProc = void (*)(void* context, NxSNMPError* error, NxSNMPVarList* vars);

// One asynchronous exchange in flight; it lives as long as the library holds the exchange.
struct NxAsyncCall {
    void (NxSNMPRequest::*Handler)(const snmp::AsyncResult&, const NxAsyncCall&) = nullptr;
    NxSNMPRequest* Request = nullptr;
    uint8_t ReadBack = 1;   // 1 for gets; the caller's choice for sets
    uint8_t IsSet = 0;      // a SET's noSuchName is an error, never the end of a walk
    std::vector<int> SentVars;  // a SET's variable of each varbind, to name the one the agent refused
    // A SET is tried again by the request itself, so that it knows when the agent may have seen it before.
    snmp::Pdu Sent;
    snmp::Target Target;
    int32_t TriesLeft = 0;
    uint8_t Resent = 0;
    NxSNMPAsyncProc Callback = nullptr;
    void* Context = nullptr;
};

class NxSNMPRequest {
public:
    enum PduMode : int { ModeFirstGet = 0, ModeNextGet = 1, ModeSet = 2 };

    NxSNMPRequest();
    // Clears Active, then waits up to 6 s, pumping events, for asynchronous exchanges still outstanding.
    // Answers that arrive after it gave up are dropped.
    virtual ~NxSNMPRequest();
    NxSNMPRequest(const NxSNMPRequest&) = delete;
    NxSNMPRequest& operator=(const NxSNMPRequest&) = delete;

    NxSNMPErrorProc OnError = nullptr;
    uint8_t UseGetNext = 0;      // a one-row list (MVT_SV) is read with GET-NEXT
    int32_t Timeout = 100;       // hundredths of a second per try
    int32_t Retries = 1;
    NxSNMPDevice Device;
    NxSNMPScope Scope;
    NxSNMPSecurity Security;
    NxSNMPVarList Vars;
    std::string RowFilter;       // boolean expression over the row's values; "" accepts every row
    uint8_t Active = 1;          // while 0 no exchange is started
    int32_t PendingCount = 0;    // asynchronous exchanges whose completion has not run yet
    uint64_t Serial = 0;         // counts the errors of blocking exchanges and of sends
    NxSNMPErrorCode LastCode = 0;  // what the last blocking exchange ended with: 0, or its error code
    NxSNMPError LastError;       // the last error counted in Serial

    // Copies the device defaults (agent, scope, security, time-out).
    void LoadDefaults();

    // Steps a caller may replace.
    // The text with every marker+number replaced by that variable's value as an expression operand.
    virtual std::string SubstituteVars(const std::string& text, bool quote, const std::string& marker);
    virtual std::string ParseIndex(int i, const std::string& instance);
    virtual std::string BuildIndex(int i);
    virtual void VbToValue(int i, const snmp::VarBind& vb);
    virtual void ValueToVb(int i, snmp::VarBind& vb);
    // GetExpr after a Get, SetExpr before a Set; the result becomes the variable's value.
    virtual void PostProcess(int i, bool afterGet);
    virtual bool AcceptRow(const std::string& filter);
    // Whether a walked column has ended: the received OID left the column's subtree, or did not move past the
    // previous cursor (an agent's endOfMibView repeats it, as a reply without values does; an answer with values
    // that does not move on is an error of the reply step, OidNotIncreasingText).
    // The column and the cursor as parsed from their texts: nullopt for a text that is no OID, an empty OID for
    // an empty text (no cursor yet).
    virtual bool IsColumnEnd(const std::optional<snmp::Oid>& column, const std::optional<snmp::Oid>& previous,
                             const snmp::Oid& received);

    // One blocking step. True only when a table step delivered a row.
    bool Get(bool& ok, bool first);
    // The same step sent asynchronously. Gives the send's result: code 0 when the exchange is on its way (or
    // nothing was sent because the request is inactive, ok then 0), otherwise the failure, also passed to OnError.
    NxSNMPError GetAsync(bool& ok, NxSNMPAsyncProc callback, void* context, bool first);
    // One blocking SET of the settable variables (an inactive request sends nothing and gives ok 0 and the stop
    // text; an answer without error but with exception values is a noSuchName failure naming the variable); with an index list ("0,2") only those, their values taken from
    // values (one line per listed index) when given. The variables' marks and values are restored afterwards,
    // whatever the outcome. The result record receives the exchange's code and text.
    bool Set(bool& ok, NxSNMPError& result, bool readBack, const std::string& indexList,
             const std::vector<std::string>* values = nullptr);
    NxSNMPError SetAsync(bool& ok, NxSNMPAsyncProc callback, void* context, bool readBack,
                         const std::string& indexList, const std::vector<std::string>* values = nullptr);

    bool AcceptRowFilter() { return AcceptRow(RowFilter); }
    bool AcceptRowFilter(const std::string& filter) { return AcceptRow(filter); }

    void SplitInstance(const std::string& rowInstance);
    std::string JoinInstance();
    // Whether the last row read lacks variable i (a sparse table, or an object a scalar read found missing): its
    // Value is empty and was not received.
    bool IsAbsent(int i) const;

protected:
    enum class ReplyRule { None, BlockingGet, AsyncGet };  // whether the SNMPv1 end-of-MIB rule applies, and how
    enum class ReplyOutcome { Row, Finished, EndOfMib, ErrorStop };

    // The target of the request's settings. A walk step (reuseAddress) keeps the address built for the same
    // device before instead of building (for a name: resolving) it again.
    snmp::Target PrepareTarget(bool reuseAddress = false);
    snmp::Pdu BuildPdu(int mode);
    // Stores a reply in the variables: values, cursors, ended columns, the row's keys, post-processing.
    ReplyOutcome ReplyStep(const snmp::Pdu& reply, NxSNMPErrorCode code, ReplyRule rule);
    // What the last reply step of a read found wrong in a reply without error: a varbind missing or extra
    // (-411), a value of another type than its variable's syntax (-511), or an OID that does not come after its
    // column's cursor (-411, OidNotIncreasingText; the walk ends without the row), naming the object; code 0
    // otherwise.
    const NxSNMPError& ReplyError() const { return replyError_; }
    void AsyncResponse(const snmp::AsyncResult& result, const NxAsyncCall& call);
    static void AsyncTrampoline(const snmp::AsyncResult& result, const NxAsyncCall& call);

private:
    bool IsTableKind() const { return Vars.Kind == MVT_FMV || Vars.Kind == MVT_UMV; }
    // SNMPv1 answers the GET-NEXT past the last object with noSuchName; in SNMPv2c and SNMPv3 it is an error.
    bool EndsWalkAtNoSuchName() const { return IsTableKind() && Security.Version == snmp::Version1; }
    bool ReadOperation(snmp::PduType& type) const;
    std::string BaseOid(int i) const;
    bool ColumnEnded(int i, const snmp::Oid& received);
    // Whether a column still walked received an OID inside itself that does not come after its cursor. The cursor
    // answered again with endOfMibView is the agent's end of the MIB, not a fault.
    bool OidNotIncreasing(int i, const snmp::VarBind& received);
    // A dotted OID text and its parse (nullopt: not an OID), parsed again only when the text changes.
    struct ParsedOid {
        std::string Text;
        std::optional<snmp::Oid> Oid = snmp::Oid();
        const std::optional<snmp::Oid>& Of(const std::string& text);
    };
    // Variable i's column (its BaseOid) and cursor (its LastOid), parsed.
    const std::optional<snmp::Oid>& ColumnOid(int i);
    const std::optional<snmp::Oid>& CursorOid(int i);
    // Where variable i's next GET-NEXT starts: its cursor, or its column before it has one.
    const snmp::Oid& NextFrom(int i);
    // Sets variable i's cursor to a received OID, given as text and as parsed.
    void MoveCursor(int i, const std::string& text, const snmp::Oid& oid);
    void ResetWalk();
    NxSNMPError Report(NxSNMPError error);
    NxSNMPError SendAsync(snmp::PduType type, snmp::Pdu pdu, const snmp::Target& target, bool& ok,
                          NxAsyncCall call);
    void MarkForSet(const std::string& indexList, const std::vector<std::string>* values);
    std::string ExpressionOperand(int n, bool quote);
    // The first exception value (noSuchObject, noSuchInstance, endOfMibView) of a reply as a noSuchName error
    // naming its variable; code 0 when there is none.
    NxSNMPError ExceptionError(const snmp::Pdu& reply) const;
    std::string VarName(int i) const;
    // Keeps the first fault of a read's reply (a missing, extra or wrongly typed varbind) naming its object.
    void NoteReplyError(NxSNMPErrorCode code, const std::string& name, size_t varbind);
    void WaitForPending();
    // Sends a blocking SET, trying again on time-outs; resent tells whether it went out more than once.
    int SendSet(snmp::Pdu& pdu, snmp::Target target, bool& resent);
    // After a resent SET answered inconsistentValue: whether the rows it creates (createAndGo, createAndWait) exist
    // now, i.e. the first try created them and only its answer was lost.
    bool RowsCreatedAfterAll(const snmp::Pdu& sent, const std::vector<int>& sentVars, snmp::Target target);
    // The text of a refused SET with the name of the variable at the agent's error index (counted from 1).
    std::string NameRefused(const std::string& text, int32_t errorIndex, const std::vector<int>& sentVars) const;

    snmp::AsyncScope scope_;
    std::vector<uint8_t> ended_;      // columns that ended in the current walk stay ended
    std::string lastRowInstance_;     // instance of the last row delivered, where ended columns are re-aimed
    std::vector<uint8_t> absent_;     // columns the last row delivered has no value in
    std::vector<int> pduVars_;        // the variable of each varbind of the last PDU built
    std::vector<int> sentVars_;       // the variable of each varbind of the last SET PDU built
    NxSNMPError replyError_;          // the last reply step's fault in what a read received; code 0 when none
    std::vector<ParsedOid> columnOids_;  // ColumnOid's, by variable
    std::vector<ParsedOid> cursorOids_;  // CursorOid's, by variable
    std::optional<snmp::UdpAddress> address_;  // the address last built, for addressDevice_
    NxSNMPDevice addressDevice_;
};

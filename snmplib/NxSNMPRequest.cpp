#include "NxSNMPRequest.h"

#include "Exception.h"
#include "NxDateTime.h"
#include "NxExpr.h"
#include "NxOptionList.h"
#include "NxSNMPConvert.h"
#include "NxUtils.h"

#include <QCoreApplication>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

namespace {

constexpr const char* kNull = "(NULL)";
constexpr const char* kNotDone = "(NOTDONE)";
constexpr auto kDestructorWait = std::chrono::milliseconds(6000);
constexpr int kSocketWaitMs = 5;
constexpr NxSNMPErrorCode kInvalidOid = -417;
constexpr NxSNMPErrorCode kInternalError = -403;
constexpr NxSNMPErrorCode kInvalidPdu = -411;
// The agent's error status for a create on an existing row: inconsistentValue, in SNMPv1 badValue.
constexpr int kInconsistentValue = 12;
constexpr int kBadValue = 3;

bool RefusedAsExisting(int answer, uint8_t version) {
    return answer == kInconsistentValue || (answer == kBadValue && version == snmp::Version1);
}

snmp::Session& Session() {
    if (!GlobalSnmpSession)
        RaiseNxSNMPError(kInternalError);
    return *GlobalSnmpSession;
}

const snmp::Oid& OidOrRaise(const std::optional<snmp::Oid>& oid) {
    if (!oid)
        RaiseNxSNMPError(kInvalidOid);
    return *oid;
}

snmp::Oid OidOrRaise(const std::string& text) { return OidOrRaise(snmp::Oid::Parse(text)); }

NxSNMPError ErrorOf(NxSNMPErrorCode code) {
    NxSNMPError e;
    e.Code = code;
    e.Message = NxSNMPErrorText(code);
    return e;
}

NxSNMPError Success() { return ErrorOf(0); }

// Nothing was sent: the request is not active.
NxSNMPError InactiveError() {
    NxSNMPError e;
    e.Code = NxErrUnknown;
    e.Message = SnmpStopText;
    return e;
}

// A real truncated toward zero, held within 64 bits.
int64_t Truncated(double r) {
    if (std::isnan(r))
        return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<int64_t>::min());
    constexpr double hi = 9223372036854774784.0;  // the largest double below 2^63
    return static_cast<int64_t>(std::trunc(std::clamp(r, lo, hi)));
}

uint64_t TruncatedUnsigned(double r) {
    if (std::isnan(r) || r <= 0)
        return 0;
    constexpr double hi = 18446744073709549568.0;  // the largest double below 2^64
    return static_cast<uint64_t>(std::trunc(std::min(r, hi)));
}

// The element of items for variable i, added when missing.
template <class T>
T& SlotOf(std::vector<T>& items, int i) {
    const size_t slot = static_cast<size_t>(i);
    if (items.size() <= slot)
        items.resize(slot + 1);
    return items[slot];
}

// The sub-identifiers of oid below column; nullopt when oid does not lie below it.
std::optional<snmp::Oid> InstanceBelow(const std::optional<snmp::Oid>& column, const snmp::Oid& oid) {
    if (!column || oid.size() <= column->size() || !oid.StartsWith(*column))
        return std::nullopt;
    const auto& arcs = oid.Arcs();
    return snmp::Oid(std::vector<uint32_t>(arcs.begin() + static_cast<std::ptrdiff_t>(column->size()), arcs.end()));
}

// Waits until a session socket is readable, at most a few milliseconds.
void WaitForSockets() {
    std::vector<pollfd> fds;
    if (GlobalSnmpSession)
        for (int fd : GlobalSnmpSession->Sockets())
            fds.push_back(pollfd{fd, POLLIN, 0});
    poll(fds.data(), fds.size(), kSocketWaitMs);
}

// Restores a variable list when it goes out of scope: the marks and values made for one SET never outlive it.
class VarsRestorer {
public:
    explicit VarsRestorer(NxSNMPVarList& vars) : vars_(vars), saved_(vars) {}
    ~VarsRestorer() { vars_ = saved_; }
    VarsRestorer(const VarsRestorer&) = delete;
    VarsRestorer& operator=(const VarsRestorer&) = delete;

private:
    NxSNMPVarList& vars_;
    NxSNMPVarList saved_;
};

} // namespace

// ------------------------------------------------------------------------------------------------ life

NxSNMPRequest::NxSNMPRequest() { LoadDefaults(); }

NxSNMPRequest::~NxSNMPRequest() {
    Active = 0;
    WaitForPending();
    scope_.Detach();
}

void NxSNMPRequest::LoadDefaults() {
    Device = DefaultSNMPDevice;
    Scope = DefaultSNMPScope;
    Security = DefaultSNMPSecurity;
    Timeout = DefaultSNMPTimeout;
}

void NxSNMPRequest::WaitForPending() {
    const auto start = std::chrono::steady_clock::now();
    while (PendingCount > 0 && std::chrono::steady_clock::now() - start < kDestructorWait) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        if (GlobalSnmpSession)
            GlobalSnmpSession->ProcessPendingEvents();
        if (PendingCount > 0)
            WaitForSockets();
    }
}

// ------------------------------------------------------------------------------------------------ conversions

std::string NxSNMPRequest::ParseIndex(int i, const std::string& instance) { return ::ParseIndex(Vars, i, instance); }
std::string NxSNMPRequest::BuildIndex(int i) { return ::BuildIndex(Vars, i); }
void NxSNMPRequest::VbToValue(int i, const snmp::VarBind& vb) { ::VbToValue(Vars, i, vb); }
void NxSNMPRequest::ValueToVb(int i, snmp::VarBind& vb) { ::ValueToVb(Vars, i, vb); }
void NxSNMPRequest::SplitInstance(const std::string& rowInstance) { ::SplitInstance(Vars, rowInstance); }
std::string NxSNMPRequest::JoinInstance() { return ::JoinInstance(Vars); }

// ------------------------------------------------------------------------------------------------ expressions

std::string NxSNMPRequest::ExpressionOperand(int n, bool quote) {
    if (n < 0 || n >= Vars.GetCount())
        RaiseNxSNMPError(NxErrBadSyntaxInExpression);
    const NxSNMPVarItem& var = *Vars.GetVar(n);
    const std::string value = var.Options ? var.Options->TextToValue(var.Value) : var.Value;
    if (value == kNull)
        RaiseNxSNMPError(NxErrNullInExpression);
    switch (var.Syntax) {
    case sxBoolean: case sxBool8: case sxBool16:
        return value == "true" ? "1" : "0";
    case sxInteger: case sxCounter: case sxGauge: case sxCounter64: case sxUInteger: case sxDouble:
    case sxInt8: case sxUInt8: case sxInt16: case sxUInt16:
        return value;
    case sxTimeTicks:
        return std::to_string(TimeTicksFromText(value));
    case sxBcDateTime: {
        const auto number = TextToDateTimeNumber(value);
        if (!number)
            RaiseNxSNMPError(NxErrBadSyntaxInExpression);
        return FloatToText(*number);
    }
    default:
        if (!quote)
            RaiseNxSNMPError(NxErrBadSyntaxInExpression);
        return "\"" + value + "\"";
    }
}

std::string NxSNMPRequest::SubstituteVars(const std::string& text, bool quote, const std::string& marker) {
    std::string out = text;
    if (marker.empty())
        return out;
    // The search goes on after each replacement: a value holding the marker is never substituted again.
    size_t from = 0;
    for (size_t at = out.find(marker); at != std::string::npos; at = out.find(marker, from)) {
        size_t end = at + marker.size();
        int n = 0;
        for (; end < out.size() && out[end] >= '0' && out[end] <= '9'; ++end)
            n = n > 100000 ? n : n * 10 + (out[end] - '0');
        const std::string operand = ExpressionOperand(n, quote);
        out.replace(at, end - at, operand);
        from = at + operand.size();
    }
    return out;
}

void NxSNMPRequest::PostProcess(int i, bool afterGet) {
    NxSNMPVarItem& var = *Vars.GetVar(i);
    const std::optional<std::string>& expr = afterGet ? var.GetExpr : var.SetExpr;
    if (!expr)
        return;
    const double r = EvalArithmetic(SubstituteVars(*expr, false, "$"));
    std::string text;
    switch (var.Syntax) {
    case sxBoolean:
        text = r == 0 ? "false" : "true";
        break;
    case sxInteger:
        text = std::to_string(Truncated(r));
        break;
    case sxCounter: case sxGauge: case sxUInteger:
        text = std::to_string(static_cast<uint32_t>(Truncated(r)));
        break;
    case sxTimeTicks:
        text = TimeTicksText(static_cast<uint32_t>(Truncated(r)));
        break;
    case sxCounter64:
        text = std::to_string(TruncatedUnsigned(r));
        break;
    case sxDouble:
        text = FloatToText(r);
        break;
    case sxBcDateTime:
        text = DateTimeNumberToText(r).value_or(kNull);
        break;
    default:
        RaiseNxSNMPError(NxErrBadSyntaxInExpression);
    }
    var.Value = var.Options ? var.Options->ValueToText(text) : text;
}

bool NxSNMPRequest::AcceptRow(const std::string& filter) {
    if (filter.empty())
        return true;
    return EvalBoolean(SubstituteVars(filter, true, "$"));
}

// ------------------------------------------------------------------------------------------------ walking

bool NxSNMPRequest::IsColumnEnd(const std::optional<snmp::Oid>& column, const std::optional<snmp::Oid>& previous,
                                const snmp::Oid& received) {
    if (!IsTableKind())
        return false;
    // Whole sub-identifiers: column 1.1 does not hold 1.10.5.
    if (!column || received.size() <= column->size() || !received.StartsWith(*column))
        return true;
    return previous && received <= *previous;
}

bool NxSNMPRequest::ColumnEnded(int i, const snmp::Oid& received) {
    uint8_t& ended = SlotOf(ended_, i);
    if (!ended && IsColumnEnd(ColumnOid(i), CursorOid(i), received))
        ended = 1;
    return ended != 0;
}

bool NxSNMPRequest::OidNotIncreasing(int i, const snmp::VarBind& received) {
    if (!IsTableKind() || SlotOf(ended_, i)) return false;
    const std::optional<snmp::Oid>& column = ColumnOid(i);
    const std::optional<snmp::Oid>& cursor = CursorOid(i);
    if (!column || !cursor || cursor->empty() || received.oid.size() <= column->size() ||
        !received.oid.StartsWith(*column))
        return false;
    if (*cursor < received.oid) return false;
    return received.oid != *cursor || received.value.type != snmp::ValueType::EndOfMibView;
}

const std::optional<snmp::Oid>& NxSNMPRequest::ParsedOid::Of(const std::string& text) {
    if (text != Text) {
        Text = text;
        Oid = snmp::Oid::Parse(text);
    }
    return Oid;
}

const std::optional<snmp::Oid>& NxSNMPRequest::ColumnOid(int i) {
    // Without an instance the column is the variable's own OID text: no text to build.
    if (Vars.Instance.empty())
        return SlotOf(columnOids_, i).Of(Vars.GetVar(i)->Oid);
    return SlotOf(columnOids_, i).Of(BaseOid(i));
}

const std::optional<snmp::Oid>& NxSNMPRequest::CursorOid(int i) {
    return SlotOf(cursorOids_, i).Of(Vars.GetVar(i)->LastOid);
}

void NxSNMPRequest::MoveCursor(int i, const std::string& text, const snmp::Oid& oid) {
    Vars.GetVar(i)->LastOid = text;
    ParsedOid& cursor = SlotOf(cursorOids_, i);
    cursor.Text = text;
    cursor.Oid = oid;
}

const snmp::Oid& NxSNMPRequest::NextFrom(int i) {
    return OidOrRaise(Vars.GetVar(i)->LastOid.empty() ? ColumnOid(i) : CursorOid(i));
}

void NxSNMPRequest::ResetWalk() {
    ended_.assign(static_cast<size_t>(Vars.GetCount()), 0);
    absent_.clear();
    lastRowInstance_.clear();
}

std::string NxSNMPRequest::BaseOid(int i) const {
    const NxSNMPVarItem& var = *Vars.GetVar(i);
    return Vars.Instance.empty() ? var.Oid : var.Oid + "." + Vars.Instance;
}

std::string NxSNMPRequest::VarName(int i) const {
    const NxSNMPVarItem& var = *Vars.GetVar(i);
    return var.Caption.empty() ? var.Oid : var.Caption;
}

void NxSNMPRequest::NoteReplyError(NxSNMPErrorCode code, const std::string& name, size_t varbind) {
    if (replyError_.Code != 0)
        return;
    replyError_ = ErrorOf(code);
    replyError_.Message = NamedErrorText(replyError_.Message, name);
    replyError_.ErrorIndex = static_cast<int32_t>(varbind + 1);
}

NxSNMPError NxSNMPRequest::ExceptionError(const snmp::Pdu& reply) const {
    for (size_t j = 0; j < reply.varbinds.size(); ++j) {
        if (!reply.varbinds[j].value.IsException())
            continue;
        const std::string name = j < pduVars_.size() ? VarName(pduVars_[j]) : reply.varbinds[j].oid.ToString();
        NxSNMPError error = ErrorOf(NxErrNoSuchName);
        error.Message = NamedErrorText(error.Message, name);
        error.ErrorIndex = static_cast<int32_t>(j + 1);
        return error;
    }
    return Success();
}

NxSNMPRequest::ReplyOutcome NxSNMPRequest::ReplyStep(const snmp::Pdu& reply, NxSNMPErrorCode code, ReplyRule rule) {
    const bool endOfMibRule = rule != ReplyRule::None && code == NxErrNoSuchName && EndsWalkAtNoSuchName();
    // What each readable column received; a column without an instance of its own has ended.
    struct Received {
        int Var = 0;
        const snmp::VarBind* Answer = nullptr;  // in the reply; null when the reply lacks it
        snmp::VarBind StandIn;                  // what a missing varbind reads as
        std::string Text;      // Vb's OID, dotted
        bool Ended = false;
        std::optional<snmp::Oid> Instance;
        bool Missing = false;
        const snmp::VarBind& Vb() const { return Answer ? *Answer : StandIn; }
    };
    std::vector<Received> received;
    received.reserve(static_cast<size_t>(Vars.GetCount()));
    size_t j = 0;
    size_t ended = 0;
    replyError_ = Success();
    // What a read answered without error must hold: one varbind per readable variable, each of its syntax.
    const bool checked = rule != ReplyRule::None && code == 0;
    for (int i = 0; i < Vars.GetCount(); ++i) {
        if (!Vars.IsReadable(i))
            continue;
        const NxSNMPVarItem& var = *Vars.GetVar(i);
        Received r;
        r.Var = i;
        // A reply short of varbinds: the missing ones read as the request's own cursor without value.
        if (j < reply.varbinds.size())
            r.Answer = &reply.varbinds[j];
        else
            r.StandIn.oid = NextFrom(i);
        r.Text = r.Vb().oid.ToString();
        ++j;
        if (endOfMibRule) {
            // SNMPv1 answers the GET-NEXT past the last object with noSuchName for the request's own OID.
            if (var.LastOid == r.Text)
                return ReplyOutcome::EndOfMib;
            if (rule == ReplyRule::AsyncGet)
                return ReplyOutcome::ErrorStop;
            Report(ErrorOf(code));
        }
        r.Missing = j > reply.varbinds.size();
        if (checked && !r.Missing && OidNotIncreasing(i, r.Vb())) {
            // An agent that does not move on would walk the same rows for ever: the walk ends, without this row.
            replyError_ = ErrorOf(kInvalidPdu);
            replyError_.Message = NamedErrorText(OidNotIncreasingText, VarName(i));
            replyError_.ErrorIndex = static_cast<int32_t>(j);
            return ReplyOutcome::Finished;
        }
        r.Ended = ColumnEnded(i, r.Vb().oid);
        if (!r.Ended && IsTableKind())
            r.Instance = InstanceBelow(ColumnOid(i), r.Vb().oid);
        received.push_back(std::move(r));
    }
    // The row is the lowest instance the columns reached: a column that lacks it (a sparse table) has no value
    // in this row and waits for its own next instance.
    std::optional<snmp::Oid> row;
    for (const Received& r : received)
        if (r.Instance && (!row || *r.Instance < *row))
            row = r.Instance;
    const std::string rowInstance = row ? row->ToString() : std::string();
    absent_.assign(static_cast<size_t>(Vars.GetCount()), 0);
    for (const Received& r : received) {
        NxSNMPVarItem& var = *Vars.GetVar(r.Var);
        if (r.Ended) {
            ++ended;
            var.Value = kNotDone;
            // Re-aimed at the last row delivered, so that it stays with the rows the other columns deliver.
            const std::string column = BaseOid(r.Var);
            var.LastOid = lastRowInstance_.empty() ? column : column + "." + lastRowInstance_;
        } else if (IsTableKind() && r.Instance && *r.Instance != *row) {
            // Its cursor stays: the next step brings the same later instance again. A cursor aimed at another
            // column's instance could make an agent skip this column's rows.
            var.Value.clear();
            absent_[static_cast<size_t>(r.Var)] = 1;
        } else if (!IsTableKind() && r.Vb().value.IsException()) {
            // An object the agent lacks shows nothing (the exchange reports it).
            var.Value.clear();
            MoveCursor(r.Var, r.Text, r.Vb().oid);
            absent_[static_cast<size_t>(r.Var)] = 1;
        } else if (checked && (r.Missing || !IsValueOfSyntax(var.Syntax, r.Vb().value))) {
            // A value the reply lacks, or one of another type, is no value: shown empty, and the read failed.
            var.Value.clear();
            MoveCursor(r.Var, r.Text, r.Vb().oid);
            absent_[static_cast<size_t>(r.Var)] = 1;
            const auto varbind = static_cast<size_t>(&r - received.data());
            NoteReplyError(r.Missing ? kInvalidPdu : NxErrBadSyntax, VarName(r.Var), varbind);
        } else {
            VbToValue(r.Var, r.Vb());
            MoveCursor(r.Var, r.Text, r.Vb().oid);
        }
    }
    if (checked && reply.varbinds.size() != j) {
        // A varbind the request did not ask for.
        const size_t extra = std::min(j, reply.varbinds.size());
        if (extra < reply.varbinds.size())
            NoteReplyError(kInvalidPdu, reply.varbinds[extra].oid.ToString(), extra);
        else if (!received.empty())
            NoteReplyError(kInvalidPdu, VarName(received[extra].Var), extra);
    }
    if (ended == j)
        return ReplyOutcome::Finished;
    if (IsTableKind()) {
        SplitInstance(rowInstance);
        lastRowInstance_ = rowInstance;
    }
    // Values of a failed exchange are no values: no expression runs over them, nor over a cell the row lacks.
    if (code == 0)
        for (int i = 0; i < Vars.GetCount(); ++i)
            if (!IsAbsent(i))
                PostProcess(i, true);
    return IsTableKind() ? ReplyOutcome::Row : ReplyOutcome::Finished;
}

bool NxSNMPRequest::IsAbsent(int i) const {
    return i >= 0 && static_cast<size_t>(i) < absent_.size() && absent_[static_cast<size_t>(i)] != 0;
}

// ------------------------------------------------------------------------------------------------ building

snmp::Target NxSNMPRequest::PrepareTarget(bool reuseAddress) {
    if (!reuseAddress || !address_ || addressDevice_.Address != Device.Address || addressDevice_.Port != Device.Port) {
        address_ = snmp::UdpAddress(Device.Address, Device.Port);
        addressDevice_ = Device;
    }
    if (!address_->Valid())
        RaiseNxSNMPError(NxErrBadAddress);
    snmp::Target target;
    target.address = *address_;
    target.version = Security.Version;
    target.retries = Retries;
    target.timeout = Timeout;
    if (Security.Version == snmp::Version3) {
        target.securityModel = Security.SecurityModel;
        target.securityName = Security.SecurityName;
        const int added = Session().AddUser(Security.SecurityName, Security.AuthProtocol, Security.PrivProtocol,
                                            Security.AuthPassword, Security.PrivPassword);
        if (added != snmp::result::Success)
            RaiseNxSNMPError(MapSnmpResult(added).Code);
    } else {
        target.readCommunity = Security.ReadCommunity;
        target.writeCommunity = Security.WriteCommunity;
    }
    return target;
}

snmp::Pdu NxSNMPRequest::BuildPdu(int mode) {
    snmp::Pdu pdu;
    pdu.securityLevel = Security.SecurityLevel;
    pdu.contextName = Scope.ContextName;
    pdu.contextEngineId = Scope.ContextEngineID;
    if (mode == ModeFirstGet)
        ResetWalk();
    pduVars_.clear();
    sentVars_.clear();
    pdu.varbinds.reserve(static_cast<size_t>(Vars.GetCount()));
    for (int i = 0; i < Vars.GetCount(); ++i) {
        NxSNMPVarItem& var = *Vars.GetVar(i);
        snmp::VarBind vb;
        if (mode == ModeFirstGet) {
            if (!Vars.IsReadable(i))
                continue;
            var.LastOid.clear();
            vb.oid = OidOrRaise(Vars.Kind == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i));
        } else if (mode == ModeNextGet) {
            if (!Vars.IsReadable(i))
                continue;
            if (Vars.Kind == SVT_SV || Vars.Kind == MVT_SV)
                RaiseNxSNMPError(NxErrGetNextSingleValue);
            // A column that joined after the first step starts from its own OID.
            vb.oid = NextFrom(i);
        } else {
            if ((IsTableKind() && i < Vars.KeyCount) || !Vars.IsSettable(i))
                continue;
            // A cell the row lacks keeps lacking it.
            if (IsNoValueText(var.Syntax, var.Options ? var.Options->TextToValue(var.Value) : var.Value))
                continue;
            const std::string base = BaseOid(i);
            try {
                switch (Vars.Kind) {
                case SVT_SV: vb.oid = OidOrRaise(base + ".0"); break;
                case MVT_SV: vb.oid = OidOrRaise(base); break;
                // The keys' values, then what they leave of the row's instance (fewer keys than the index).
                case MVT_FMV: case MVT_UMV: vb.oid = OidOrRaise(base + "." + WriteInstance(Vars)); break;
                default: RaiseNxSNMPError(NxErrBadListKind);
                }
                ValueToVb(i, vb);
            } catch (const Exception& e) {
                // A value that cannot be sent names its variable; nothing is sent.
                throw Exception(NamedErrorText(e.Message, var.Caption), e.HelpContext);
            }
            sentVars_.push_back(i);
        }
        pduVars_.push_back(i);
        pdu.varbinds.push_back(std::move(vb));
    }
    return pdu;
}

bool NxSNMPRequest::ReadOperation(snmp::PduType& type) const {
    switch (Vars.Kind) {
    case SVT_SV: type = snmp::PduType::Get; return true;
    case MVT_SV: type = UseGetNext ? snmp::PduType::GetNext : snmp::PduType::Get; return true;
    case MVT_FMV: case MVT_UMV: type = snmp::PduType::GetNext; return true;
    default: return false;
    }
}

NxSNMPError NxSNMPRequest::Report(NxSNMPError error) {
    error.Serial = ++Serial;
    LastError = error;
    if (OnError)
        OnError(&error);
    return error;
}

// ------------------------------------------------------------------------------------------------ get

bool NxSNMPRequest::Get(bool& ok, bool first) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    const snmp::Target target = PrepareTarget(!first);
    snmp::Pdu pdu = BuildPdu(first ? ModeFirstGet : ModeNextGet);
    snmp::PduType type;
    if (!ReadOperation(type)) {
        ok = false;
        Report(ErrorOf(NxErrBadListKind));
        return false;
    }
    const int result = type == snmp::PduType::Get ? Session().Get(pdu, target) : Session().GetNext(pdu, target);
    const NxSNMPError mapped = MapSnmpResult(result);
    LastCode = mapped.Code;
    if (mapped.Code != 0) {
        ok = false;
        if (!(mapped.Code == NxErrNoSuchName && EndsWalkAtNoSuchName()))
            Report(mapped);
    } else if (!IsTableKind()) {
        // An answer without error whose values are exceptions (noSuchObject, ...) is no value.
        if (const NxSNMPError missing = ExceptionError(pdu); missing.Code != 0) {
            ok = false;
            LastCode = missing.Code;
            Report(missing);
        }
    }
    const ReplyOutcome outcome = ReplyStep(pdu, mapped.Code, ReplyRule::BlockingGet);
    if (ok && replyError_.Code != 0) {
        ok = false;
        LastCode = replyError_.Code;
        Report(replyError_);
    }
    switch (outcome) {
    case ReplyOutcome::Row:
        return true;
    case ReplyOutcome::EndOfMib:
        ok = false;
        return false;
    default:
        return false;
    }
}

NxSNMPError NxSNMPRequest::GetAsync(bool& ok, NxSNMPAsyncProc callback, void* context, bool first) {
    ok = true;
    if (!Active) {
        ok = false;
        return Success();
    }
    const snmp::Target target = PrepareTarget(!first);
    snmp::Pdu pdu = BuildPdu(first ? ModeFirstGet : ModeNextGet);
    snmp::PduType type;
    if (!ReadOperation(type)) {
        ok = false;
        return Report(ErrorOf(NxErrBadListKind));
    }
    NxAsyncCall call;
    call.Handler = &NxSNMPRequest::AsyncResponse;
    call.Request = this;
    call.ReadBack = 1;
    call.Callback = callback;
    call.Context = context;
    return SendAsync(type, std::move(pdu), target, ok, std::move(call));
}

// ------------------------------------------------------------------------------------------------ set

void NxSNMPRequest::MarkForSet(const std::string& indexList, const std::vector<std::string>* values) {
    if (!indexList.empty()) {
        NxNumList listed;
        listed.Delimiter = ',';
        listed.Parse(indexList);
        for (int i = 0; i < Vars.GetCount(); ++i) {
            NxSNMPVarItem& var = *Vars.GetVar(i);
            const int32_t at = listed.IndexOf(i);
            if (at < 0) {
                var.Access |= invalid;
                continue;
            }
            var.Access &= ~invalid;
            if (values && static_cast<size_t>(at) < values->size())
                var.Value = (*values)[static_cast<size_t>(at)];
        }
    }
    for (int i = 0; i < Vars.GetCount(); ++i)
        PostProcess(i, false);
}

std::string NxSNMPRequest::NameRefused(const std::string& text, int32_t errorIndex,
                                       const std::vector<int>& sentVars) const {
    if (errorIndex < 1 || static_cast<size_t>(errorIndex) > sentVars.size())
        return text;
    const int i = sentVars[static_cast<size_t>(errorIndex - 1)];
    if (i >= Vars.GetCount())
        return text;
    const NxSNMPVarItem& var = *Vars.GetVar(i);
    return text + " (" + (var.Caption.empty() ? var.Oid : var.Caption) + ")";
}

int NxSNMPRequest::SendSet(snmp::Pdu& pdu, snmp::Target target, bool& resent) {
    const snmp::Pdu request = pdu;
    const int tries = std::max(target.retries, 0) + 1;
    target.retries = 0;
    int answer = snmp::result::Timeout;
    for (int t = 0; t < tries && answer == snmp::result::Timeout; ++t) {
        resent = t > 0;
        pdu = request;
        answer = Session().Set(pdu, target);
    }
    return answer;
}

bool NxSNMPRequest::RowsCreatedAfterAll(const snmp::Pdu& sent, const std::vector<int>& sentVars,
                                        snmp::Target target) {
    snmp::Pdu status;
    status.securityLevel = sent.securityLevel;
    status.contextName = sent.contextName;
    status.contextEngineId = sent.contextEngineId;
    std::vector<int32_t> expected;
    for (size_t j = 0; j < sent.varbinds.size() && j < sentVars.size(); ++j) {
        const NxSNMPVarItem& var = *Vars.GetVar(sentVars[j]);
        const snmp::Value& value = sent.varbinds[j].value;
        if (!var.Options || value.type != snmp::ValueType::Integer)
            continue;
        const std::string meaning = var.Options->ValueToText(std::to_string(value.AsInt32()));
        if (meaning != "createAndGo" && meaning != "createAndWait")
            continue;
        status.varbinds.push_back({sent.varbinds[j].oid, {}});
        expected.push_back(value.AsInt32());
    }
    if (status.varbinds.empty() || Session().Get(status, target) != snmp::result::Success)
        return false;
    for (size_t k = 0; k < status.varbinds.size(); ++k) {
        const snmp::Value& now = status.varbinds[k].value;
        if (now.type != snmp::ValueType::Integer)
            return false;
        // createAndGo leaves an active row (1), createAndWait one not in service (2) or not ready (3).
        const int32_t state = now.AsInt32();
        if (expected[k] == 4 ? state != 1 : state != 2 && state != 3)
            return false;
    }
    return true;
}

bool NxSNMPRequest::Set(bool& ok, NxSNMPError& result, bool readBack, const std::string& indexList,
                        const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        const NxSNMPError inactive = InactiveError();
        result.Code = inactive.Code;
        result.Message = inactive.Message;
        return false;
    }
    snmp::Target target;
    snmp::Pdu pdu;
    {
        VarsRestorer restore(Vars);
        MarkForSet(indexList, values);
        target = PrepareTarget();
        pdu = BuildPdu(ModeSet);
    }
    const std::vector<int> sentVars = sentVars_;
    const snmp::Pdu sent = pdu;
    bool resent = false;
    int answer = SendSet(pdu, target, resent);
    if (resent && RefusedAsExisting(answer, Security.Version) && RowsCreatedAfterAll(sent, sentVars, target))
        answer = snmp::result::Success;
    NxSNMPError mapped = MapSnmpResult(answer);
    // Some agents refuse a write without an error status, answering exception values instead.
    const NxSNMPError missing = mapped.Code == 0 ? ExceptionError(pdu) : Success();
    if (missing.Code != 0)
        mapped = missing;
    LastCode = mapped.Code;
    result.Code = mapped.Code;
    result.Message = mapped.Message;
    result.ErrorIndex = pdu.errorIndex;
    if (mapped.Code != 0) {
        ok = false;
        result.Serial = ++Serial;
        result.Message = missing.Code != 0 ? missing.Message : NameRefused(mapped.Message, pdu.errorIndex, sentVars);
    }
    if (!readBack)
        return false;
    return ReplyStep(pdu, mapped.Code, ReplyRule::None) == ReplyOutcome::Row;
}

NxSNMPError NxSNMPRequest::SetAsync(bool& ok, NxSNMPAsyncProc callback, void* context, bool readBack,
                                    const std::string& indexList, const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        return InactiveError();
    }
    snmp::Target target;
    snmp::Pdu pdu;
    {
        VarsRestorer restore(Vars);
        MarkForSet(indexList, values);
        target = PrepareTarget();
        pdu = BuildPdu(ModeSet);
    }
    NxAsyncCall call;
    call.Handler = &NxSNMPRequest::AsyncResponse;
    call.Request = this;
    call.ReadBack = readBack ? 1 : 0;
    call.IsSet = 1;
    call.SentVars = sentVars_;
    call.Sent = pdu;
    call.Target = target;
    call.TriesLeft = target.retries;
    target.retries = 0;
    call.Callback = callback;
    call.Context = context;
    return SendAsync(snmp::PduType::Set, std::move(pdu), target, ok, std::move(call));
}

// ------------------------------------------------------------------------------------------------ asynchronous

NxSNMPError NxSNMPRequest::SendAsync(snmp::PduType type, snmp::Pdu pdu, const snmp::Target& target, bool& ok,
                                     NxAsyncCall call) {
    auto record = std::make_shared<const NxAsyncCall>(std::move(call));
    snmp::Completion completion = [record](const snmp::AsyncResult& r) { AsyncTrampoline(r, *record); };
    snmp::Session& session = Session();
    int sent;
    switch (type) {
    case snmp::PduType::Get: sent = session.GetAsync(std::move(pdu), target, scope_, std::move(completion)); break;
    case snmp::PduType::GetNext:
        sent = session.GetNextAsync(std::move(pdu), target, scope_, std::move(completion));
        break;
    default: sent = session.SetAsync(std::move(pdu), target, scope_, std::move(completion)); break;
    }
    if (sent != snmp::result::Success) {
        ok = false;
        return Report(MapSnmpResult(sent));
    }
    ++PendingCount;
    return Success();
}

void NxSNMPRequest::AsyncTrampoline(const snmp::AsyncResult& result, const NxAsyncCall& call) {
    (call.Request->*call.Handler)(result, call);
}

void NxSNMPRequest::AsyncResponse(const snmp::AsyncResult& result, const NxAsyncCall& call) {
    if (result.reason == snmp::result::SessionDestroyed) {
        --PendingCount;
        return;
    }
    if (call.IsSet && result.result == snmp::result::Timeout && call.TriesLeft > 0 && Active) {
        NxAsyncCall again = call;
        --again.TriesLeft;
        again.Resent = 1;
        snmp::Target target = call.Target;
        target.retries = 0;
        bool sent = true;  // SendAsync clears it on a failure
        SendAsync(snmp::PduType::Set, call.Sent, target, sent, std::move(again));
        if (sent) {
            --PendingCount;  // this exchange ends here; the new one carries on
            return;
        }
    }
    int answer = result.result;
    if (call.IsSet && call.Resent && RefusedAsExisting(answer, Security.Version)) {
        try {
            if (RowsCreatedAfterAll(call.Sent, call.SentVars, call.Target))
                answer = snmp::result::Success;
        } catch (const std::exception&) {
        }
    }
    NxSNMPError error = MapSnmpResult(answer);
    error.ErrorIndex = answer == snmp::result::Success ? 0 : result.pdu.errorIndex;
    if (call.IsSet && error.Code != 0)
        error.Message = NameRefused(error.Message, error.ErrorIndex, call.SentVars);
    error.AgentAddress = result.agent.Host();
    error.AgentPort = result.agent.Port();
    const bool walkEnd = !call.IsSet && error.Code == NxErrNoSuchName && EndsWalkAtNoSuchName();
    // A write or a scalar read answered without error but with exception values failed.
    NxSNMPError missing;
    if (error.Code == 0 && (call.IsSet || !IsTableKind()))
        missing = ExceptionError(result.pdu);
    try {
        if ((error.Code == 0 && call.ReadBack) || walkEnd) {
            switch (ReplyStep(result.pdu, error.Code, call.IsSet ? ReplyRule::None : ReplyRule::AsyncGet)) {
            case ReplyOutcome::Row:
                break;
            case ReplyOutcome::EndOfMib:
                error.Code = 0;
                error.Message = NxSNMPErrorText(0);
                error.Finished = 1;
                break;
            default:
                error.Finished = 1;
                break;
            }
        } else {
            error.Finished = 1;
        }
        if (missing.Code == 0 && error.Code == 0 && !call.IsSet)
            missing = replyError_;
        if (missing.Code != 0) {
            error.Code = missing.Code;
            error.Message = missing.Message;
            error.ErrorIndex = missing.ErrorIndex;
            error.Finished = 1;
        }
    } catch (const Exception& e) {
        // A reply that cannot be stored ends the exchange with its error, never silently.
        error.Code = e.HelpContext;
        error.Message = e.Message;
        error.Finished = 1;
    } catch (const std::exception&) {
        error.Code = kInternalError;
        error.Message = NxSNMPErrorText(kInternalError);
        error.Finished = 1;
    }
    // Counted down before the caller hears of it: the caller may free the request in its callback.
    --PendingCount;
    if (call.Callback)
        call.Callback(call.Context, &error, &Vars);
}

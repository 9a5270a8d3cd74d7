#pragma once
// The library's error-code space, its message tables and the result record of one exchange.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// One signed code for every failure and every exchange result: 0 success, -1/-2 expression and edit format, -3
// refused edit input, -101.. agent status, -201.. SNMPv3 processing, -301.. USM, -401.. SNMP library, -501.. the
// library's own.
using NxSNMPErrorCode = int32_t;

enum : NxSNMPErrorCode {
    NxErrBadLogicOperand = -1,
    NxErrBadEditFormat = -2,
    NxErrInputRefused = -3,  // an edit's input rule refused the text before a write (its message box was shown)
    NxErrNoSuchName = -102,
    NxErrTimeout = -405,
    NxErrTransportFailed = -422,
    NxErrCreateSession = -506,
    NxErrLoadBootCounter = -507,
    NxErrSaveBootCounter = -508,
    NxErrBadAddress = -509,
    NxErrGetNextSingleValue = -510,
    NxErrBadSyntax = -511,
    NxErrNullInExpression = -512,
    NxErrBadSyntaxInExpression = -513,
    NxErrBadKeyCount = -514,
    NxErrBadListKind = -515,
    NxErrBadPartSyntax = -517,
    NxErrBadPartValue = -518,
    NxErrPartOutOfRange = -519,
    NxErrNoOptionList = -520,
    NxErrBadControlType = -521,
    NxErrTooFewControls = -522,
    NxErrUnknown = -528,
};

// The result of one exchange. The asynchronous completions fill ErrorIndex, AgentAddress, AgentPort and Finished;
// blocking exchanges and sends fill Serial.
struct NxSNMPError {
    NxSNMPErrorCode Code = 0;
    int32_t ErrorIndex = 0;
    std::string Message;
    std::string AgentAddress;
    uint16_t AgentPort = 0;
    uint8_t Finished = 0;
    uint64_t Serial = 0;
};

// A table of message texts indexed from 0. A message file may replace its texts at start-up.
class NxMessageTable {
public:
    NxMessageTable(std::initializer_list<const char*> texts);

    size_t Size() const { return texts_.size(); }
    // An index beyond the table gives the empty text.
    const std::string& operator[](size_t index) const;
    void Replace(std::vector<std::string> texts) { texts_ = std::move(texts); }

private:
    std::vector<std::string> texts_;
};

extern NxMessageTable CommonErrorMessages;
extern NxMessageTable SnmpErrorMessages;
extern NxMessageTable SnmpV3ErrorMessages;
extern NxMessageTable SnmpUsmErrorMessages;
extern NxMessageTable SnmpClassErrorMessages;
extern NxMessageTable NxSNMPErrorMessages;
extern NxMessageTable SnmpStatusTemplates;

enum : size_t { StatusTemplateGet = 0, StatusTemplateSet = 1 };

// Maps a result of the SNMP library (or an agent's error status) to a code and its text.
NxSNMPError MapSnmpResult(int result);

// The text of any code of the code space; a code outside it gives the text of -528.
std::string NxSNMPErrorText(int code);

// Throws Exception(text of code, code).
[[noreturn]] void RaiseNxSNMPError(int code);
// The same error naming what it is about: "text (subject)". Gives the message such an error carries.
std::string NamedErrorText(const std::string& message, const std::string& subject);

// Replaces a table by the non-empty lines of a text file. A missing file or one without a non-empty line leaves the
// table as it is; indexes beyond the file's lines keep their current texts.
// A path that is there but no regular file (a FIFO would block), or a file beyond 16 MiB, raises Exception naming
// it; the table stays.
void LoadMessageFile(NxMessageTable& table, const std::string& path);

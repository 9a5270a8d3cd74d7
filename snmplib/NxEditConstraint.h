#pragma once
// Input rules of single-line edits, written as short format texts ("%s{l16}", "%i{n1x4094l4}", "%s{I}").
// This is the rule without any widget: a format parsed into an NxEditFormat, the filter that runs on every change
// of the edit's text and the check that runs when the focus leaves the edit for another control of its window.
// The control glue keeps one NxEditRule per edit and acts on the results: it sets texts, beeps, posts the
// next-control message, shows the message box (parented to the owner, captioned with the application title, OK
// button), gives the focus back, and calls the edit's saved change and exit handlers through the callbacks below.
// The glue also keeps the exit check from running when another window takes the focus or when its own message box
// does, so a refusal never re-enters.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Bits of NxEditFormat::LengthFlags, the letters after the digits of the l option.
enum : uint16_t {
    NxEditAdvanceAtLength = 1,  // a: move to the next control when the length is reached while typing
    NxEditExactLength = 2,      // f: exact length (type n: exact count of numbers)
    NxEditNotEmpty = 4,         // n: an empty text is refused
};

// NxEditFormat::AddressForm: which address checker decides the exit check of an s or h edit.
enum : uint8_t {
    NxEditNoAddress = 0,
    NxEditIp = 1,             // I
    NxEditMulticastIp = 2,    // Im
    NxEditIpv6 = 3,           // I6
    NxEditMulticastIpv6 = 4,  // I6m
    NxEditMac = 5,            // M
    NxEditMulticastMac = 6,   // Mm
    NxEditUnicastMac = 7,     // Mu
};

// The beep for a character that the rule removes.
constexpr unsigned NxEditBeepFrequency = 1000;  // Hz
constexpr unsigned NxEditBeepDuration = 200;    // ms

// One parsed format: "%", a type letter (s, h, i, u, f, or n with its delimiter), then optionally options in braces.
struct NxEditFormat {
    char TypeLetter = 's';
    char Delimiter = 0;        // type n: the character between the numbers
    double MinValue = 0;       // n option, else the type's default
    double MaxValue = 0;       // x option, else the type's default
    int32_t LengthLimit = 0;   // l option: maximum or exact length, for type n a count of numbers; 0 none
    uint8_t CustomCheck = 0;   // Z option: the checker given with the format decides the exit check
    uint8_t AddressForm = NxEditNoAddress;
    uint16_t LengthFlags = 0;  // NxEditAdvanceAtLength | NxEditExactLength | NxEditNotEmpty
    char ExitChar = 0;         // e option: typing it moves to the next control; 0 none
    int32_t Width = 0;         // w option: the edit's width in pixels; 0 leaves the width alone
};

// Parses one format. A bad format raises code -2 (" Bad format specifier of edit's constraint!"); a number of the
// n or x option that does not read as a real raises the conversion error (code 0) instead.
NxEditFormat ParseEditFormat(const std::string& format);

// Cuts a text of several formats into one format per edit: each segment begins at a "%" and reaches to the next
// "%" or the end; text before the first "%" is a segment of its own (a bad format); a final "%" starts none.
std::vector<std::string> SplitEditFormats(const std::string& formats);

// "(NULL)" and "(NOTDONE)", the texts of values not read, which are never filtered or checked.
bool IsEditMarkerText(const std::string& text);

// A checker given with a format (used by the Z option): true when the text is acceptable. It may rewrite the text;
// the rewritten text becomes the edit's text.
using NxEditChecker = std::function<bool(std::string& text)>;

// The edit's saved change or exit handler, run by the glue on the edit showing `text`. Gives true when the handler
// vetoed the rest (it set the edit's Tag to -1). An empty function stands for no saved handler.
using NxEditSavedHandler = std::function<bool(const std::string& text)>;

// What the glue does after one change of the text.
struct NxEditChange {
    std::string Text;         // the edit's text from now on
    int32_t Caret = 0;        // the caret in Text
    bool Changed = false;     // Text differs from the text given: set it (setting it runs the change again)
    bool Beep = false;        // a character the rule does not allow was removed
    bool MoveToNext = false;  // post the next-control message to the owner
};

// What the glue does when the focus left the edit for another control of the same window.
struct NxEditExit {
    enum Outcome { Ignored, Passed, Refused, Vetoed };
    Outcome Result = Ignored;
    std::string Message;       // Refused with a message: the box's text, placeholders filled; empty: no box
    bool SetText = false;      // put Text into the edit
    std::string Text;
    bool FocusEdit = false;    // give the focus back to the edit
};

// The rule of one edit with its last accepted text.
class NxEditRule {
public:
    explicit NxEditRule(const std::string& format, NxEditChecker checker = {});

    // A new format for the same edit; the last accepted text stays. A bad format raises and changes nothing.
    void Assign(const std::string& format, NxEditChecker checker = {});

    const NxEditFormat& Format() const { return format_; }
    // The edit's maximum text length (0: no limit).
    int32_t MaxTextLength() const { return format_.LengthLimit; }

    // The filter, run on each change of the text. oldText is the text before the change when the user typed or
    // pasted (growth beyond the length limit is cut at the caret, as the edit's own limit does); a change made by
    // code passes the new text itself. At most one character goes per call: the text set by the glue runs the
    // change again. savedChange runs only for a text that passed; its veto stops the move to the next control.
    NxEditChange OnChange(const std::string& oldText, const std::string& text, int32_t caret,
                          const NxEditSavedHandler& savedChange = {}) const;

    // The exit check. savedExit runs only for a text that passed; its veto puts the last accepted text back.
    // With rememberText, a text that passed becomes the last accepted text.
    NxEditExit OnExit(const std::string& text, bool rememberText, const NxEditSavedHandler& savedExit = {});

    // The text a refusal puts back: the last one that passed the exit check or was set by code (a row's value, an
    // emptied editor), whichever came later.
    const std::string& LastGoodText() const { return lastGoodText_; }
    void SaveText(const std::string& text) { lastGoodText_ = text; }

private:
    NxEditExit Refuse(size_t message, const std::vector<std::pair<const char*, std::string>>& fills) const;
    NxEditExit RefuseSilently() const;
    NxEditExit CheckType(const std::string& text) const;
    NxEditExit CheckNumber(const std::string& text) const;
    NxEditExit CheckAddress(const std::string& text) const;
    NxEditExit CheckLength(const std::string& text) const;
    NxEditExit CheckNumberList(const std::string& text) const;

    NxEditFormat format_;
    NxEditChecker checker_;
    std::string lastGoodText_;
};

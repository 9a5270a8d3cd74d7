// Values into the bound controls and back. Every value passes through its raw octet form, so one variable can be
// split over several controls: a part of an octet string in a combo box, the bits of a mask in check boxes, the
// parts of an address in several edits.
#include "NxSNMPRequest2Edits.h"
#include "NxOptionListControls.h"

#include "NxDateTime.h"
#include "NxOptionList.h"
#include "NxRawOctets.h"
#include "NxSNMPConvert.h"
#include "NxSNMPError.h"
#include "StdCtrls.h"

#include "Exception.h"

#include <cctype>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr const char* kNull = "(NULL)";

uint8_t OctetAt(const std::string& octets, size_t i) { return static_cast<uint8_t>(octets[i]); }

std::string Hex2(uint8_t octet) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", octet);
    return text;
}

// The whole text of an edit as a number from 0 to max; anything else raises -518.
long long EditNumber(const ui::Edit* edit, long long max) { return DecimalInRange(edit->Text(), 0, max); }

uint32_t LittleEndian32(const std::string& octets) {
    if (octets.size() < 4) RaiseNxSNMPError(NxErrBadPartValue);
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(OctetAt(octets, i)) << (8 * i);
    return value;
}

double LittleEndianDouble(const std::string& octets) {
    if (octets.size() < 8) RaiseNxSNMPError(NxErrBadPartValue);
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(OctetAt(octets, i)) << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Date and time of a date-time number (days since 1899-12-30, the fraction the time of day).
struct DateTimeParts {
    long long Year, Month, Day, Hour, Minute, Second, Millisecond;
};

DateTimeParts SplitDateTimeNumber(double value) {
    double whole = std::floor(value);
    long long milliseconds = std::llround((value - whole) * 86400000.0);
    if (milliseconds >= 86400000) {
        whole += 1;
        milliseconds -= 86400000;
    }
    // Days from 1970-01-01, then the civil date (proleptic Gregorian).
    long long z = static_cast<long long>(whole) - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day, milliseconds / 3600000, milliseconds / 60000 % 60, milliseconds / 1000 % 60,
            milliseconds % 1000};
}

std::vector<ui::Edit*> EditsOf(const NxControlBinding& binding) {
    std::vector<ui::Edit*> edits;
    for (ui::Control* control : binding.Controls) edits.push_back(static_cast<ui::Edit*>(control));
    return edits;
}

void RequireEdits(const std::vector<ui::Edit*>& edits, size_t count) {
    if (edits.size() < count) RaiseNxSNMPError(NxErrTooFewControls);
}

void ShowHexOctets(const std::vector<ui::Edit*>& edits, const std::string& octets) {
    for (size_t i = 0; i < octets.size() && i < edits.size(); ++i) edits[i]->SetText(Hex2(OctetAt(octets, i)));
}

void ShowDecimalOctets(const std::vector<ui::Edit*>& edits, const std::string& octets) {
    if (octets.size() < 4) RaiseNxSNMPError(NxErrBadPartValue);
    for (size_t i = 0; i < 4; ++i) edits[i]->SetText(std::to_string(OctetAt(octets, i)));
}

// The multi-edit form of a part: one piece of the value per edit.
void ShowInEdits(const std::vector<ui::Edit*>& edits, int32_t syntax, const std::string& octets,
                 const std::string& text) {
    const bool null = text == kNull || octets.empty();
    switch (syntax) {
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
        RequireEdits(edits, octets.size());
        ShowHexOctets(edits, octets);
        return;
    case sxObjectId: {
        const size_t count = octets.size() / 4;
        RequireEdits(edits, count);
        for (size_t i = 0; i < count; ++i) edits[i]->SetText(std::to_string(LittleEndian32(octets.substr(4 * i, 4))));
        return;
    }
    case sxIpAddress:
    case sxNsapAddr:
        RequireEdits(edits, 4);
        if (!null) ShowDecimalOctets(edits, octets);
        return;
    case sxTimeTicks: {
        RequireEdits(edits, 5);
        if (null) return;
        const uint32_t t = LittleEndian32(octets);
        const uint32_t parts[5] = {t / 8640000, t % 8640000 / 360000, t % 360000 / 6000, t % 6000 / 100, t % 100};
        for (size_t i = 0; i < 5; ++i) edits[i]->SetText(std::to_string(parts[i]));
        return;
    }
    case sxMacAddress:
        RequireEdits(edits, 6);
        if (!null) ShowHexOctets(edits, octets);
        return;
    case sxDateTime: {
        RequireEdits(edits, 10);
        if (null) return;
        const std::optional<NxDateTime> dt = NxDateTime::FromOctets(octets);
        if (!dt) RaiseNxSNMPError(NxErrBadPartValue);
        const long long numbers[10] = {dt->Year, dt->Month, dt->Day, dt->Hour, dt->Minutes, dt->Seconds,
                                       dt->DeciSeconds, 0, dt->UtcHours, dt->UtcMinutes};
        for (size_t i = 0; i < 10; ++i)
            edits[i]->SetText(i == 7 ? std::string(1, dt->Direction) : std::to_string(numbers[i]));
        return;
    }
    case sxBcDateTime: {
        RequireEdits(edits, 7);
        if (null) return;
        const DateTimeParts p = SplitDateTimeNumber(LittleEndianDouble(octets));
        const long long numbers[7] = {p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.Millisecond};
        for (size_t i = 0; i < 7; ++i) edits[i]->SetText(std::to_string(numbers[i]));
        return;
    }
    case sxIpv6Address:
        RequireEdits(edits, 16);
        if (!null) ShowHexOctets(edits, octets);
        return;
    case sxInetAddress:
        if (edits.size() < 4 || edits.size() > 16) RaiseNxSNMPError(NxErrTooFewControls);
        if (null) return;
        if (edits.size() < 16) ShowDecimalOctets(edits, octets);
        else ShowHexOctets(edits, octets);
        return;
    default:
        edits[0]->SetText(text);
        return;
    }
}

// Edits joined as hex octets: an empty edit counts "00", a one-character edit gets a leading "0", a longer one
// raises -518.
std::string JoinHex(const std::vector<ui::Edit*>& edits, size_t count) {
    std::string hex;
    for (size_t i = 0; i < count && i < edits.size(); ++i) {
        const std::string part = edits[i]->Text();
        if (part.size() > 2) RaiseNxSNMPError(NxErrBadPartValue);
        hex += part.empty() ? "00" : part.size() == 1 ? "0" + part : part;
    }
    return hex;
}

std::string JoinDecimal(const std::vector<ui::Edit*>& edits, size_t count, long long max) {
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) text += '.';
        text += std::to_string(EditNumber(edits[i], max));
    }
    return text;
}

// The part text the edits of a multi-edit form give back; every edit must hold a number within its field.
std::string ReadFromEdits(const std::vector<ui::Edit*>& edits, int32_t syntax) {
    auto number = [&](size_t i, long long max) { return EditNumber(edits[i], max); };
    switch (syntax) {
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
        return JoinHex(edits, edits.size());
    case sxObjectId:
        return JoinDecimal(edits, edits.size(), UINT32_MAX);
    case sxIpAddress:
    case sxNsapAddr:
        RequireEdits(edits, 4);
        return JoinDecimal(edits, 4, 255);
    case sxTimeTicks: {
        RequireEdits(edits, 5);
        const long long t = number(0, 497) * 8640000 + number(1, 23) * 360000 + number(2, 59) * 6000 +
                            number(3, 59) * 100 + number(4, 99);
        if (t > UINT32_MAX) RaiseNxSNMPError(NxErrBadPartValue);
        return TimeTicksText(static_cast<uint32_t>(t));
    }
    case sxMacAddress:
        RequireEdits(edits, 6);
        return JoinHex(edits, 6);
    case sxDateTime: {
        RequireEdits(edits, 10);
        NxDateTime dt(std::string{});
        dt.Year = static_cast<uint16_t>(number(0, UINT16_MAX));
        dt.Month = static_cast<uint8_t>(number(1, 12));
        dt.Day = static_cast<uint8_t>(number(2, 31));
        dt.Hour = static_cast<uint8_t>(number(3, 23));
        dt.Minutes = static_cast<uint8_t>(number(4, 59));
        dt.Seconds = static_cast<uint8_t>(number(5, 60));
        dt.DeciSeconds = static_cast<uint8_t>(number(6, 9));
        const std::string direction = edits[7]->Text();
        if (direction.size() > 1 || (direction.size() == 1 && direction != "+" && direction != "-"))
            RaiseNxSNMPError(NxErrBadPartValue);
        dt.Direction = direction.empty() ? '+' : direction[0];
        dt.UtcHours = static_cast<uint8_t>(number(8, 13));
        dt.UtcMinutes = static_cast<uint8_t>(number(9, 59));
        return dt.ToString();
    }
    case sxBcDateTime: {
        RequireEdits(edits, 7);
        char text[64];
        std::snprintf(text, sizeof text, "%04lld/%02lld/%02lld %02lld:%02lld:%02lld", number(0, 9999), number(1, 12),
                      number(2, 31), number(3, 23), number(4, 59), number(5, 59));
        return text;
    }
    case sxIpv6Address:
        RequireEdits(edits, 16);
        return JoinHex(edits, 16);
    case sxInetAddress:
        if (edits.size() < 4 || edits.size() > 16) RaiseNxSNMPError(NxErrTooFewControls);
        return edits.size() < 16 ? JoinDecimal(edits, 4, 255) : JoinHex(edits, 16);
    default:
        return edits[0]->Text();
    }
}

// Bit n of the octets: octet n div 8 under the mask 128 >> (n mod 8).
bool BitOf(const std::string& octets, int32_t bit) {
    const size_t octet = static_cast<size_t>(bit) / 8;
    if (bit < 0 || octet >= octets.size()) RaiseNxSNMPError(NxErrPartOutOfRange);
    return OctetAt(octets, octet) & (0x80 >> (bit % 8));
}

// A state change made by code shows on a disabled check box too: it is enabled while its state is set.
void ShowChecked(ui::CheckBox* box, bool checked) {
    const bool enabled = box->Enabled();
    box->SetEnabled(true);
    box->SetChecked(checked);
    box->SetEnabled(enabled);
}

std::string SelectedItemText(const ui::Strings& items, int index) {
    if (index < 0 || index >= items.Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")", 0);
    return items.Get(index);
}

// The template a port list is parsed against. Without a value (a new row), the mask reaches the highest port typed,
// in whole octets; a number beyond the stack's last port refuses the text before any mask is built.
std::optional<std::string> PortListTemplate(const std::string& value, const std::string& typed) {
    const bool hex = !value.empty() && value.size() % 2 == 0 &&
                     value.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    if (hex) return value;
    size_t highest = 0;
    size_t number = 0;
    for (char c : typed + ' ') {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number = std::min(number * 10 + static_cast<size_t>(c - '0'), MaxStackPort + 1);
            continue;
        }
        highest = std::max(highest, number);
        number = 0;
    }
    if (highest > MaxStackPort) return std::nullopt;
    return std::string((highest + 7) / 8 * 2, '0');
}

// The raw octets of a variable's value; a value the row lacks (a sparse table) gives none.
std::string ValueOctets(const NxSNMPVarItem& variable) {
    const std::string text = variable.Options ? variable.Options->TextToValue(variable.Value) : variable.Value;
    return IsNoValueText(variable.Syntax, text) ? std::string() : TextToRaw(text, variable.Syntax);
}

void WritePart(std::string& octets, int32_t offset, const std::string& part) {
    const size_t at = static_cast<size_t>(std::max(offset, 0));
    if (octets.size() < at + part.size()) octets.resize(at + part.size(), '\0');
    octets.replace(at, part.size(), part);
}

}  // namespace

// ------------------------------------------------------------------------------------------------ into controls

void NxSNMPRequest2Edits::DataToControls(int n) {
    for (size_t b = 0; b < Bindings.size(); ++b) {
        const NxControlBinding& binding = *Bindings[b];
        if (n != -1 && binding.VarIndex != n) continue;
        if (binding.VarIndex >= Request.Vars.GetCount()) continue;
        if (Request.Vars.GetVar(binding.VarIndex)->Access & invalid) continue;
        ShowBinding(binding);
    }
}

void NxSNMPRequest2Edits::ShowBinding(const NxControlBinding& binding) {
    const NxSNMPVarItem& variable = *Request.Vars.GetVar(binding.VarIndex);
    std::string text = variable.Options ? variable.Options->TextToValue(variable.Value) : variable.Value;
    std::string octets = ValueOctets(variable);
    const NxOptionList* list = binding.Options;
    if (binding.IsPart(variable.Syntax)) {
        octets = ExtractPart(octets, binding.Offset, binding.Syntax);
        text = RawToText(octets, binding.Syntax);
    } else if (!list) {
        list = variable.Options;
    }
    if (list) text = list->ValueToText(text);

    ui::Control* first = binding.Controls.front();
    if (auto* label = dynamic_cast<ui::Label*>(first)) {
        label->SetCaption(text);
    } else if (dynamic_cast<ui::CheckBox*>(first)) {
        if (binding.HasBits()) {
            for (int32_t i = 0; i < binding.Count; ++i) {
                const int32_t bit = binding.Bits[static_cast<size_t>(i)];
                const bool beyond = bit >= 0 && static_cast<size_t>(bit) / 8 >= octets.size();
                ShowChecked(static_cast<ui::CheckBox*>(binding.Controls[static_cast<size_t>(i)]),
                            beyond && binding.MissingBitsClear ? false : BitOf(octets, bit));
            }
        } else if (list) {
            int index = list->IndexOfText(text);
            if (index < 0) index = list->IndexOfValue(text);
            ShowChecked(static_cast<ui::CheckBox*>(first), index > 0);
        } else if (binding.Syntax == sxBoolean || binding.Syntax == sxBool8 || binding.Syntax == sxBool16) {
            ShowChecked(static_cast<ui::CheckBox*>(first), text == "true");
        } else {
            RaiseNxSNMPError(NxErrBadPartSyntax);
        }
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(first)) {
        if (!list) RaiseNxSNMPError(NxErrNoOptionList);
        SelectComboBox(*list, *combo, text);
        // A value its list lacks is shown as itself (its number), and given back unchanged.
        if (combo->ItemIndex() < 0 && !text.empty() && text != kNull) {
            if (combo->Items().IndexOf(text) < 0) combo->Items().Add(text);
            combo->SetItemIndex(combo->Items().IndexOf(text));
        }
    } else if (auto* radio = dynamic_cast<ui::RadioGroup*>(first)) {
        if (!list) RaiseNxSNMPError(NxErrNoOptionList);
        SelectRadioGroup(*list, *radio, text);
    } else if (auto* edit = dynamic_cast<ui::Edit*>(first)) {
        if (binding.Count > 1) ShowInEdits(EditsOf(binding), binding.Syntax, octets, text);
        else edit->SetText(variable.Syntax == sxBitList ? PortListText(variable.Value, false) : text);
        if (EditConstraint)
            for (ui::Edit* shown : EditsOf(binding)) EditConstraint->ShowDeviceText(shown);
    } else {
        RaiseNxSNMPError(NxErrBadControlType);
    }
}

// ------------------------------------------------------------------------------------------------ back

void NxSNMPRequest2Edits::ControlsToData(int n) {
    // A text still to be checked is checked now; a refused one stops the write here.
    const auto read = [this, n](const ui::Edit* edit) {
        return n == -1 || std::any_of(Bindings.begin(), Bindings.end(), [&](const auto& binding) {
                   return binding->VarIndex == n && std::find(binding->Controls.begin(), binding->Controls.end(),
                                                              edit) != binding->Controls.end();
               });
    };
    if (EditConstraint)
        if (std::optional<std::string> refusal = EditConstraint->RefusalBeforeWrite(read))
            throw Exception(*refusal, NxErrInputRefused);
    NxSNMPVarList& vars = Request.Vars;
    for (int i = 0; i < vars.GetCount(); ++i) {
        if ((n != -1 && i != n) || !vars.IsSettable(i)) continue;
        NxSNMPVarItem& variable = *vars.GetVar(i);
        try {
            ReadVariable(i, variable);
        } catch (const Exception& e) {
            // A typed text that cannot be sent names its row; nothing of the write goes out.
            throw Exception(NamedErrorText(e.Message, variable.Caption), e.HelpContext);
        }
    }
}

// Whether every control bound to variable i is an edit left empty.
bool NxSNMPRequest2Edits::EditsLeftEmpty(int i) const {
    bool any = false;
    for (const auto& binding : Bindings) {
        if (binding->VarIndex != i) continue;
        for (ui::Control* control : binding->Controls) {
            auto* edit = dynamic_cast<ui::Edit*>(control);
            if (!edit || !edit->Text().empty()) return false;
        }
        any = true;
    }
    return any;
}

void NxSNMPRequest2Edits::ReadVariable(int i, NxSNMPVarItem& variable) {
    // The value the controls are laid over: the one given, else the one last read (a write from the controls
    // empties the values first), so that octets and bits no control shows keep what the device has.
    const bool hasBinding =
        std::any_of(Bindings.begin(), Bindings.end(), [i](const auto& binding) { return binding->VarIndex == i; });
    if (!hasBinding) return;
    if (variable.Value.empty() && static_cast<size_t>(i) < lastRead_.size())
        variable.Value = lastRead_[static_cast<size_t>(i)];
    // A value the row lacks (a sparse table) left empty stays without value and is not written.
    const std::string wire = variable.Options ? variable.Options->TextToValue(variable.Value) : variable.Value;
    if (IsNoValueText(variable.Syntax, wire) && EditsLeftEmpty(i)) return;
    std::string octets = ValueOctets(variable);
    bool bound = false;
    for (size_t b = 0; b < Bindings.size(); ++b) {
        const NxControlBinding& binding = *Bindings[b];
        if (binding.VarIndex != i) continue;
        if (!bound && variable.Syntax == sxDisplayStr) octets.clear();  // its parts are laid out anew
        bound = true;
        WritePart(octets, binding.Offset, ReadBinding(binding, variable, variable.Value, octets));
    }
    if (!bound) return;
    variable.Value = RawToText(octets, variable.Syntax);
    if (variable.Options) variable.Value = variable.Options->ValueToText(variable.Value);
}

// The octets one binding's controls give for its part; a text that is not of the part's syntax raises -518.
std::string NxSNMPRequest2Edits::ReadBinding(const NxControlBinding& binding, const NxSNMPVarItem& variable,
                                             const std::string& current, const std::string& currentOctets) {
    const NxOptionList* list = binding.Options;
    if (!binding.IsPart(variable.Syntax) && !list) list = variable.Options;
    ui::Control* first = binding.Controls.front();
    std::string part;
    if (auto* label = dynamic_cast<ui::Label*>(first)) {
        part = label->Caption();
    } else if (dynamic_cast<ui::CheckBox*>(first)) {
        if (binding.HasBits()) {
            // Only the bound bits change; the others keep the value the controls are laid over.
            std::string octets = currentOctets;
            for (int32_t i = 0; i < binding.Count; ++i) {
                const int32_t bit = binding.Bits[static_cast<size_t>(i)];
                const size_t octet = static_cast<size_t>(std::max(bit, 0)) / 8;
                if (octets.size() <= octet) octets.resize(octet + 1, '\0');
                const auto mask = static_cast<char>(0x80 >> (bit % 8));
                if (static_cast<ui::CheckBox*>(binding.Controls[static_cast<size_t>(i)])->Checked()) octets[octet] |= mask;
                else octets[octet] &= static_cast<char>(~mask);
            }
            return octets;
        }
        const bool checked = static_cast<ui::CheckBox*>(first)->Checked();
        if (list) {
            const int option = checked ? 1 : 0;
            part = option < list->Count() ? list->GetPair(option).Text : std::string();
        } else if (binding.Syntax == sxBoolean || binding.Syntax == sxBool8 || binding.Syntax == sxBool16) {
            part = checked ? "true" : "false";
        } else {
            RaiseNxSNMPError(NxErrBadPartSyntax);
        }
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(first)) {
        part = SelectedItemText(combo->Items(), combo->ItemIndex());
    } else if (auto* radio = dynamic_cast<ui::RadioGroup*>(first)) {
        part = SelectedItemText(radio->Items(), radio->ItemIndex());
    } else if (auto* edit = dynamic_cast<ui::Edit*>(first)) {
        if (binding.Count > 1) {
            part = ReadFromEdits(EditsOf(binding), binding.Syntax);
        } else if (variable.Syntax == sxBitList) {
            const std::string typed = edit->Text();
            const std::optional<std::string> portTemplate = PortListTemplate(current, typed);
            const std::optional<std::string> mask = portTemplate ? ParsePortList(typed, *portTemplate) : std::nullopt;
            if (!mask) RaiseNxSNMPError(NxErrBadPartValue);
            part = *mask;
        } else {
            part = edit->Text();
        }
    } else {
        RaiseNxSNMPError(NxErrBadControlType);
    }
    if (list) part = list->TextToValue(part);
    return TextToRaw(part, binding.Syntax);
}

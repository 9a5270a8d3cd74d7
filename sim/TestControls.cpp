#include "TestControls.h"

#include "Scenario.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace sim {
namespace {

using snmp::Oid;

const std::pair<const char*, int> kStatusNames[] = {
    {"noError", NoError}, {"tooBig", TooBig}, {"noSuchName", NoSuchName}, {"badValue", BadValue},
    {"readOnly", ReadOnly}, {"genErr", GenErr}, {"noAccess", NoAccess}, {"wrongType", WrongType},
    {"wrongLength", WrongLength}, {"wrongEncoding", WrongEncoding}, {"wrongValue", WrongValue},
    {"noCreation", NoCreation}, {"inconsistentValue", InconsistentValue},
    {"resourceUnavailable", ResourceUnavailable}, {"commitFailed", CommitFailed}, {"undoFailed", UndoFailed},
    {"authorizationError", AuthorizationError}, {"notWritable", NotWritable}, {"inconsistentName", InconsistentName},
};

const std::pair<const char*, snmp::ValueType> kExceptionNames[] = {
    {"noSuchObject", snmp::ValueType::NoSuchObject}, {"noSuchInstance", snmp::ValueType::NoSuchInstance},
};

std::optional<Injection> InjectionFromText(std::string_view text) {
    for (const auto& [name, exception] : kExceptionNames)
        if (text == name)
            return Injection{NoError, exception};
    if (auto status = ErrorStatusFromText(text))
        return Injection{*status, snmp::ValueType::None};
    return std::nullopt;
}

std::optional<int> Count(std::string_view word) {
    int n = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size() || n <= 0)
        return std::nullopt;
    return n;
}

bool AnyUnder(const std::vector<Oid>& oids, const Oid& prefix) {
    return std::any_of(oids.begin(), oids.end(), [&](const Oid& oid) { return oid.StartsWith(prefix); });
}

CommandResult Fail(std::string message) { return {false, std::move(message), std::nullopt}; }
CommandResult Ok() { return {true, "ok", std::nullopt}; }

std::optional<Oid> Prefix(std::string_view word) {
    auto oid = Oid::Parse(word);
    if (!oid || oid->empty())
        return std::nullopt;
    return oid;
}

} // namespace

std::optional<int> ErrorStatusFromText(std::string_view text) {
    for (const auto& [name, status] : kStatusNames)
        if (text == name)
            return status;
    int n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n < 0 || n > InconsistentName)
        return std::nullopt;
    return n;
}

int V1ErrorStatus(int status) {
    switch (status) {
    case NoAccess: case NotWritable: case NoCreation: case InconsistentName: case AuthorizationError:
        return NoSuchName;
    case WrongType: case WrongLength: case WrongEncoding: case WrongValue: case InconsistentValue:
        return BadValue;
    case ResourceUnavailable: case CommitFailed: case UndoFailed:
        return GenErr;
    default:
        return status;
    }
}

CommandResult TestControls::Execute(std::string_view line, SimMib& mib) {
    std::string_view rest = line;
    std::string_view command = NextWord(rest);
    if (command == "ping")
        return Ok();
    if (command == "hold") {
        auto prefix = Prefix(NextWord(rest));
        if (!prefix)
            return Fail("hold needs an OID prefix");
        HoldRule rule{*prefix, std::nullopt};
        if (std::string_view ms = NextWord(rest); !ms.empty()) {
            auto n = Count(ms);
            if (!n)
                return Fail("the hold time must be a number of milliseconds above 0");
            rule.ms = *n;
        }
        holds_.push_back(std::move(rule));
        return Ok();
    }
    if (command == "release") {
        std::string_view word = NextWord(rest);
        Oid prefix;
        if (!word.empty()) {
            auto parsed = Prefix(word);
            if (!parsed)
                return Fail("release takes an OID prefix or nothing");
            prefix = *parsed;
        }
        std::erase_if(holds_, [&](const HoldRule& rule) { return rule.prefix.StartsWith(prefix); });
        return {true, "ok", prefix};
    }
    if (command == "error") {
        auto prefix = Prefix(NextWord(rest));
        auto injection = InjectionFromText(NextWord(rest));
        if (!prefix || !injection)
            return Fail("error needs an OID prefix and an error status or exception");
        int remaining = -1;
        if (std::string_view count = NextWord(rest); !count.empty()) {
            auto n = Count(count);
            if (!n)
                return Fail("the error count must be a number above 0");
            remaining = *n;
        }
        errors_.push_back({*prefix, *injection, remaining});
        return Ok();
    }
    if (command == "drop") {
        auto prefix = Prefix(NextWord(rest));
        if (!prefix)
            return Fail("drop needs an OID prefix");
        int remaining = 1;
        if (std::string_view count = NextWord(rest); !count.empty()) {
            auto n = Count(count);
            if (!n)
                return Fail("the drop count must be a number above 0");
            remaining = *n;
        }
        drops_.push_back({*prefix, remaining});
        return Ok();
    }
    if (command == "clear") {
        holds_.clear();
        errors_.clear();
        drops_.clear();
        return {true, "ok", Oid()};
    }
    std::string error = ApplyScenarioLine(mib, line);
    if (!error.empty())
        return Fail(error);
    return Ok();
}

std::optional<HoldRule> TestControls::HoldFor(const std::vector<Oid>& oids) const {
    for (const HoldRule& rule : holds_)
        if (AnyUnder(oids, rule.prefix))
            return rule;
    return std::nullopt;
}

bool TestControls::TakeDrop(const std::vector<Oid>& oids) {
    for (auto it = drops_.begin(); it != drops_.end(); ++it) {
        if (!AnyUnder(oids, it->prefix))
            continue;
        if (--it->remaining == 0)
            drops_.erase(it);
        return true;
    }
    return false;
}

std::optional<Injection> TestControls::TakeError(const Oid& oid, bool exceptions) {
    for (auto it = errors_.begin(); it != errors_.end(); ++it) {
        if (!oid.StartsWith(it->prefix) || (!exceptions && it->injection.IsException()))
            continue;
        const Injection injection = it->injection;
        if (it->remaining > 0 && --it->remaining == 0)
            errors_.erase(it);
        return injection;
    }
    return std::nullopt;
}

} // namespace sim

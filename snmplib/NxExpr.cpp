#include "NxExpr.h"

#include "IniText.h"
#include "NxDateTime.h"
#include "NxSNMPError.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr auto npos = std::string::npos;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

using ini::EqualNoCase;

// Position of the ")" that closes the "(" at open, or npos.
size_t MatchingParen(const std::string& text, size_t open) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        else if (text[i] == ')' && --depth == 0) return i;
    }
    return npos;
}

constexpr int kMaxNesting = 200;

// Recursive descent over + - * / with unary signs and parentheses.
class Arithmetic {
public:
    explicit Arithmetic(const std::string& text) : s_(text) {}

    double Expression() {
        double v = Term();
        for (;;) {
            SkipBlanks();
            if (Accept('+')) v += Term();
            else if (Accept('-')) v -= Term();
            else return v;
        }
    }

private:
    double Term() {
        double v = Factor();
        for (;;) {
            SkipBlanks();
            if (Accept('*')) v *= Factor();
            else if (Accept('/')) v /= Factor();
            else return v;
        }
    }

    double Factor() {
        SkipBlanks();
        // Nesting (parentheses, unary signs) deeper than the limit is refused before the stack runs out.
        if (++depth_ > kMaxNesting) RaiseNxSNMPError(NxErrBadSyntaxInExpression);
        double v;
        if (Accept('-')) v = -Factor();
        else if (Accept('+')) v = Factor();
        else if (Accept('(')) {
            v = Expression();
            SkipBlanks();
            Accept(')');
        } else {
            v = Number();
        }
        --depth_;
        return v;
    }

    // A real read from here, as atof reads it; "NOW" is the current date-time number; anything else counts 0.
    double Number() {
        if (EqualNoCase(s_.substr(pos_, 3), "NOW")) {
            pos_ += 3;
            return NowDateTimeNumber();
        }
        const char* begin = s_.c_str() + pos_;
        char* end = nullptr;
        double v = std::strtod(begin, &end);
        pos_ += static_cast<size_t>(end - begin);
        while (pos_ < s_.size() && std::string("+-*/()").find(s_[pos_]) == npos) ++pos_;  // trailing junk
        return v;
    }

    void SkipBlanks() {
        while (pos_ < s_.size() && IsBlankOrControl(s_[pos_])) ++pos_;
    }
    bool Accept(char c) {
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    const std::string& s_;
    size_t pos_ = 0;
    int depth_ = 0;
};

// Parentheses nested deeper, or more "!", than the limit: refused in one pass before any recursion.
void RequireBooleanNesting(const std::string& text) {
    int depth = 0, bangs = 0;
    for (char c : text) {
        if (c == '(' && ++depth > kMaxNesting) RaiseNxSNMPError(NxErrBadSyntaxInExpression);
        if (c == ')' && depth > 0) --depth;
        if (c == '!' && ++bangs > kMaxNesting) RaiseNxSNMPError(NxErrBadSyntaxInExpression);
    }
}

} // namespace

std::string StripQuotes(const std::string& text) {
    if (text.empty() || text.front() != '"' || text.back() != '"') return text;
    return text.size() == 1 ? std::string() : text.substr(1, text.size() - 2);
}

int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text, std::string& left, std::string& right) {
    for (size_t i = 0; i < operators.size(); ++i) {
        size_t at = text.find(operators[i]);
        if (at == npos) continue;
        left = text.substr(0, at);
        right = text.substr(at + operators[i].size());
        return static_cast<int>(i);
    }
    return -1;
}

bool CompareExpr(const std::string& text) {
    static const std::vector<std::string> kOperators = {"<>", ">=", "<=", ">", "<", "="};
    std::string left, right;
    int op = SplitAtOperator(kOperators, text, left, right);
    if (op < 0) {
        if (EqualNoCase(text, "true")) return true;
        if (EqualNoCase(text, "false")) return false;
        RaiseNxSNMPError(NxErrBadLogicOperand);
    }
    auto operand = [](const std::string& side) {
        std::string s = StripQuotes(std::string(ini::Trim(side)));
        return EqualNoCase(s, "NOW") ? FloatToText(NowDateTimeNumber()) : s;
    };
    int c = operand(left).compare(operand(right));
    switch (op) {
    case 0: return c != 0;
    case 1: return c >= 0;
    case 2: return c <= 0;
    case 3: return c > 0;
    case 4: return c < 0;
    default: return c == 0;
    }
}

namespace {

bool BooleanOf(const std::string& text) {
    size_t q1 = text.find('"');
    size_t q2 = q1 == npos ? npos : text.find('"', q1 + 1);
    auto inQuotes = [&](size_t p) { return q2 != npos && p > q1 && p < q2; };
    auto usable = [&](size_t p) { return p != npos && !inQuotes(p); };

    size_t open = text.find('(');
    if (open != npos) {
        size_t close = MatchingParen(text, open);
        if (usable(open) && usable(close)) {
            bool inner = BooleanOf(text.substr(open + 1, close - open - 1));
            return BooleanOf(text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1));
        }
    }
    size_t bar = text.find('|');
    if (usable(bar)) return BooleanOf(text.substr(0, bar)) || BooleanOf(text.substr(bar + 1));
    size_t amp = text.find('&');
    if (usable(amp)) return BooleanOf(text.substr(0, amp)) && BooleanOf(text.substr(amp + 1));
    size_t bang = text.find('!');
    if (usable(bang)) return !BooleanOf(text.substr(1));
    return CompareExpr(text);
}

} // namespace

bool EvalBoolean(const std::string& text) {
    RequireBooleanNesting(text);
    return BooleanOf(text);
}

double EvalArithmetic(const std::string& text) {
    return Arithmetic(text).Expression();
}

size_t ScanSpan(const std::string& text, size_t start, const std::string& set) {
    if (start < 1 || start > text.size()) return 0;
    size_t i = start - 1;
    while (i < text.size() && set.find(text[i]) != npos) ++i;
    return i == start - 1 ? 0 : i;
}

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replacement) {
    if (find.empty()) return text;
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(find, from)) != npos; from = at + find.size()) {
        out.append(text, from, at - from);
        out += replacement;
    }
    out.append(text, from, npos);
    return out;
}

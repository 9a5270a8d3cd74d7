#pragma once
// Text-expression helpers: comparisons, boolean and arithmetic expressions, and two text helpers.
#include <string>
#include <vector>

// The characters between enclosing double quotes; any other text unchanged.
std::string StripQuotes(const std::string& text);

// Splits text at the first occurrence of the first operator of the list that occurs in it. Gives the operator's
// position in the list, or -1 (left and right untouched).
int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text, std::string& left, std::string& right);

// "a<>b", "a>=b", "a<=b", "a>b", "a<b", "a=b" compared as texts (byte by byte, case-sensitive; "NOW" is the current
// date-time number), or the word true or false. Anything else raises -1 " Bad logic operand!".
bool CompareExpr(const std::string& text);

// Comparisons joined by "|", "&", "!" and parentheses. An operator inside the first quoted part is no operator.
bool EvalBoolean(const std::string& text);

// + - * / and parentheses over reals, left-associative with the usual precedence. Text that is no number counts 0;
// "NOW" is the current date-time number.
double EvalArithmetic(const std::string& text);

// From the 1-based position start, the position of the last character of the run of characters that occur in set;
// 0 when the character at start is not in set or start lies outside the text.
size_t ScanSpan(const std::string& text, size_t start, const std::string& set);

// Every occurrence of find replaced, left to right; replaced text is not searched again.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replacement);


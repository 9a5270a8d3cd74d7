#include "NxExpr.h"

#include "Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

TEST(NxExpr, StripQuotesAndReplaceAll) {
    EXPECT_EQ(StripQuotes("\"abc\""), "abc");
    EXPECT_EQ(StripQuotes("\""), "");
    EXPECT_EQ(StripQuotes("\"abc"), "\"abc");
    EXPECT_EQ(StripQuotes(""), "");
    EXPECT_EQ(ReplaceAll("a[X]b[X]", "[X]", "[X][X]"), "a[X][X]b[X][X]");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
}

TEST(NxExpr, SplitAtOperatorTakesTheFirstListedOperatorThatOccurs) {
    std::string left = "untouched", right = "untouched";
    EXPECT_EQ(SplitAtOperator({"<>", "="}, "abc", left, right), -1);
    EXPECT_EQ(left, "untouched");
    EXPECT_EQ(SplitAtOperator({"<>", "="}, "a=b<>c", left, right), 0);
    EXPECT_EQ(left, "a=b");
    EXPECT_EQ(right, "c");
}

TEST(NxExpr, CompareExprComparesTexts) {
    struct Case { const char* text; bool result; };
    const Case cases[] = {
        {"ab=ab", true}, {"10<9", true}, {"TRUE", true}, {"false", false}, {" \"x y\" = x y ", true},
        {"a<>b", true}, {"a>=a", true}, {"b<=a", false}, {"b>a", true}, {"Ab=ab", false},
    };
    for (const Case& c : cases) EXPECT_EQ(CompareExpr(c.text), c.result) << c.text;
    try {
        CompareExpr("yes");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -1);
        EXPECT_EQ(e.Message, " Bad logic operand!");
    }
}

TEST(NxExpr, EvalBoolean) {
    struct Case { const char* text; bool result; };
    const Case cases[] = {
        {"(1=1)|(1=2)", true}, {"(1=1)&(1=2)", false}, {"!1=2", true}, {"\"a|b\"=\"a|b\"", true},
        {"((1=1))", true}, {"1=2|2=2", true},
    };
    for (const Case& c : cases) EXPECT_EQ(EvalBoolean(c.text), c.result) << c.text;
}

TEST(NxExpr, EvalArithmeticIsLeftAssociativeWithPrecedence) {
    struct Case { const char* text; double result; };
    const Case cases[] = {
        {"2*(3+4)", 14}, {"10-4-3", 3}, {"8/2", 4}, {"16/4/2", 2}, {"2+3*4", 14}, {"10-2*3", 4},
        {"1e-5*100000", 1}, {"-3+5", 2}, {"2*-3", -6}, {"", 0}, {"abc", 0}, {"7abc+1", 8},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(EvalArithmetic(c.text), c.result) << c.text;
    EXPECT_GT(EvalArithmetic("now"), 40000.0);  // days since 1899-12-30
}

TEST(NxExpr, ScanSpan) {
    EXPECT_EQ(ScanSpan("12ab", 1, "0123456789"), 2u);
    EXPECT_EQ(ScanSpan("12ab", 3, "0123456789"), 0u);
    EXPECT_EQ(ScanSpan("12ab", 5, "0123456789"), 0u);
    EXPECT_EQ(ScanSpan("12ab", 0, "0123456789"), 0u);
    EXPECT_EQ(ScanSpan("a123", 2, "0123456789"), 4u);
}

TEST(NxExpr, NestingBeyondTheLimitIsRefusedInsteadOfOverflowingTheStack) {
    auto code = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const Exception& e) {
            return e.HelpContext;
        }
        return 0;
    };
    const std::string deep(60000, '(');
    EXPECT_EQ(code([&] { EvalArithmetic(deep + "1"); }), -513);
    EXPECT_EQ(code([&] { EvalArithmetic(std::string(60000, '-') + "1"); }), -513);
    EXPECT_EQ(code([&] { EvalBoolean(deep + "1=1"); }), -513);
    EXPECT_EQ(code([&] { EvalBoolean(std::string(60000, '!') + "1=1"); }), -513);
    EXPECT_DOUBLE_EQ(EvalArithmetic(std::string(50, '(') + "2" + std::string(50, ')') + "*3"), 6);
    EXPECT_TRUE(EvalBoolean(std::string(50, '(') + "1=1" + std::string(50, ')')));
}

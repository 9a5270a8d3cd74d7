#include "NxEditConstraint.h"

#include "Exception.h"
#include "NxSNMPError.h"
#include "NxValueCheck.h"

#include <gtest/gtest.h>

namespace {

// Plays the control glue: an edit's text and caret, what the rule asked for, and the saved handlers.
struct Edit {
    explicit Edit(const std::string& format, NxEditChecker checker = {}) : rule(format, std::move(checker)) {}

    // A change the user made: the text before it is known, so the length limit acts.
    void Type(const std::string& chars) {
        for (char c : chars) {
            std::string old = text;
            text.insert(static_cast<size_t>(caret), 1, c);
            ++caret;
            Changed(old);
        }
    }
    void SetByCode(const std::string& value) {
        text = value;
        caret = static_cast<int32_t>(value.size());
        Changed(value);
    }
    // Setting the text runs the change again, as the edit does.
    void Changed(std::string old) {
        for (;;) {
            NxEditChange change = rule.OnChange(old, text, caret, savedChange);
            beeps += change.Beep;
            moves += change.MoveToNext;
            if (!change.Changed) return;
            text = old = change.Text;
            caret = change.Caret;
        }
    }
    NxEditExit Leave() {
        NxEditExit exit = rule.OnExit(text, rememberText, savedExit);
        if (!exit.Message.empty()) boxes.push_back(exit.Message);
        if (exit.SetText) text = exit.Text;
        focused = exit.FocusEdit;
        return exit;
    }

    NxEditRule rule;
    bool rememberText = true;
    NxEditSavedHandler savedChange, savedExit;
    std::string text;
    int32_t caret = 0;
    int beeps = 0, moves = 0;
    bool focused = false;
    std::vector<std::string> boxes;
};

int ErrorCodeOf(const std::string& format) {
    try {
        ParseEditFormat(format);
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}

} // namespace

TEST(NxEditFormat, ReadsEveryOption) {
    struct Case { const char* format; char type; double min, max; int32_t length; uint16_t flags; uint8_t form; };
    const Case cases[] = {
        {"%s", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, 0},
        {"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0, 0},
        {"%u", 'u', 0, 4294967295.0, 0, 0, 0},
        {"%f{n-1.5x2.5}", 'f', -1.5, 2.5, 0, 0, 0},
        {"%i{n1x4094l4}", 'i', 1, 4094, 4, 0, 0},
        {"%i{n1x10l2a}", 'i', 1, 10, 2, NxEditAdvanceAtLength, 0},
        {"%s{l16n}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 16, NxEditNotEmpty, 0},
        {"%h{l8fna}", 'h', 2.2250738585072014E-308, 1.7976931348623157E+308, 8, 7, 0},
        {"%n.{l4f}", 'n', 0, 4294967295.0, 4, NxEditExactLength, 0},
        {"%s{I}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, NxEditIp},
        {"%s{Im}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, NxEditMulticastIp},
        {"%s{I6}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, NxEditIpv6},
        {"%s{I6ml3}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 3, 0, NxEditMulticastIpv6},
        {"%s{M_l17}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 17, 0, NxEditMac},
        {"%s{Mm}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, NxEditMulticastMac},
        {"%s{Mu}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, NxEditUnicastMac},
        {"%s{Ix}", 's', 2.2250738585072014E-308, 1.7976931348623157E+308, 0, 0, NxEditIp},  // modifier place eaten
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        NxEditFormat f = ParseEditFormat(c.format);
        EXPECT_EQ(f.TypeLetter, c.type);
        EXPECT_EQ(f.MinValue, c.min);
        EXPECT_EQ(f.MaxValue, c.max);
        EXPECT_EQ(f.LengthLimit, c.length);
        EXPECT_EQ(f.LengthFlags, c.flags);
        EXPECT_EQ(f.AddressForm, c.form);
    }
    NxEditFormat f = ParseEditFormat("%n,{w120e;Z}");
    EXPECT_EQ(f.Delimiter, ',');
    EXPECT_EQ(f.Width, 120);
    EXPECT_EQ(f.ExitChar, ';');
    EXPECT_EQ(f.CustomCheck, 1);
}

TEST(NxEditFormat, BadFormatsRaiseMinusTwo) {
    for (const char* format : {"", "%", "s{l4}", "%x", "%s{l}", "%s{l4", "%s{", "%s}", "%n", "%s{q}", "%i{l4n5}",
                               "%s{e}", "%i{n}", "%i{x}", "%u{w}", "%s{l99999999999}", "%s{Il4}", "%s{Ml4}", " %s"}) {
        EXPECT_EQ(ErrorCodeOf(format), NxErrBadEditFormat) << '"' << format << '"';
    }
    try {
        ParseEditFormat("%s{l}");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, " Bad format specifier of edit's constraint!");
    }
}

TEST(NxEditFormat, NumberThatDoesNotConvertIsAConversionError) {
    for (const char* format : {"%i{n1-2}", "%f{x1.2.3}", "%i{n-}"}) {
        EXPECT_THROW(ParseEditFormat(format), Exception) << format;
        EXPECT_EQ(ErrorCodeOf(format), 0) << format;
    }
}

TEST(NxEditFormat, SplitsSeveralFormats) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitEditFormats("%s{l4}%i{n1x9}"), (V{"%s{l4}", "%i{n1x9}"}));
    EXPECT_EQ(SplitEditFormats("ab%s"), (V{"ab", "%s"}));
    EXPECT_EQ(SplitEditFormats("%s.%s"), (V{"%s.", "%s"}));
    EXPECT_EQ(SplitEditFormats("%s%"), (V{"%s"}));
    EXPECT_EQ(SplitEditFormats(""), V{});
    EXPECT_EQ(ErrorCodeOf(SplitEditFormats("%s.%s")[0]), NxErrBadEditFormat);
}

TEST(NxEditRule, TypingRemovesWhatTheTypeDoesNotAllow) {
    struct Case { const char* format; const char* typed; const char* text; int beeps; };
    const Case cases[] = {
        {"%i{n1x4094l4}", "1a2b", "12", 2},
        {"%i{n1x4094l4}", "123456", "1234", 0},  // the edit takes at most 4 characters
        {"%i", "-1-2", "-12", 1},
        {"%u", "-5", "5", 1},
        {"%f", "-1.2.3", "-1.23", 1},
        {"%h", "0aFgZ9", "0aF9", 2},
        {"%n.", ".1..2.", "1.2.", 2},
        {"%n,{l3}", "1,2,3", "1,2", 0},  // for type n the count also limits the characters
        {"%s", "a b!", "a b!", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format + std::string(" typing ") + c.typed);
        Edit edit(c.format);
        edit.Type(c.typed);
        EXPECT_EQ(edit.text, c.text);
        EXPECT_EQ(edit.beeps, c.beeps);
    }
}

TEST(NxEditRule, OneCharacterGoesPerChange) {
    NxEditRule rule("%i");
    NxEditChange change = rule.OnChange("", "a1b", 3);
    EXPECT_TRUE(change.Changed);
    EXPECT_TRUE(change.Beep);
    EXPECT_EQ(change.Text, "1b");
    EXPECT_EQ(change.Caret, 2);

    Edit edit("%i");
    edit.SetByCode("x1y2z");  // the edit runs its change for text set by code as well
    EXPECT_EQ(edit.text, "12");
    EXPECT_EQ(edit.beeps, 3);
}

TEST(NxEditRule, CaretStaysWhereTheUserTyped) {
    Edit edit("%u");
    edit.Type("1234");
    edit.caret = 2;
    edit.Type("x");
    EXPECT_EQ(edit.text, "1234");
    EXPECT_EQ(edit.caret, 2);
    edit.Type("9");
    EXPECT_EQ(edit.text, "12934");
}

TEST(NxEditRule, MarkerTextsAreNeitherFilteredNorChecked) {
    for (const char* marker : {"(NULL)", "(NOTDONE)"}) {
        Edit edit("%i{n1x4094l4}");
        int handlerRuns = 0;
        edit.savedChange = edit.savedExit = [&](const std::string&) { return ++handlerRuns, false; };
        edit.SetByCode(marker);
        EXPECT_EQ(edit.text, marker);
        EXPECT_EQ(edit.beeps, 0);
        EXPECT_EQ(edit.Leave().Result, NxEditExit::Ignored);
        EXPECT_EQ(edit.text, marker);
        EXPECT_TRUE(edit.boxes.empty());
        EXPECT_EQ(handlerRuns, 0);
    }
}

TEST(NxEditRule, FullLengthMovesToTheNextControl) {
    Edit edit("%i{n1x10l2a}");
    edit.Type("1");
    EXPECT_EQ(edit.moves, 0);
    edit.Type("0");
    EXPECT_EQ(edit.moves, 1);

    Edit vetoed("%i{n1x10l2a}");
    vetoed.savedChange = [](const std::string&) { return true; };  // Tag -1
    vetoed.Type("10");
    EXPECT_EQ(vetoed.moves, 0);

    Edit noA("%i{n1x10l2}");
    noA.Type("10");
    EXPECT_EQ(noA.moves, 0);
}

TEST(NxEditRule, ExitCharacterMovesToTheNextControl) {
    Edit edit("%s{e.}");
    int handlerRuns = 0;
    edit.savedChange = [&](const std::string&) { return ++handlerRuns, false; };
    edit.Type("ab.");
    EXPECT_EQ(edit.text, "ab");
    EXPECT_EQ(edit.moves, 1);
    EXPECT_EQ(edit.beeps, 0);
    EXPECT_EQ(handlerRuns, 3);  // "a", "ab", and "ab" again once the dot has gone
}

TEST(NxEditRule, SavedChangeHandlerRunsOnlyForTextThatPassed) {
    Edit edit("%u");
    std::vector<std::string> seen;
    edit.savedChange = [&](const std::string& t) { seen.push_back(t); return false; };
    edit.Type("1x");
    edit.SetByCode("");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "1"}));
}

TEST(NxEditRule, ExitCheckRefusesWithItsMessage) {
    struct Case { const char* format; const char* text; const char* message; };  // message null: passes
    const Case cases[] = {
        {"%i{n1x4094l4}", "0", " Please enter a number between 1 and 4094!"},
        {"%i{n1x4094l4}", "4095", " Please enter a number between 1 and 4094!"},
        {"%i{n1x4094l4}", "1", nullptr},
        {"%i{n1x4094l4}", "4094", nullptr},
        {"%i{n1x4094l4}", "-", " Please enter a number between 1 and 4094!"},  // reads as 0
        {"%i", "2147483648", " Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967295", nullptr},
        {"%f", "0", " Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f{n-1.5x2.5}", "2.5", nullptr},
        {"%f{n-1.5x2.5}", "2.51", " Please enter a number between -1.5 and 2.5!"},
        {"%f{n0x1000000000000000}", "-1", " Please enter a number between 0 and 1E15!"},
        {"%s{l4f}", "abc", " Please enter a string whose length is 4!"},
        {"%s{l4f}", "abcd", nullptr},
        {"%s{l4}", "abcde", " Please enter a string whose length is less than 4!"},
        {"%h{l4f}", "abc", " Please enter a hex string whose length is 4!"},
        {"%h{l4}", "abcde", " Please enter a hex string whose length is less than 4!"},
        {"%s{l16n}", "", " Empty value is not allowed!"},
        {"%s{I}", "10.1.2.3", nullptr},
        {"%s{I}", "10.1.2", " Please enter a valid IP address!"},
        {"%s{I}", "10.1.2.256", " Please enter a valid IP address!"},
        {"%s{Im}", "224.0.0.1", nullptr},
        {"%s{Im}", "10.1.1.1", " Please enter a valid multicast IP address!"},
        {"%s{I6}", "fe800000000000000000000000000001", nullptr},
        {"%s{I6}", "fe80::1", " Please enter a valid IPV6 address!"},
        {"%s{I6m}", "FF020000000000000000000000000001", nullptr},
        {"%s{I6m}", "fe800000000000000000000000000001", " Please enter a valid multicast IPV6 address!"},
        {"%s{M}", "00-11-22-33-44-55", nullptr},
        {"%s{M}", "00-11-22", " Please enter a valid MAC address!"},
        {"%s{Mm}", "01-00-5E-00-00-01", nullptr},
        {"%s{Mm}", "00-11-22-33-44-55", " Please enter a valid multicast MAC address!"},
        {"%s{Mm}", "01-00-5E", " Please enter a valid multicast MAC address!"},
        {"%s{Mu}", "00-11-22-33-44-55", nullptr},
        {"%s{Mu}", "01-00-5E-00-00-01", " Please enter a valid unicast MAC address!"},
        {"%n.{l4f}", "1.2.3", " Please enter a delimited number string with delimiter '.'.\nHere,the count of the "
                              "number is equal to 4!"},
        {"%n.{l4f}", "1.2.3.4", nullptr},
        {"%n.{l4}", "1.2.3.4.5", " Please enter a delimited number string with delimiter '.'.\nHere,the count of "
                                 "the number is less than 4!"},
        {"%n.{l4x255}", "1.2.3.256", " Please enter a delimited number string with delimiter '.'.\nHere,each number "
                                     "is between 0 and 255!"},
        {"%n,{x10}", "1.5,2", nullptr},  // a fraction is dropped when the delimiter is not a dot
        {"%n,{n-5x10}", "0,3", nullptr},
        // a number beyond 32 bits must not wrap into range
        {"%n,{n1x100}", "5,4294967297", " Please enter a delimited number string with delimiter ','.\nHere,each "
                                        "number is between 1 and 100!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format + std::string(" leaving \"") + c.text + '"');
        Edit edit(c.format);
        edit.rule.SaveText("last");
        edit.text = c.text;
        NxEditExit exit = edit.Leave();
        if (c.message) {
            EXPECT_EQ(exit.Result, NxEditExit::Refused);
            EXPECT_EQ(exit.Message, c.message);
            EXPECT_EQ(edit.text, "last");
            EXPECT_TRUE(edit.focused);
        } else {
            EXPECT_EQ(exit.Result, NxEditExit::Passed);
            EXPECT_EQ(edit.text, c.text);
            EXPECT_EQ(edit.rule.LastGoodText(), c.text);
            EXPECT_FALSE(edit.focused);
        }
    }
}

TEST(NxEditRule, RefusalPutsBackTheLastAcceptedText) {
    Edit edit("%i{n1x4094l4}");
    edit.Type("12");
    EXPECT_EQ(edit.Leave().Result, NxEditExit::Passed);
    edit.SetByCode("99");  // a value from the device is not an accepted text
    edit.SetByCode("");
    edit.Type("4095");
    edit.Leave();
    EXPECT_EQ(edit.text, "12");
    EXPECT_EQ(edit.boxes, (std::vector<std::string>{" Please enter a number between 1 and 4094!"}));

    Edit forgetful("%i{n1x4094l4}");
    forgetful.rememberText = false;
    forgetful.Type("12");
    forgetful.Leave();
    forgetful.SetByCode("0");
    forgetful.Leave();
    EXPECT_EQ(forgetful.text, "");
}

TEST(NxEditRule, EmptyTextWithoutTheNotEmptySuffixIsLeftAlone) {
    Edit edit("%i{n1x4094l4}");
    edit.Type("7");
    edit.Leave();
    int handlerRuns = 0;
    edit.savedExit = [&](const std::string&) { return ++handlerRuns, false; };
    edit.SetByCode("");
    EXPECT_EQ(edit.Leave().Result, NxEditExit::Ignored);
    EXPECT_EQ(edit.text, "");
    EXPECT_EQ(edit.rule.LastGoodText(), "7");
    EXPECT_EQ(handlerRuns, 0);
}

TEST(NxEditRule, SavedExitHandlerCanVeto) {
    Edit edit("%s{l8}");
    edit.Type("good");
    edit.Leave();
    edit.savedExit = [](const std::string&) { return true; };  // Tag -1
    edit.SetByCode("other");
    NxEditExit exit = edit.Leave();
    EXPECT_EQ(exit.Result, NxEditExit::Vetoed);
    EXPECT_EQ(edit.text, "good");
    EXPECT_TRUE(edit.boxes.empty());
    EXPECT_FALSE(edit.focused);
    EXPECT_EQ(edit.rule.LastGoodText(), "good");
}

TEST(NxEditRule, CustomCheckerDecidesWithoutMessage) {
    NxEditChecker hexWord = [](std::string& text) { return NormalizeHexWordText(text); };
    Edit edit("%s{l4Z}", hexWord);
    edit.Type("81");
    NxEditExit exit = edit.Leave();
    EXPECT_EQ(exit.Result, NxEditExit::Passed);
    EXPECT_EQ(edit.text, "0081");
    EXPECT_EQ(edit.rule.LastGoodText(), "0081");

    edit.SetByCode("81G0");
    exit = edit.Leave();
    EXPECT_EQ(exit.Result, NxEditExit::Refused);
    EXPECT_TRUE(edit.boxes.empty());
    EXPECT_EQ(edit.text, "0081");
    EXPECT_TRUE(edit.focused);

    Edit unchecked("%s{l2Z}");  // Z without a checker: the type checks run
    unchecked.text = "abc";
    EXPECT_EQ(unchecked.Leave().Message, " Please enter a string whose length is less than 2!");
}

TEST(NxEditRule, NewFormatKeepsTheLastAcceptedText) {
    NxEditRule rule("%i{n1x9}");
    rule.SaveText("5");
    rule.Assign("%s{l4}");
    EXPECT_EQ(rule.Format().TypeLetter, 's');
    EXPECT_EQ(rule.LastGoodText(), "5");
    EXPECT_THROW(rule.Assign("%q"), Exception);
    EXPECT_EQ(rule.Format().TypeLetter, 's');
    EXPECT_EQ(rule.MaxTextLength(), 4);
}

TEST(NxEditRule, MessagesFollowTheMessageTable) {
    const NxMessageTable builtIn = CommonErrorMessages;
    std::vector<std::string> texts;
    for (size_t i = 0; i < builtIn.Size(); ++i) texts.push_back(builtIn[i]);
    texts[8] = " [MIN] <= value <= [MAX], from [MIN]";
    CommonErrorMessages.Replace(texts);
    Edit edit("%u{n10x20}");
    edit.text = "5";
    std::string message = edit.Leave().Message;
    CommonErrorMessages = builtIn;
    EXPECT_EQ(message, " 10 <= value <= 20, from 10");
}

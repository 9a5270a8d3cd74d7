#include "StackingPortUitFormUnit.h"

#include "StackStateScope.h"

#include <gtest/gtest.h>

namespace {

TEST(PortHelpers, PortCountOfEveryModelStackedAndNot) {
    struct Case {
        const char* Model;
        int Stacked, Standalone;
    };
    const Case cases[] = {
        {"QSW-2126", 24, 26},  {"QSW-2127", 25, 27},  {"QSW-2150", 48, 50},  {"QSW-2126P", 24, 26},
        {"QSW-2327G", 25, 27}, {"QSW-2327", 25, 27},  {"QSW-2350", 48, 50},  {"QSW-2312G", 12, 12},
        {"QSW-2312", 12, 12},  {"QSW-2126G", 24, 26}, {"qsw-2126p", 0, 0},   {"QSW-2126P ", 0, 0},
        {"", 0, 0},            {"QSW-9999", 0, 0},
    };
    for (const Case& c : cases) {
        {
            StackStateScope stacked("enabled");
            EXPECT_EQ(GetPortCountOfModel(c.Model), c.Stacked) << c.Model;
        }
        for (const char* mode : {"disabled", "other", ""}) {
            StackStateScope standalone(mode);
            EXPECT_EQ(GetPortCountOfModel(c.Model), c.Standalone) << c.Model << " " << mode;
        }
    }
    EXPECT_EQ(GetPortCountOfModel(DefaultModelName), 26);  // nothing published: not stacked
    EXPECT_EQ(DefaultModelName, "QSW-2126P");
}

TEST(PortHelpers, AllPortListHasOneNumberPerCheckBox) {
    auto numbers = [](const std::string& text) {
        std::vector<int> result;
        size_t start = 0;
        for (;;) {
            const size_t comma = text.find(',', start);
            result.push_back(std::stoi(text.substr(start, comma - start)));
            if (comma == std::string::npos) return result;
            start = comma + 1;
        }
    };
    for (const auto& [mode, count] : {std::pair{"enabled", 768}, std::pair{"disabled", 64}, std::pair{"", 64}}) {
        StackStateScope state(mode);
        const std::vector<int> list = numbers(GetAllPortList());
        ASSERT_EQ(list.size(), static_cast<size_t>(count)) << mode;
        for (int i = 0; i < count; ++i) ASSERT_EQ(list[static_cast<size_t>(i)], i);
    }
    EXPECT_EQ(BitNumbersText(3), "0,1,2");
}

}  // namespace

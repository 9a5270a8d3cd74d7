#include "CatalogFixture.h"
#include "NxOptionList.h"

#include <set>
#include <string>
#include <vector>

namespace {

using CatalogOptionLists = CatalogRunning;

bool SameText(std::string a, std::string b) {
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    return lower(std::move(a)) == lower(std::move(b));
}

bool HoldsText(const NxOptionList& list, const std::string& text) {
    for (int i = 0; i < list.Count(); ++i)
        if (SameText(list.GetPair(i).Text, text))
            return true;
    return false;
}

TEST_F(CatalogOptionLists, Lists1To263WithTheirPairs) {
    int pairs = 0;
    for (int n = 1; n <= 263; ++n) {
        const NxOptionList* list = CatalogOptionList(n);
        ASSERT_NE(list, nullptr) << "L" << n;
        EXPECT_GT(list->Count(), 0) << "L" << n;
        EXPECT_FALSE(list->CaseSensitive()) << "L" << n;
        bool oidValues = n == 175 || n == 176;
        EXPECT_EQ(list->Kind(), oidValues ? NxOptionList::KindString : NxOptionList::KindInteger) << "L" << n;
        pairs += list->Count();
    }
    EXPECT_EQ(pairs, 1026);
    EXPECT_EQ(CatalogOptionList(0), nullptr);
    EXPECT_EQ(CatalogOptionList(264), nullptr);
}

// Each module holds its own copy of a list; every copy equals the one CatalogOptionList gives.
TEST_F(CatalogOptionLists, EveryModuleCopyEqualsTheList) {
    for (const CatalogModule* module : CatalogModules())
        for (const CatalogOptionListDef& def : module->OptionLists) {
            SCOPED_TRACE(std::string(module->Name) + " L" + std::to_string(def.Number));
            const NxOptionList& list = *CatalogOptionList(def.Number);
            const NxOptionList& copy = *def.List;
            ASSERT_EQ(copy.Count(), list.Count());
            EXPECT_EQ(copy.Kind(), list.Kind());
            for (int i = 0; i < list.Count(); ++i) {
                EXPECT_EQ(copy.GetPair(i).IntValue, list.GetPair(i).IntValue);
                EXPECT_EQ(copy.GetPair(i).StrValue, list.GetPair(i).StrValue);
                EXPECT_EQ(copy.GetPair(i).Text, list.GetPair(i).Text);
            }
        }
}

struct ExpectedPair {
    std::string Value;  // the wire value as text
    std::string Text;
};

struct ExpectedList {
    int Number;
    std::vector<ExpectedPair> Pairs;
};

TEST_F(CatalogOptionLists, PickedListsPairByPair) {
    const ExpectedList lists[] = {
        {10, {{"1", "enabled"}, {"2", "disabled"}}},
        {12,
         {{"1", "active"},
          {"2", "notInService"},
          {"3", "notReady"},
          {"4", "createAndGo"},
          {"5", "createAndWait"},
          {"6", "destroy"}}},
        {13,
         {{"1", "any"},
          {"2", "acl"},
          {"3", "ipbind"},
          {"4", "other"},
          {"5", "dhcp"},
          {"6", "netbios"},
          {"7", "ext-netbios"},
          {"8", "ismvlan"},
          {"9", "dhcp-relay"},
          {"13", "zemo-upserver"},
          {"14", "zemo-authentication"}}},
        {26, {{"1", "active"}, {"4", "createAndGo"}, {"6", "destroy"}}},
        {60, {{"2", "disabled"}, {"3", "enabled"}}},
        {118, {{"8195", "interAreaPrefixLsa"}}},
        {139, {{"0", "never"}, {"10", "ten-min"}, {"30", "thirty-min"}, {"60", "sixty-min"}}},
        {175, {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}}},
        {176, {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}}},
        {250,
         {{"1", "enable"}, {"2", "disable"}, {"4", "createAndGo"}, {"5", "createAndWait"}, {"6", "destroy"}}},
        {260,
         {{"1", "Active"},
          {"2", "NotInService"},
          {"3", "NotReady"},
          {"4", "CreateAndGo"},
          {"5", "CreateAndWait"},
          {"6", "Destroy"}}},
        {263,
         {{"1", "other"}, {"2", "invalid"}, {"3", "permanent"}, {"4", "deleteOnReset"}, {"5", "deleteOnTimeout"}}},
    };
    for (const ExpectedList& expected : lists) {
        SCOPED_TRACE("L" + std::to_string(expected.Number));
        const NxOptionList& list = *CatalogOptionList(expected.Number);
        ASSERT_EQ(list.Count(), static_cast<int>(expected.Pairs.size()));
        for (int i = 0; i < list.Count(); ++i) {
            const NxOptionList::Pair& pair = list.GetPair(i);
            std::string value = list.Kind() == NxOptionList::KindInteger ? std::to_string(pair.IntValue) : pair.StrValue;
            EXPECT_EQ(value, expected.Pairs[static_cast<size_t>(i)].Value);
            EXPECT_EQ(pair.Text, expected.Pairs[static_cast<size_t>(i)].Text);
        }
    }
}

TEST_F(CatalogOptionLists, RowStatusListsTakeCreateAndGoInAnyCase) {
    std::set<int> rowStatusLists;
    for (const CatalogModule* module : CatalogModules())
        for (const CatalogOptionListDef& def : module->OptionLists) {
            if (!HoldsText(*def.List, "createAndGo"))
                continue;
            rowStatusLists.insert(def.Number);
            SCOPED_TRACE(std::string(module->Name) + " L" + std::to_string(def.Number));
            for (const char* text : {"createAndGo", "CreateAndGo", "CREATEANDGO", "createandgo", "cReAtEaNdGo"})
                EXPECT_EQ(def.List->TextToValue(text), "4") << text;
            EXPECT_EQ(def.List->TextToValue("Destroy"), "6");
            EXPECT_EQ(def.List->TextToValue("DESTROY"), "6");
        }
    EXPECT_EQ(rowStatusLists, (std::set<int>{12, 26, 80, 250, 260}));
}

TEST_F(CatalogOptionLists, AuthenticationProtocolOidBothWays) {
    const NxOptionList& auth = *CatalogOptionList(175);
    EXPECT_EQ(auth.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(auth.TextToValue("MD5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(auth.TextToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(auth.ValueToText("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
    EXPECT_EQ(auth.TextToValue("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
    const NxOptionList& privacy = *CatalogOptionList(176);
    EXPECT_EQ(privacy.ValueToText("1.3.6.1.6.3.10.1.2.2"), "DES");
    EXPECT_EQ(privacy.TextToValue("DES"), "1.3.6.1.6.3.10.1.2.2");
}

TEST_F(CatalogOptionLists, UnknownValuesAndTextsPassThroughUnchanged) {
    const NxOptionList& enabled = *CatalogOptionList(10);
    EXPECT_EQ(enabled.ValueToText("2"), "disabled");
    EXPECT_EQ(enabled.ValueToText("7"), "7");
    EXPECT_EQ(enabled.ValueToText("(NULL)"), "(NULL)");
    EXPECT_EQ(enabled.TextToValue("on"), "on");
    EXPECT_EQ(enabled.TextToValue("2"), "2");
}

}  // namespace

#include "Catalog.h"
#include "MenuCommandTable.h"
#include "NxOptionList.h"
#include "TableKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int EntryCount(MibObjectTable table) {
    int n = 0;
    while (table[n].Oid != nullptr)
        ++n;
    return n;
}

// Every table a command reads, with the extras that point into its rows.
struct TableUse {
    std::string Where;
    CommandTable Table;
    int RowStatusColumn;
    const CommandExtras* Extras;  // nullptr for a tabbed page
};

std::vector<TableUse> AllTableUses() {
    std::vector<TableUse> uses;
    for (const MenuCommand& c : PortPopupCommands())
        uses.push_back({c.Handler, c.Table, -1, &c.Extras});
    for (const MenuCommand& c : AllMenuCommands()) {
        if (c.Table.Label())
            uses.push_back({c.Handler, c.Table, c.Extras.RowStatusColumn, &c.Extras});
        if (c.Extras.StateTable.Label())
            uses.push_back({std::string(c.Handler) + " state", c.Extras.StateTable, -1, nullptr});
        for (const CommandPage& page : c.Pages)
            uses.push_back({std::string(c.Handler) + " page " + page.Caption, page.Table, page.RowStatusColumn, nullptr});
    }
    return uses;
}

class MenuCommandCatalog : public ::testing::Test {
protected:
    void SetUp() override { CatalogStartup(); }
    void TearDown() override { CatalogExit(); }
};

} // namespace

TEST(MenuCommandCatalogLabels, EveryTableIsTheCatalogueTableOfItsLabel) {
    for (const CatalogTable* table : MenuCommandCatalogTables())
        EXPECT_EQ(FindCatalogTable(table->Label), table->Table) << table->Label;
}

// The catalogue's key counts, which the simulator seeds by, cover every command that reads a table with keys.
TEST(MenuCommandCatalogLabels, TheCatalogueKeyCountsCoverEveryCommand) {
    for (const TableUse& use : AllTableUses()) {
        if (use.Table.KeyCount > 0) {
            EXPECT_GE(TableKeyCountOf(use.Table.Label()), use.Table.KeyCount) << use.Where << " " << use.Table.Label();
        }
    }
    for (const TableKeyCount& entry : TableKeyCounts()) {
        EXPECT_NE(FindCatalogTable(entry.Label), nullptr) << entry.Label;
        EXPECT_GT(entry.Keys, 0) << entry.Label;
    }
}

TEST_F(MenuCommandCatalog, RowsNamedByExtrasExistInTheirTables) {
    for (const TableUse& use : AllTableUses()) {
        SCOPED_TRACE(use.Where);
        MibObjectTable table = FindCatalogTable(use.Table.Label());
        if (table == nullptr)
            continue;  // reported by the label test
        int entries = EntryCount(table);
        EXPECT_LE(use.Table.KeyCount, entries);
        if (use.RowStatusColumn >= 0) {
            ASSERT_LT(use.RowStatusColumn, entries);
            const NxSNMPVar& column = table[use.RowStatusColumn];
            ASSERT_NE(column.Options, nullptr) << column.Caption;
            EXPECT_EQ(column.Options->TextToValue("createAndGo"), "4") << column.Caption;
            EXPECT_EQ(column.Options->TextToValue("destroy"), "6") << column.Caption;
            if (use.Extras && use.Extras->RowStatusCaption) {
                EXPECT_STREQ(column.Caption, use.Extras->RowStatusCaption);
            }
        }
        if (!use.Extras)
            continue;
        for (const RowFormat& format : use.Extras->Formats) {
            ASSERT_LT(format.Row, entries);
            if (format.RowCaption) {
                EXPECT_STREQ(table[format.Row].Caption, format.RowCaption);
            }
        }
        for (int row : use.Extras->OptionalRows)
            EXPECT_LT(row, entries);
        for (int row : use.Extras->CharsetRows)
            EXPECT_LT(row, entries);
    }
}

// Add and Delete exist exactly on the rows of that kind, and the column they write is a RowStatus column.
TEST_F(MenuCommandCatalog, AddDeleteRowsAndOnlyThoseNameARowStatusColumn) {
    int columns = 0;
    for (const TableUse& use : AllTableUses()) {
        if (use.RowStatusColumn < 0)
            continue;
        SCOPED_TRACE(use.Where);
        ++columns;
        MibObjectTable table = FindCatalogTable(use.Table.Label());
        ASSERT_NE(table, nullptr);
        const NxSNMPVar& column = table[use.RowStatusColumn];
        const std::string caption = column.Caption;
        EXPECT_TRUE(caption.find("Status") != std::string::npos || caption == "State") << caption;
        ASSERT_NE(column.Options, nullptr);
        EXPECT_EQ(column.Options->ValueToText("4"), "createAndGo");
        EXPECT_EQ(column.Options->ValueToText("6"), "destroy");
    }
    for (const MenuCommand& c : AllMenuCommands()) {
        SCOPED_TRACE(c.Handler);
        EXPECT_EQ(c.Kind == CommandKind::TableListAddDelete, c.Extras.RowStatusColumn >= 0);
    }
    EXPECT_GT(columns, 0);
}

#include "CatalogFixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Every heap block of this test program is counted, so a test can see what a step leaves allocated.
namespace {
std::atomic<long> liveBlocks{0};
}

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        ++liveBlocks;
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    if (block == nullptr)
        return;
    --liveBlocks;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {

TEST(CatalogLifetime, ExitLeavesNothingAllocated) {
    const long before = liveBlocks;
    CatalogStartup();
    const long running = liveBlocks;
    const bool mapsBuilt = SystemLedColorMap && PortLedColorMap && ExtraPortLedColorMap && ExtraPortLedColorMapGrey;
    CatalogExit();
    const long after = liveBlocks;

    EXPECT_GT(running, before);
    EXPECT_TRUE(mapsBuilt);
    EXPECT_EQ(after, before);
    EXPECT_EQ(SystemLedColorMap, nullptr);
    EXPECT_EQ(PortLedColorMap, nullptr);
    EXPECT_EQ(ExtraPortLedColorMap, nullptr);
    EXPECT_EQ(ExtraPortLedColorMapGrey, nullptr);
    for (const CatalogModule* module : CatalogModules())
        for (const CatalogOptionListDef& def : module->OptionLists)
            EXPECT_EQ(def.List->Count(), 0) << module->Name << " L" << def.Number;
}

// A second start-up rebuilds the lists instead of adding to them.
TEST(CatalogLifetime, StartupAfterStartupRebuilds) {
    CatalogStartup();
    const long once = liveBlocks;
    const int pairs = CatalogOptionList(12)->Count();
    CatalogStartup();
    const long twice = liveBlocks;
    EXPECT_EQ(CatalogOptionList(12)->Count(), pairs);
    CatalogExit();
    EXPECT_EQ(twice, once);
}

}  // namespace

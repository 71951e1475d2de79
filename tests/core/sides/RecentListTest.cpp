#include "core/sides/RecentList.h"

#include <gtest/gtest.h>

using namespace tombrel;

namespace {

RecentList listOf(std::initializer_list<const char*> paths) {
    RecentList::Entries e{};
    int i = 0;
    for (const char* p : paths)
        e[i++] = p;
    return RecentList(e);
}

std::vector<std::string> v(std::initializer_list<const char*> paths) {
    return {paths.begin(), paths.end()};
}

} // namespace

TEST(RecentList, AddMovesToFrontWithoutDuplicates) {
    RecentList r = listOf({"a", "b", "c"});
    r.add("c");
    EXPECT_EQ(r.used(), v({"c", "a", "b"}));
    r.add("d");
    EXPECT_EQ(r.used(), v({"d", "c", "a", "b"}));
    r.add("A"); // exact comparison: another file
    EXPECT_EQ(r.used(), v({"A", "d", "c", "a", "b"}));
    r.add("");
    EXPECT_EQ(r.used().size(), 5u);
}

TEST(RecentList, TwentiethEntryIsDropped) {
    RecentList r;
    for (int i = 0; i < 25; ++i)
        r.add(std::to_string(i));
    EXPECT_EQ(r.used().size(), 20u);
    EXPECT_EQ(r[0], "24");
    EXPECT_EQ(r[19], "5");
    r.add("10"); // already there: moved, nothing dropped
    EXPECT_EQ(r[0], "10");
    EXPECT_EQ(r[19], "5");
}

TEST(RecentList, RemovePacksAndStoredGapsAreClosed) {
    RecentList r = listOf({"a", "b", "c"});
    r.remove("b");
    EXPECT_EQ(r.used(), v({"a", "c"}));
    EXPECT_EQ(r[2], "");
    r.remove("missing");
    EXPECT_EQ(r.used(), v({"a", "c"}));

    RecentList::Entries stored{};
    stored[1] = "x";
    stored[3] = "y";
    stored[5] = "x";
    const RecentList loaded(stored);
    EXPECT_EQ(loaded.used(), v({"x", "y"})); // combo index = entry index
    EXPECT_EQ(loaded.indexOf("y"), 1);
    EXPECT_EQ(loaded.indexOf(""), -1);
}

TEST(RecentList, SwitchTargetIsAnotherUsedEntry) {
    const RecentList r = listOf({"a", "b"});
    const struct {
        int index;
        const char* current;
        std::optional<std::string> expected;
    } cases[] = {
        {1, "a", "b"},           // another file
        {0, "a", std::nullopt},  // the file already open
        {0, "", "a"},            // nothing open
        {2, "a", std::nullopt},  // an empty entry
        {-1, "a", std::nullopt}, // out of range
        {kRecentFileCount, "a", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(r.switchTarget(c.index, c.current), c.expected) << c.index << " " << c.current;
}

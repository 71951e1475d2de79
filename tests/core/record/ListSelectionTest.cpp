#include "core/record/ListSelection.h"
#include "core/record/MarkedLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tombrel;

TEST(ListSelection, RealLinesLeaveOutTheTrailingLineAndBeyond) {
    const struct {
        ListSelection selection;
        int size;
        std::vector<int> expected;
    } cases[] = {
        {ListSelection::of({2, 0, 1}), 3, {0, 1, 2}}, // ascending, whatever the order given
        {ListSelection::of({1, 3}), 3, {1}},          // 3 is the trailing line
        {ListSelection::of({-1, 5, 0}), 3, {0}},      // out of range
        {ListSelection::of({0}), 0, {}},              // an empty list
        {ListSelection{}, 4, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.selection.realLines(c.size), c.expected) << c.size;
}

TEST(MarkedLines, EraseKeepsTheOrderOfTheRest) {
    const struct {
        std::vector<char> remove;
        std::vector<std::string> expected;
    } cases[] = {
        {{0, 1, 0, 1, 0}, {"a", "c", "e"}},
        {{1, 1, 0, 0, 0}, {"c", "d", "e"}},
        {{0, 0, 0, 0, 1}, {"a", "b", "c", "d"}},
        {{0, 0, 0, 0, 0}, {"a", "b", "c", "d", "e"}},
        {{1, 1, 1, 1, 1}, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines{"a", "b", "c", "d", "e"};
        eraseMarked(lines, c.remove);
        EXPECT_EQ(lines, c.expected);
    }
}

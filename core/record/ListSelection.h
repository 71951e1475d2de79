#pragma once

// The selection of one list: the selected line indices and the caret (the line that has the
// focus). Each list shows one line more than its model holds; the last, empty line (index =
// model size) stands for the position after the last line and may be selected like any other.
// Commands take the selection as it is and leave it as the user should see it afterwards; the
// views copy it in before a command and show it again after.

#include <initializer_list>
#include <optional>
#include <set>
#include <vector>

namespace tombrel {

struct ListSelection {
    std::set<int> lines;
    int caret = 0;

    static ListSelection of(std::initializer_list<int> indices) {
        ListSelection s;
        s.lines = indices;
        if (!s.lines.empty())
            s.caret = *s.lines.rbegin();
        return s;
    }
    static ListSelection single(int index) { return of({index}); }

    int count() const { return static_cast<int>(lines.size()); }
    bool empty() const { return lines.empty(); }
    bool contains(int index) const { return lines.count(index) != 0; }
    // The selected line when exactly one is selected.
    std::optional<int> only() const {
        if (lines.size() != 1)
            return std::nullopt;
        return *lines.begin();
    }
    // The selected line when exactly one is selected and it is not the trailing line of a list
    // of `size` lines.
    std::optional<int> onlyReal(int size) const {
        const auto one = only();
        if (!one || *one < 0 || *one >= size)
            return std::nullopt;
        return one;
    }

    // The selected lines of a list of `size` lines that hold an entry (the trailing line and
    // anything past it left out), in ascending order.
    std::vector<int> realLines(int size) const {
        std::vector<int> out;
        for (int index : lines) {
            if (index >= 0 && index < size)
                out.push_back(index);
        }
        return out;
    }

    void clear() { lines.clear(); }
    // Selects exactly this line and puts the caret on it.
    void selectOnly(int index) {
        lines.clear();
        lines.insert(index);
        caret = index;
    }

    bool operator==(const ListSelection&) const = default;
};

} // namespace tombrel

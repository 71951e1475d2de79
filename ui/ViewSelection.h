#pragma once

// The selection of a pane's list as plain numbers: the selected rows and the current row. The
// window reads it from the view before a command and shows the command's result afterwards.

#include <optional>
#include <set>

class QAbstractItemView;

namespace tombrel {

struct ViewSelection {
    std::set<int> lines;
    int caret = -1; // the current row; -1 for none

    int count() const { return static_cast<int>(lines.size()); }
    // The selected row when exactly one is selected.
    std::optional<int> only() const {
        if (lines.size() != 1)
            return std::nullopt;
        return *lines.begin();
    }
    // The same, but not the trailing row of a list of `size` lines.
    std::optional<int> onlyReal(int size) const {
        const std::optional<int> one = only();
        if (!one || *one >= size)
            return std::nullopt;
        return one;
    }
    static ViewSelection single(int row) { return ViewSelection{{row}, row}; }
};

ViewSelection selectionOf(const QAbstractItemView& view);
// Selects exactly the given rows (those that exist), makes the caret current and scrolls it
// into view.
void showSelection(QAbstractItemView& view, const ViewSelection& selection);

} // namespace tombrel

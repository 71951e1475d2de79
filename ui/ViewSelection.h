#pragma once

// A list view's selection as the core's commands take it: the selected rows and the current
// row. The window reads it from the view before a command and shows the command's result after.

#include "core/record/ListSelection.h"

class QAbstractItemView;

namespace tombrel {

ListSelection selectionOf(const QAbstractItemView& view);
// Selects exactly the given rows (those that exist), makes the caret current and scrolls it
// into view.
void showSelection(QAbstractItemView& view, const ListSelection& selection);

} // namespace tombrel

#include "ui/ViewSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace tombrel {

ListSelection selectionOf(const QAbstractItemView& view) {
    ListSelection selection;
    const QItemSelectionModel* model = view.selectionModel();
    if (!model)
        return selection;
    // Ranges, not single indexes: a whole list of 100,000 lines selected is one range.
    for (const QItemSelectionRange& range : model->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            selection.lines.insert(selection.lines.end(), row);
    }
    if (model->currentIndex().isValid())
        selection.caret = model->currentIndex().row();
    else if (!selection.lines.empty())
        selection.caret = *selection.lines.rbegin();
    return selection;
}

void showSelection(QAbstractItemView& view, const ListSelection& selection) {
    QItemSelectionModel* model = view.selectionModel();
    const QAbstractItemModel* items = view.model();
    if (!model || !items)
        return;
    const int rows = items->rowCount();
    QItemSelection wanted;
    int runStart = -1;
    int previous = -2;
    auto closeRun = [&] {
        if (runStart >= 0)
            wanted.select(items->index(runStart, 0), items->index(previous, 0));
    };
    for (int row : selection.lines) {
        if (row < 0 || row >= rows)
            continue;
        if (row != previous + 1) {
            closeRun();
            runStart = row;
        }
        previous = row;
    }
    closeRun();
    const int caret = selection.caret >= 0 && selection.caret < rows
                          ? selection.caret
                          : (selection.lines.empty() ? -1 : *selection.lines.rbegin());
    if (caret >= 0 && caret < rows)
        model->setCurrentIndex(items->index(caret, 0), QItemSelectionModel::NoUpdate);
    model->select(wanted, QItemSelectionModel::ClearAndSelect);
    if (caret >= 0 && caret < rows)
        view.scrollTo(items->index(caret, 0));
}

} // namespace tombrel

#pragma once

// The dialogs of comparing and of duplicates. They show what the core found and ask nothing:
// the Compare dialog lists two registrations field by field, the file comparison lists the
// places that differ, the Duplicates dialog lists the groups and tells the window which member
// the user picked, so that its line is selected in its pane.

#include "core/commands/Compare.h"
#include "core/commands/Duplicates.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QCheckBox;
class QTableWidget;
class QTreeWidget;

namespace tombrel {

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // `aName` and `bName` head the value columns ("<03/5> Piano").
    CompareDialog(const std::vector<CompareRow>& rows, const QString& aName, const QString& bName,
                  Language lang, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QCheckBox* onlyDifferences() const { return onlyDifferences_; }

private:
    void showRows();

    std::vector<CompareRow> rows_;
    QTableWidget* table_;
    QCheckBox* onlyDifferences_;
};

class FileComparisonDialog : public QDialog {
    Q_OBJECT
public:
    FileComparisonDialog(const FileComparison& comparison, const QString& aName,
                         const QString& bName, Language lang, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }

private:
    QTreeWidget* tree_;
};

// One member of a group as the dialog shows it.
struct DuplicateLine {
    QString pane; // "Registration" or "Archive"
    QString place;
    QString title;
};

class DuplicatesDialog : public QDialog {
    Q_OBJECT
public:
    // `lines[g][m]` shows member m of group g; `picked(g, m)` runs when the user selects it.
    DuplicatesDialog(const std::vector<DuplicateGroup>& groups,
                     const std::vector<std::vector<DuplicateLine>>& lines,
                     std::function<void(size_t group, size_t member)> picked, Language lang,
                     QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }

private:
    QTreeWidget* tree_;
};

} // namespace tombrel

#include "ui/CompareDialogs.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tombrel {

namespace {

void markDiffering(QTableWidgetItem* item) {
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    item->setBackground(QColor(255, 236, 179));
}

} // namespace

CompareDialog::CompareDialog(const std::vector<CompareRow>& rows, const QString& aName,
                             const QString& bName, Language lang, QWidget* parent)
    : QDialog(parent), rows_(rows), table_(new QTableWidget(this)),
      onlyDifferences_(new QCheckBox(uiText(msg::CompareOnlyDifferences, lang), this)) {
    setWindowTitle(uiText(msg::CompareDialogTitle, lang));
    auto* layout = new QVBoxLayout(this);
    table_->setObjectName(QStringLiteral("compareTable"));
    table_->setAccessibleName(uiText(msg::CompareDialogTitle, lang));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({uiText(msg::CompareFieldHeading, lang), aName, bName});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setRowCount(static_cast<int>(rows_.size()));
    int row = 0;
    for (const CompareRow& r : rows_) {
        const QString values[3] = {fromUtf8(r.caption), fromUtf8(r.a), fromUtf8(r.b)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(values[column]);
            if (column == 0)
                item->setToolTip(fromUtf8(r.name));
            if (r.differs)
                markDiffering(item);
            if (r.kept && column > 0)
                item->setFont(QFont(QStringLiteral("monospace")));
            table_->setItem(row, column, item);
        }
        ++row;
    }
    table_->resizeColumnsToContents();
    onlyDifferences_->setObjectName(QStringLiteral("onlyDifferences"));
    connect(onlyDifferences_, &QCheckBox::toggled, this, [this] { showRows(); });
    layout->addWidget(table_, 1);
    layout->addWidget(onlyDifferences_);
    layout->addWidget(okCancelButtons(this, lang, msg::Ok, false));
    resize(760, 560);
}

void CompareDialog::showRows() {
    const bool only = onlyDifferences_->isChecked();
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row)
        table_->setRowHidden(row, only && !rows_[static_cast<size_t>(row)].differs);
}

FileComparisonDialog::FileComparisonDialog(const FileComparison& comparison, const QString& aName,
                                           const QString& bName, Language lang, QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget(this)) {
    setWindowTitle(uiText(msg::CompareWithFileTitle, lang));
    auto* layout = new QVBoxLayout(this);
    UserMessage summary =
        userMessage(comparison.same() ? msg::CompareFilesSame : msg::CompareFilesDiffer);
    summary.numbers = {static_cast<long long>(comparison.differences.size())};
    auto* label = new QLabel(fromUtf8(summary.text(lang)), this);
    label->setObjectName(QStringLiteral("summary"));
    layout->addWidget(label);
    tree_->setObjectName(QStringLiteral("differences"));
    tree_->setAccessibleName(uiText(msg::CompareWithFileTitle, lang));
    tree_->setColumnCount(4);
    tree_->setHeaderLabels({uiText(msg::ComparePlaceHeading, lang),
                            uiText(msg::CompareKindHeading, lang), aName, bName});
    for (const PlaceDifference& d : comparison.differences) {
        auto* item = new QTreeWidgetItem(tree_);
        item->setText(0, from1252(d.place));
        item->setText(1, uiText(differenceKindText(d.kind), lang));
        if (!d.title.empty())
            item->setText(d.kind == DifferenceKind::Added ? 3 : 2, from1252(d.title));
        for (const FieldDifference& f : d.fields) {
            auto* child = new QTreeWidgetItem(item);
            child->setText(0, fromUtf8(f.field));
            child->setText(2, fromUtf8(f.aText));
            child->setText(3, fromUtf8(f.bText));
        }
    }
    tree_->expandAll();
    for (int column = 0; column < 4; ++column)
        tree_->resizeColumnToContents(column);
    layout->addWidget(tree_, 1);
    layout->addWidget(okCancelButtons(this, lang, msg::Ok, false));
    resize(760, 520);
}

DuplicatesDialog::DuplicatesDialog(const std::vector<DuplicateGroup>& groups,
                                   const std::vector<std::vector<DuplicateLine>>& lines,
                                   std::function<void(size_t group, size_t member)> picked,
                                   Language lang, QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget(this)) {
    setWindowTitle(uiText(msg::DuplicatesDialogTitle, lang));
    auto* layout = new QVBoxLayout(this);
    tree_->setObjectName(QStringLiteral("groups"));
    tree_->setAccessibleName(uiText(msg::DuplicatesDialogTitle, lang));
    tree_->setColumnCount(3);
    tree_->setHeaderHidden(true);
    if (groups.empty())
        layout->addWidget(new QLabel(uiText(msg::DuplicatesNone, lang), this));
    for (size_t g = 0; g < groups.size(); ++g) {
        UserMessage caption =
            userMessage(groups[g].by == DuplicateKind::Params ? msg::DuplicatesByParams
                                                              : msg::DuplicatesByTitle);
        caption.numbers = {static_cast<long long>(groups[g].members.size())};
        auto* item = new QTreeWidgetItem(tree_, {fromUtf8(caption.text(lang))});
        for (size_t m = 0; m < lines[g].size(); ++m) {
            const DuplicateLine& line = lines[g][m];
            auto* member = new QTreeWidgetItem(item, {line.pane, line.place, line.title});
            member->setData(0, Qt::UserRole, static_cast<qulonglong>(g));
            member->setData(1, Qt::UserRole, static_cast<qulonglong>(m));
        }
    }
    tree_->expandAll();
    for (int column = 0; column < 3; ++column)
        tree_->resizeColumnToContents(column);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [picked = std::move(picked)](QTreeWidgetItem* current) {
                if (!current || !current->parent() || !picked)
                    return;
                picked(current->data(0, Qt::UserRole).toULongLong(),
                       current->data(1, Qt::UserRole).toULongLong());
            });
    layout->addWidget(tree_, 1);
    layout->addWidget(okCancelButtons(this, lang, msg::Ok, false));
    resize(560, 420);
}

} // namespace tombrel

#include "ui/PaneDrops.h"

#include <QUrl>

namespace tombrel {

QStringList localFilesOf(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files << url.toLocalFile();
    }
    return files;
}

int dropRowOf(int row, int parentRow, int rowCount) {
    if (row >= 0)
        return row;
    if (parentRow >= 0)
        return parentRow;
    return rowCount - 1; // the trailing line
}

} // namespace tombrel

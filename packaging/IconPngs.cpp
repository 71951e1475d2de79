// Paints the program icon into the PNG files of the icon theme at build time:
// OUTDIR/NxN/apps/tombrel.png for every size the program offers.

#include "ui/ProgramIcon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : tombrel::kProgramIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/tombrel.png"));
        if (!out.mkpath(folder) || !tombrel::programIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

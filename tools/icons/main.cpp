// SPDX-License-Identifier: MIT
// Writes the application icon into a hicolor icon theme tree:
// OUTDIR/hicolor/NxN/apps/vendrask.png for the usual sizes.
#include "res/VendraskResources.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vendrask-icons OUTDIR\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder) ||
            !VendraskRenderAppIcon(size).save(folder + QStringLiteral("/vendrask.png"))) {
            std::fprintf(stderr, "vendrask-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#include "tools/gallery/KelvoGallery.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A screenshot needs no display.
    if (KelvoGalleryWantsScreenshot(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return KelvoGalleryRun(QApplication::arguments());
}

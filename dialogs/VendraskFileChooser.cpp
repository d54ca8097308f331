// SPDX-License-Identifier: MIT
#include "dialogs/VendraskFileChooser.h"

#include <QFileDialog>

std::unique_ptr<QFileDialog> VendraskMakeFileChooser(QWidget* owner, const QString& startFolder,
                                                     const QString& filter) {
    auto chooser = std::make_unique<QFileDialog>(owner, QString(), startFolder, filter);
    chooser->setFileMode(QFileDialog::ExistingFile);
    chooser->setAcceptMode(QFileDialog::AcceptOpen);
    chooser->setOptions(QFileDialog::DontResolveSymlinks | QFileDialog::HideNameFilterDetails);
    return chooser;
}

QString VendraskChooseFile(QWidget* owner, const QString& startFolder, const QString& filter) {
    const std::unique_ptr<QFileDialog> chooser =
        VendraskMakeFileChooser(owner, startFolder, filter);
    if (chooser->exec() != QDialog::Accepted || chooser->selectedFiles().isEmpty())
        return {};
    return chooser->selectedFiles().front();
}

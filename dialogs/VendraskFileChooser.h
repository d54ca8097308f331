// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

// The open-file chooser of the item setting window and the Sound page. The
// filter's caption reads exactly as given ("WAVファイル(*.wav) (*.wav)" shows
// as "WAVファイル(*.wav)"), and a chosen link comes back as itself, not as
// its target.
std::unique_ptr<QFileDialog> VendraskMakeFileChooser(QWidget* owner, const QString& startFolder,
                                                     const QString& filter);
// Runs it: the chosen file, empty when cancelled.
QString VendraskChooseFile(QWidget* owner, const QString& startFolder, const QString& filter);

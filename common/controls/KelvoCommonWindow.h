// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QPoint>
#include <QString>
#include <QStringView>

class QWidget;

// Small window operations the controls share.

// The control id of a child window (0 when none was given).
KELVOCOMMON_EXPORT void KelvoCommonSetDlgCtrlID(QWidget* widget, int id);
KELVOCOMMON_EXPORT int KelvoCommonGetDlgCtrlID(const QWidget* widget);

// The text a window shows: a label's or button's text, a group's caption,
// else the "text" property, else the window title.
QString KelvoCommonWindowText(const QWidget* widget);

// The widget of this process under a point in global coordinates, as the
// pointer would find it: windows that take no input (drag pictures) are
// looked through, and a disabled widget yields its nearest enabled
// ancestor. Null when no window of ours is there.
QWidget* KelvoCommonWindowFromPoint(QPoint global);

// A text cut to at most maxLength UTF-16 units, never between the two
// halves of a surrogate pair.
QString KelvoCommonCutText(QStringView text, qsizetype maxLength);

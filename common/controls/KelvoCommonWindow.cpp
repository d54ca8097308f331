// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace {
constexpr char kControlIdProperty[] = "kelvoControlId";

bool TakesNoInput(const QWidget* window) {
    return window->testAttribute(Qt::WA_TransparentForMouseEvents) ||
           window->windowFlags().testFlag(Qt::WindowTransparentForInput);
}

bool CanBeUnderPointer(const QWidget* window, QPoint global) {
    return window->isVisible() && !TakesNoInput(window) && window->geometry().contains(global);
}

// The top-level widget under a point. The platform knows the stacking order;
// when it names a window that takes no input, the topmost of the others that
// contain the point (the most recently created) stands in.
QWidget* TopLevelAt(QPoint global) {
    QWidget* top = QApplication::topLevelAt(global);
    if (top && !TakesNoInput(top))
        return top;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        for (QWidget* widget : widgets) {
            if (widget->windowHandle() == *it && CanBeUnderPointer(widget, global))
                return widget;
        }
    }
    return nullptr;
}
} // namespace

void KelvoCommonSetDlgCtrlID(QWidget* widget, int id) {
    if (widget)
        widget->setProperty(kControlIdProperty, id);
}

int KelvoCommonGetDlgCtrlID(const QWidget* widget) {
    return widget ? widget->property(kControlIdProperty).toInt() : 0;
}

QString KelvoCommonWindowText(const QWidget* widget) {
    if (!widget)
        return {};
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    const QVariant text = widget->property("text");
    if (text.isValid() && text.canConvert<QString>())
        return text.toString();
    return widget->windowTitle();
}

QWidget* KelvoCommonWindowFromPoint(QPoint global) {
    QWidget* top = TopLevelAt(global);
    if (!top)
        return nullptr;
    QWidget* widget = top->childAt(top->mapFromGlobal(global));
    if (!widget)
        widget = top;
    while (widget && !widget->isEnabled() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget;
}

QString KelvoCommonCutText(QStringView text, qsizetype maxLength) {
    if (maxLength <= 0)
        return {};
    if (text.size() <= maxLength)
        return text.toString();
    qsizetype length = maxLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.first(length).toString();
}

// SPDX-License-Identifier: MIT
#pragma once

class QObject;

// Screen readers see the owner-drawn controls through interfaces of their
// own: Qt's defaults read a CKelvoCommonCheck as a plain button and know
// nothing of a button's check mode or of the tab control's pages.
//
// Every control that needs one calls this from its constructor; the factory
// goes in once per process.
void KelvoCommonInstallAccessible();

// Tells a listening screen reader that a control's checked state changed.
void KelvoCommonNotifyCheckedChanged(QObject* control);

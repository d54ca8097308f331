// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeShell.h"

bool CKelvoCommonFakeShell::Open(const QString& file, const QString& parameters,
                                 const QString& workingFolder) {
    m_calls.append({Call::OpenCall, file, parameters, workingFolder});
    return m_failure.isEmpty();
}

QString CKelvoCommonFakeShell::SpecialFolderPath(int csidl) {
    m_queries.append(csidl);
    return m_specialFolders.value(csidl);
}

bool CKelvoCommonFakeShell::OpenShellObject(const QString& object) {
    m_calls.append({Call::ShellObjectCall, object, {}, {}});
    return true;
}

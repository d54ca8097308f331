// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonShell.h"

#include <QList>
#include <QMap>

// Records every call; special folders come from a table the test fills.
class CKelvoCommonFakeShell final : public CKelvoCommonShell {
public:
    struct Call {
        enum Kind { OpenCall, ShellObjectCall } kind;
        QString file;
        QString parameters;
        QString workingFolder;

        friend bool operator==(const Call&, const Call&) = default;
    };
    // The call an Open with these texts records.
    static Call Opened(const QString& file, const QString& parameters,
                       const QString& workingFolder) {
        return {Call::OpenCall, file, parameters, workingFolder};
    }

    bool Open(const QString& file, const QString& parameters,
              const QString& workingFolder) override;
    QString SpecialFolderPath(int csidl) override;
    bool OpenShellObject(const QString& object) override;

    QString LastError() const override { return m_failure; }
    // From now on Open starts nothing and gives this reason (empty: starts again).
    void FailOpens(const QString& why) { m_failure = why; }

    const QList<Call>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    void SetSpecialFolder(int csidl, const QString& path) { m_specialFolders[csidl] = path; }
    // The numbers SpecialFolderPath was asked for, in order.
    const QList<int>& SpecialFolderQueries() const { return m_queries; }

private:
    QList<Call> m_calls;
    QMap<int, QString> m_specialFolders;
    QList<int> m_queries;
    QString m_failure;
};

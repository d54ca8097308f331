// SPDX-License-Identifier: MIT
#include "common/platform/posix/KelvoCommonFlockInstance.h"

#include "common/KelvoCommonLog.h"
#include "common/core/KelvoCommonRuntimeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CKelvoCommonFlockInstance::~CKelvoCommonFlockInstance() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QString CKelvoCommonFlockInstance::LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime == '/')
        return QFile::decodeName(runtime);
    return QFile::decodeName(KelvoUserTempFolder().c_str());
}

bool CKelvoCommonFlockInstance::Acquire(const QString& name) {
    if (m_fd >= 0)
        return true;
    m_failure.clear();
    const QString folder = LockFolder();
    if (folder.isEmpty()) {
        m_failure = QCoreApplication::translate(
                        "CKelvoCommonFlockInstance",
                        "There is no private folder for the lock that keeps one copy running: "
                        "%1 must be a folder of yours that only you can open.")
                        .arg(QDir::tempPath() + QStringLiteral("/vendrask-%1").arg(::getuid()));
        qCWarning(lcKelvoCommon).noquote() << m_failure;
        return false;
    }
    const QByteArray path =
        QFile::encodeName(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_failure = QCoreApplication::translate("CKelvoCommonFlockInstance",
                                                "The lock file %1 cannot be opened: %2.")
                        .arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(errno)));
        qCWarning(lcKelvoCommon).noquote() << m_failure;
        return false;
    }
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

// SPDX-License-Identifier: MIT
#include "KelvoCommonFlockInstance.h"

#include "KelvoCommonLog.h"
#include "KelvoCommonRuntimeFolder.h"

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
    const QString folder = LockFolder();
    if (folder.isEmpty()) {
        qCWarning(lcKelvoCommon) << "no safe folder for the single-instance lock";
        return false;
    }
    const QByteArray path =
        QFile::encodeName(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qCWarning(lcKelvoCommon) << "cannot open" << QFile::decodeName(path) << ":"
                                 << std::strerror(errno);
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

// SPDX-License-Identifier: MIT
// The single-instance lock in the user's temporary folder, as without
// XDG_RUNTIME_DIR: held once, refused to a second holder without a reason,
// and never made in a folder others may open, with a reason to tell.
#include "common/platform/posix/KelvoCommonFlockInstance.h"

#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using vendrask::test::ScopedVariable;
using vendrask::test::TempDir;

TEST(KelvoCommonFlockInstance, HeldOnceAndNeverInAFolderOthersMayOpen) {
    TempDir dir;
    const QByteArray temp = QByteArray::fromStdString(dir.Path().string());
    const ScopedVariable runtime("XDG_RUNTIME_DIR", std::nullopt);
    const ScopedVariable tmpdir("TMPDIR", temp);
    const std::filesystem::path folder = dir.Path() / ("vendrask-" + std::to_string(::getuid()));

    CKelvoCommonFlockInstance first;
    ASSERT_TRUE(first.Acquire(QStringLiteral("Test"))) << first.FailureReason().toStdString();
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
    CKelvoCommonFlockInstance second;
    EXPECT_FALSE(second.Acquire(QStringLiteral("Test")));
    EXPECT_TRUE(second.FailureReason().isEmpty()) << "another holder is no failure";

    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    CKelvoCommonFlockInstance third;
    EXPECT_FALSE(third.Acquire(QStringLiteral("Other")));
    EXPECT_TRUE(third.FailureReason().contains(QString::fromStdString(folder.string())))
        << third.FailureReason().toStdString();
}

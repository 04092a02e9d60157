#include "PlatformPaths.h"
#include "QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

TEST(IsPseudoVolume, KernelAndRuntimeMountsAreNoDrives)
{
    EXPECT_TRUE(IsPseudoVolume("/proc", "proc"));
    EXPECT_TRUE(IsPseudoVolume("/sys", "sysfs"));
    EXPECT_TRUE(IsPseudoVolume("/sys/fs/cgroup", "cgroup2"));
    EXPECT_TRUE(IsPseudoVolume("/dev/pts", "devpts"));
    EXPECT_TRUE(IsPseudoVolume("/dev/shm", "tmpfs"));
    EXPECT_TRUE(IsPseudoVolume("/run", "tmpfs"));
    EXPECT_TRUE(IsPseudoVolume("/run/user/1000", "tmpfs"));
    EXPECT_TRUE(IsPseudoVolume("/run/user/1000/doc", "fuse.portal"));
    EXPECT_TRUE(IsPseudoVolume("/proc/sys/fs/binfmt_misc", "binfmt_misc"));
    EXPECT_TRUE(IsPseudoVolume("/snap/core/123", "squashfs"));
    EXPECT_TRUE(IsPseudoVolume("/home", "autofs"));

    EXPECT_FALSE(IsPseudoVolume("/", "ext4"));
    EXPECT_FALSE(IsPseudoVolume("/", "overlay"));
    EXPECT_FALSE(IsPseudoVolume("/home", "btrfs"));
    EXPECT_FALSE(IsPseudoVolume("/tmp", "tmpfs"));
    EXPECT_FALSE(IsPseudoVolume("/run/media/cook/USB", "vfat"));
    EXPECT_FALSE(IsPseudoVolume("/media/cook/USB", "vfat"));
    EXPECT_FALSE(IsPseudoVolume("/running", "tmpfs"));
    EXPECT_FALSE(IsPseudoVolume("/device", "ext4"));
}

TEST(DriveRoots, RootFirstThenTheOthersSortedOnce)
{
    const QStringList roots = DriveRoots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.first(), "/");
    const QStringList others = roots.mid(1);
    EXPECT_TRUE(std::is_sorted(others.begin(), others.end()));
    QStringList unique = roots;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    for (const QString& root : roots) {
        EXPECT_TRUE(QFileInfo(root).isDir()) << root.toStdString();
        EXPECT_FALSE(IsPseudoVolume(root, QStorageInfo(root).fileSystemType()))
            << root.toStdString();
    }
}

TEST(NearestExistingFolder, WalksUpToAFolderThatExists)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString base = temp.path();
    ASSERT_TRUE(QDir(base).mkpath("a/b"));
    QFile file(base + "/a/file.tmr");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));

    EXPECT_EQ(NearestExistingFolder(base + "/a/b"), base + "/a/b");
    EXPECT_EQ(NearestExistingFolder(base + "/a/b/"), base + "/a/b");
    EXPECT_EQ(NearestExistingFolder(base + "/a/./b/../b"), base + "/a/b");
    EXPECT_EQ(NearestExistingFolder(base + "/a/gone/deeper"), base + "/a");
    EXPECT_EQ(NearestExistingFolder(base + "/a/file.tmr"), base + "/a");
    EXPECT_EQ(NearestExistingFolder(base + "/a/file.tmr/x"), base + "/a");
    EXPECT_EQ(NearestExistingFolder("/no-such-folder-for-quenmark/x/y"), "/");
    EXPECT_EQ(NearestExistingFolder("/"), "/");
    EXPECT_EQ(NearestExistingFolder(""), "/");
    EXPECT_EQ(NearestExistingFolder("/My Documents-quenmark-none"), "/");

    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(base));
    EXPECT_EQ(NearestExistingFolder("a/b"),
              QDir::cleanPath(QDir::current().absoluteFilePath("a/b")));
    QDir::setCurrent(saved);
}

TEST(DriveOfPath, TheRootOfTheVolumeThatHoldsIt)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString drive = DriveOfPath(temp.path());
    EXPECT_TRUE(drive == "/" || temp.path().startsWith(drive + "/")) << drive.toStdString();
    // In a container or chroot the volume may not be listed; "/" is then the answer.
    const QStorageInfo volume(temp.path());
    if (volume.isValid()) {
        EXPECT_EQ(drive, volume.rootPath());
    }
    EXPECT_EQ(DriveOfPath(temp.path() + "/not/made/yet"), drive);
    EXPECT_EQ(DriveOfPath("/no-such-folder-for-quenmark"), "/");
    EXPECT_EQ(DriveOfPath(""), "/");
}

TEST(DriveOfPath, IsAnAncestorEvenThroughASymbolicLink)
{
    if (QStorageInfo("/proc").rootPath() != "/proc")
        GTEST_SKIP() << "no separate /proc volume to link to";
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    ASSERT_TRUE(QFile::link("/proc", temp.path() + "/link"));
    EXPECT_EQ(DriveOfPath(temp.path() + "/link"), "/");
    EXPECT_EQ(DriveOfPath("/proc"), "/proc");
}

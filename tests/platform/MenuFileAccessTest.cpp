#include "MenuFileAccess.h"
#include "TestFiles.h"
#include "WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;

namespace {

class MenuFileAccess : public InTemporaryFolder
{
protected:
    void SetUp() override
    {
        InTemporaryFolder::SetUp();
        for (int i = 0; i < FileDataSize; ++i)
            sample[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
        untouched.fill(0xAB);
    }
    void TearDown() override
    {
        SetWriteFault(WriteFault::None);
        // Give back what a test took away, so the folder can be removed.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QByteArray SampleBytes() const { return AsBytes(sample); }

    void ExpectUntouched() const
    {
        for (std::uint8_t b : untouched)
            ASSERT_EQ(b, 0xAB);
    }

    static void RequireUnprivileged()
    {
        // Root ignores permissions; a pass there would prove nothing.
        ASSERT_NE(geteuid(), 0u) << "permission tests must run as an ordinary user";
    }

    MenuImage sample{};
    MenuImage untouched{};
};

} // namespace

TEST_F(MenuFileAccess, SaveCreatesExactly191BytesAndReadsThemBack)
{
    const QString path = Path("MENU0001.tmr");
    ASSERT_TRUE(WriteMenuFile(path, sample).ok);
    EXPECT_EQ(Contents(path), SampleBytes());
    MenuImage back{};
    ASSERT_TRUE(ReadMenuFile(path, back).ok);
    EXPECT_EQ(back, sample);
}

TEST_F(MenuFileAccess, SavingTwiceGivesIdenticalFilesAndALongerFileIsReplacedWhole)
{
    const QString path = Path("MENU0001.tmr");
    Put(path, QByteArray(4000, 'x'));
    ASSERT_TRUE(WriteMenuFile(path, sample).ok);
    const QByteArray first = Contents(path);
    ASSERT_TRUE(WriteMenuFile(path, sample).ok);
    EXPECT_EQ(Contents(path), first);
    EXPECT_EQ(first.size(), FileDataSize);
}

// ReadMenuBytes takes a file of any size and gives its first bytes; a menu
// read takes the first 191 bytes of a file that has them and otherwise fails
// without touching the image.
TEST_F(MenuFileAccess, FilesOfEverySizeReadAsTheirFirst191Bytes)
{
    for (int size : {0, 1, 190, 191, 192, 1 << 20}) {
        SCOPED_TRACE(size);
        const QString path = Path(QString("F%1.tmr").arg(size));
        QByteArray bytes = SampleBytes().left(size);
        bytes.append(QByteArray(std::max(0, size - FileDataSize), '\x7F'));
        Put(path, bytes);
        const MenuFileBytes r = ReadMenuBytes(path);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(r.size, size);
        EXPECT_EQ(AsBytes(r.head), SampleBytes().left(size));

        MenuImage image = untouched;
        const FileResult read = ReadMenuFile(path, image);
        EXPECT_EQ(read.ok, size >= FileDataSize);
        EXPECT_TRUE(read.ok || !read.error.isEmpty()) << "a failure says why";
        EXPECT_EQ(image, read.ok ? sample : untouched);
    }
    EXPECT_FALSE(ReadMenuFile(Path("missing.tmr"), untouched).ok);
    ExpectUntouched();
    // Reading never creates the file it was asked for.
    EXPECT_FALSE(QFile::exists(Path("missing.tmr")));
}

TEST_F(MenuFileAccess, MissingFilesAndFoldersGiveTheSystemsReason)
{
    const MenuFileBytes missing = ReadMenuBytes(Path("MENU0001.tmr"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "No such file or directory");
    EXPECT_FALSE(QFile::exists(Path("MENU0001.tmr")));

    ASSERT_TRUE(QDir(dir.path()).mkdir("MENU0002.tmr"));
    const MenuFileBytes folder = ReadMenuBytes(Path("MENU0002.tmr"));
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.error, "Is a directory");
}

TEST_F(MenuFileAccess, AFolderIsNeitherReadNorReplaced)
{
    const QString path = Path("FOLDER01.tmr");
    ASSERT_TRUE(QDir(dir.path()).mkdir("FOLDER01.tmr"));
    EXPECT_FALSE(ReadMenuFile(path, untouched).ok);
    ExpectUntouched();
    EXPECT_FALSE(WriteMenuFile(path, sample).ok);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(MenuFileAccess, APipeOrADeviceIsNoMenuFile)
{
    // Opening a pipe for reading waits for a writer, for ever if none comes.
    const QString pipe = Path("PIPE0001.tmr");
    const QByteArray pipeName = QFile::encodeName(pipe);
    ASSERT_EQ(mkfifo(pipeName.constData(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return ReadMenuFile(pipe, untouched); });
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "reading a pipe waits for a writer";
        close(open(pipeName.constData(), O_WRONLY));
    }
    const FileResult r = reading.get();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Not a regular file");
    ExpectUntouched();

    // A device that reads as endless zeros is no menu either.
    if (QFileInfo::exists(QStringLiteral("/dev/zero"))) {
        EXPECT_FALSE(ReadMenuFile(QStringLiteral("/dev/zero"), untouched).ok);
        ExpectUntouched();
    }
}

TEST_F(MenuFileAccess, EachFailingWriteStageLeavesTheOldFileAndNoLeftovers)
{
    const QString path = Path("MENU0001.tmr");
    const QByteArray old(FileDataSize, '\x42');
    for (WriteFault fault :
         {WriteFault::Open, WriteFault::Write, WriteFault::Flush, WriteFault::Commit}) {
        Put(path, old);
        SetWriteFault(fault);
        EXPECT_FALSE(WriteMenuFile(path, sample).ok);
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"MENU0001.tmr"});
    }
}

// Watches the real steps: what the folder held when it was flushed.
class WatchedSteps : public WriteSteps
{
public:
    QStringList calls;
    QByteArray atFolderSync;
    QString target;

    Result<> Commit(QSaveFile& file) override
    {
        calls << "commit";
        return WriteSteps::Commit(file);
    }
    Result<> SyncFolder(const QString& folder) override
    {
        calls << "sync " + folder;
        atFolderSync = Contents(target);
        return WriteSteps::SyncFolder(folder);
    }
};

// A stick pulled right after a save must hold the new file: the folder entry
// is flushed once the file is in place, and only then is the save done.
TEST_F(MenuFileAccess, FolderIsFlushedAfterTheNewFileIsInPlace)
{
    WatchedSteps watched;
    watched.target = Path("MENU0001.tmr");
    Put(watched.target, QByteArray(FileDataSize, '\x42'));
    SetWriteSteps(&watched);
    const FileResult result = WriteMenuFile(watched.target, sample);
    SetWriteSteps(nullptr);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(watched.calls, (QStringList{"commit", "sync " + dir.path()}));
    EXPECT_EQ(watched.atFolderSync, SampleBytes());

    // The real flush of a folder that is gone reports why.
    const Result<> gone = WriteSteps().SyncFolder(Path("gone"));
    ASSERT_FALSE(gone.ok());
    EXPECT_FALSE(gone.failure().reason.empty());
}

TEST_F(MenuFileAccess, FolderThatVanishedIsAFailure)
{
    const QString sub = Path("gone");
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
    ASSERT_TRUE(QDir(sub).removeRecursively());
    EXPECT_FALSE(WriteMenuFile(sub + "/MENU0001.tmr", sample).ok);
    EXPECT_FALSE(ReadMenuFile(sub + "/MENU0001.tmr", untouched).ok);
}

TEST_F(MenuFileAccess, ReadOnlyFileIsNotReplaced)
{
    RequireUnprivileged();
    const QString path = Path("MENU0001.tmr");
    const QByteArray old(FileDataSize, '\x42');
    Put(path, old);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    const FileResult r = WriteMenuFile(path, sample);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(QFile::permissions(path) & QFile::WriteOwner, 0);
}

TEST_F(MenuFileAccess, FolderThatMayNotBeWrittenKeepsItsFile)
{
    RequireUnprivileged();
    const QString path = Path("MENU0001.tmr");
    const QByteArray old(FileDataSize, '\x42');
    Put(path, old);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(WriteMenuFile(path, sample).ok);
    EXPECT_FALSE(WriteMenuFile(Path("NEWMENU1.tmr"), sample).ok);
    EXPECT_EQ(Contents(path), old);
    EXPECT_FALSE(QFile::exists(Path("NEWMENU1.tmr")));
}

TEST_F(MenuFileAccess, UnreadableFileFails)
{
    RequireUnprivileged();
    const QString path = Path("MENU0001.tmr");
    Put(path, SampleBytes());
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
    EXPECT_FALSE(ReadMenuFile(path, untouched).ok);
    ExpectUntouched();
}

TEST_F(MenuFileAccess, ReplacedFileKeepsItsPermissionsAndNewFilesFollowTheUmask)
{
    const QString path = Path("MENU0001.tmr");
    Put(path, QByteArray(FileDataSize, 0));
    const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, perms));
    ASSERT_TRUE(WriteMenuFile(path, sample).ok);
    EXPECT_EQ(QFile::permissions(path) & 0x7077, perms);

    const mode_t mask = umask(022);
    const QString fresh = Path("MENU0002.tmr");
    ASSERT_TRUE(WriteMenuFile(fresh, sample).ok);
    umask(mask);
    struct stat st {
    };
    ASSERT_EQ(stat(fresh.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

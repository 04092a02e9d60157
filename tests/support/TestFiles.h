// Files and folders for tests: write a fixture, read a result back (a PDF by
// its text), list what a folder holds, work in a folder of one's own.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iterator>

namespace testing_support {

// Bytes held as unsigned (a menu image, a record) as a file holds them.
template <typename Bytes> QByteArray AsBytes(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(bytes)),
                      static_cast<qsizetype>(std::size(bytes)));
}

inline void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// What a file holds; "<unreadable>" when it cannot be read, which equals no
// content a test writes or expects.
inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The text pdftotext finds in `pdf`; empty when it cannot read it.
inline QString PdfText(const QString& pdf, const QStringList& options)
{
    QProcess p;
    p.start("pdftotext", options + QStringList{pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every entry below root, sorted, hidden ones too, so that a leftover
// temporary file shows.
inline QStringList FileTree(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    return entries;
}

// A test that works in a fresh folder of its own.
class InTemporaryFolder : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

} // namespace testing_support

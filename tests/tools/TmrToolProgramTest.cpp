// The built program, run as a user runs it: through a pipe, with real exit
// codes and standard input.
#include "Commands.h"
#include "MenuFixtures.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

struct Outcome {
    int status = -1;
    QByteArray out, err;
};

Outcome Tmrtool(const QStringList& args, const QByteArray& input = {}, const QString& outFile = {},
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(environment);
    if (!outFile.isEmpty())
        p.setStandardOutputFile(outFile);
    p.start(TMRTOOL_PROGRAM, args);
    if (!p.waitForStarted())
        return {};
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    Outcome r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// What bash completes the last of `words` to, after "tmrtool".
QStringList Completion(const QStringList& words)
{
    QProcess bash;
    bash.start("bash", QStringList{"-c",
                                   "source \"$0\"; COMP_WORDS=(tmrtool \"$@\"); COMP_CWORD=$#; "
                                   "_tmrtool; printf '%s\\n' \"${COMPREPLY[@]}\"",
                                   TMRTOOL_COMPLETION} +
                           words);
    bash.waitForFinished(60000);
    return QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

class TmrtoolProgram : public testing_support::InTemporaryFolder
{
};

} // namespace

TEST_F(TmrtoolProgram, ExportThenImportThroughPipesGivesTheSameBytes)
{
    MenuImage image = Sample();
    image[ReservedByteIndex] = 0x21;
    Put(Path("A.tmr"), Bytes(image));

    const Outcome exported = Tmrtool({"export", Path("A.tmr")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    const Outcome imported = Tmrtool({"import", "-", "-o", Path("B.tmr")}, exported.out);
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(Contents(Path("B.tmr")), Bytes(image));
    EXPECT_EQ(Tmrtool({"diff", Path("A.tmr"), Path("B.tmr")}).status, 0);

    const Outcome csv = Tmrtool({"export", "--format=csv", Path("A.tmr")});
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(csv.err.toStdString(), "tmrtool: " + Path("A.tmr").toStdString() +
                                         ": warning: reserved byte 190 is 0x21, which CSV cannot "
                                         "hold; an import writes 0 (JSON keeps it)\n");
    const Outcome fromCsv =
        Tmrtool({"import", "-", "-o", Path("C.tmr"), "--format", "csv"}, csv.out);
    ASSERT_EQ(fromCsv.status, 0) << fromCsv.err.toStdString();
    const Outcome differ = Tmrtool({"diff", Path("A.tmr"), Path("C.tmr")});
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out, "reserved byte 190: 0x21 -> 0x00\n");
}

TEST_F(TmrtoolProgram, ExitCodesOfEachCommand)
{
    Put(Path("GOOD.tmr"), Bytes(Sample()));
    Put(Path("SHORT.tmr"), Bytes(Sample()).left(190));
    EXPECT_EQ(Tmrtool({"check", Path("GOOD.tmr")}).status, 0);
    EXPECT_EQ(Tmrtool({"check", Path("GOOD.tmr"), Path("SHORT.tmr")}).status, 1);
    EXPECT_EQ(Tmrtool({"check", Path("GOOD.tmr"), Path("MISSING.tmr")}).status, 2);
    EXPECT_EQ(Tmrtool({"show", Path("SHORT.tmr")}).status, 2);
    EXPECT_EQ(Tmrtool({"show", Path("MISSING.tmr")}).status, 2);
    EXPECT_EQ(Tmrtool({"diff", Path("GOOD.tmr"), Path("GOOD.tmr")}).status, 0);
    EXPECT_EQ(Tmrtool({"diff", Path("GOOD.tmr"), Path("SHORT.tmr")}).status, 2);
    EXPECT_EQ(Tmrtool({"export", Path("GOOD.tmr")}).status, 0);
    EXPECT_EQ(Tmrtool({"import", "-", "-o", Path("NEW.tmr")}, "{\"items\": [5]}").status, 1);
    EXPECT_EQ(Tmrtool({"--version"}).status, 0);
    EXPECT_EQ(Tmrtool({"--help"}).status, 0);

    const Outcome usage = Tmrtool({"frobnicate"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
    EXPECT_EQ(usage.err, "tmrtool: unknown command 'frobnicate'; see 'tmrtool --help'\n");
}

TEST_F(TmrtoolProgram, OutputToAPipeIsPlain)
{
    MenuImage image = Sample();
    Record(image, 2)[ChecksumOffset] ^= 0xFF;
    Put(Path("BAD.tmr"), Bytes(image));
    for (const QStringList& args :
         std::vector<QStringList>{{"show", Path("BAD.tmr")},
                                  {"check", Path("BAD.tmr")},
                                  {"diff", Path("BAD.tmr"), Path("BAD.tmr")}}) {
        const Outcome r = Tmrtool(args);
        EXPECT_FALSE(r.out.contains('\033')) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(
        Tmrtool({"show", Path("BAD.tmr")}).out.contains("\n1\tFRIES\t3:00\t0:30\t7:00\t1\tok\n"));
}

TEST_F(TmrtoolProgram, AFullDiskOnStandardOutputIsNoSuccess)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    Put(Path("GOOD.tmr"), Bytes(Sample()));
    const Outcome r = Tmrtool({"export", Path("GOOD.tmr")}, {}, "/dev/full");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.startsWith("tmrtool: standard output: ")) << r.err.toStdString();
}

TEST_F(TmrtoolProgram, ReadingCommandsRefuseAPipeInsteadOfDrainingIt)
{
    if (!QFileInfo::exists("/dev/stdin"))
        GTEST_SKIP() << "no /dev/stdin here";
    Put(Path("GOOD.tmr"), Bytes(Sample()));
    for (const QStringList& args :
         std::vector<QStringList>{{"check", "/dev/stdin"},
                                  {"show", "/dev/stdin"},
                                  {"export", "/dev/stdin"},
                                  {"diff", Path("GOOD.tmr"), "/dev/stdin"}}) {
        const Outcome r = Tmrtool(args, Bytes(Sample()));
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err, "tmrtool: /dev/stdin: Not a regular file\n") << r.err.toStdString();
    }
}

TEST_F(TmrtoolProgram, CardOfARealMenuReadsBackInButtonOrderWithoutADisplay)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Put(Path("MENU0001.tmr"), Bytes(Sample()));
    // As from cron or over ssh: no display and no platform chosen.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    const Outcome pdf =
        Tmrtool({"card", Path("MENU0001.tmr"), "-o", Path("card.pdf")}, {}, {}, environment);
    ASSERT_EQ(pdf.status, 0) << pdf.err.toStdString();
    EXPECT_EQ(pdf.err, QByteArray());
    QProcess text;
    text.start("pdftotext", {"-layout", Path("card.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(shown.startsWith("MENU0001.tmr No. Name Cook Shake Hold Comp. "
                                 "1 FRIES 3:00 0:30 7:00 Yes 2 FISH 4:30 0:00 5:00 No "
                                 "3 CHICKEN 2 12:00 1:15 15:00 Yes 4 5 6 7 8 9 10"))
        << shown.toStdString();

    const Outcome png = Tmrtool({"card", Path("MENU0001.tmr"), "-o", Path("card.png"), "--page",
                                 "letter", "--dpi", "72", "--title", "Store 12"});
    ASSERT_EQ(png.status, 0) << png.err.toStdString();
    EXPECT_EQ(QImage(Path("card.png")).size(), QSize(612, 792));
    EXPECT_EQ(Tmrtool({"card", Path("MENU0001.tmr"), "-o", Path("c.pdf"), "--dpi", "5"}).status, 2);
}

TEST_F(TmrtoolProgram, BashCompletesEveryCommandAndEachOfItsOptions)
{
    if (QStandardPaths::findExecutable("bash").isEmpty())
        GTEST_SKIP() << "no bash here";
    const QStringList commands = Completion({""});
    // The long options of the help's Options list, each at the start of a line.
    const QRegularExpression listed("^  (?:-\\w, )?(--[a-z-]+)",
                                    QRegularExpression::MultilineOption);
    for (const Command& command : Commands()) {
        EXPECT_TRUE(commands.contains(command.name)) << command.name;
        const QString help = QString::fromUtf8(Tmrtool({command.name, "--help"}).out);
        QStringList options;
        for (const auto& m : listed.globalMatch(help.mid(help.indexOf("\nOptions:"))))
            options << m.captured(1);
        QStringList offered = Completion({command.name, "--"});
        options.sort();
        offered.sort();
        EXPECT_EQ(offered.join(' ').toStdString(), options.join(' ').toStdString()) << command.name;
    }
}

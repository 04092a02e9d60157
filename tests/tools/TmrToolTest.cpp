#include "TmrTool.h"

#include "Commands.h"
#include "EntryRules.h"
#include "MenuFixtures.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace fixtures;

namespace {

std::size_t LineCount(const std::string& s)
{
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n'));
}

const char* const SampleJson = R"({"items": [{"name": "FRIES", "cook": "3:00", "shake": "0:30",
    "hold": "7:00", "compensation": 1}, {"name": "FISH", "cook": "4:30", "hold": "5:00"},
    {"name": "chicken 2", "cook": "12:00", "shake": "1:15", "hold": "15:00", "compensation": 1}]})";

class TmrTool : public InTemporaryFolder
{
protected:
    void TearDown() override
    {
        // Give back what a test took away, so the folder can be removed.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    std::string P(const QString& name) const { return Path(name).toStdString(); }

    // A file of `size` bytes: the sample menu, cut or followed by 0x7F.
    QString File(const QString& name, int size = FileDataSize)
    {
        QByteArray bytes = Bytes(Sample()).left(size);
        bytes.append(QByteArray(std::max(0, size - FileDataSize), '\x7F'));
        Put(Path(name), bytes);
        return Path(name);
    }

    QString Corrupted(const QString& name)
    {
        MenuImage image = Sample();
        Record(image, 3)[ChecksumOffset] = 0x12;
        Put(Path(name), Bytes(image));
        return Path(name);
    }

    QString Folder(const QString& name)
    {
        EXPECT_TRUE(QDir(dir.path()).mkdir(name));
        return Path(name);
    }

    // The JSON to import and an old OUT.tmr that a refused import must
    // leave byte for byte.
    QByteArray PutInputOverAnOldMenu()
    {
        Put(Path("in.json"), SampleJson);
        const QByteArray old(FileDataSize, '\x42');
        Put(Path("OUT.tmr"), old);
        return old;
    }

    static void RequireUnprivileged()
    {
#ifdef _WIN32
        GTEST_SKIP() << "Windows has no owner-only modes, only a read-only attribute";
#else
        // Root ignores permissions; a pass there would prove nothing.
        ASSERT_NE(geteuid(), 0u) << "permission tests must run as an ordinary user";
#endif
    }
};

} // namespace

TEST_F(TmrTool, UsageErrorsExit2WithAOneLineHint)
{
    const std::vector<QStringList> cases = {
        {},
        {"frob"},
        {"--frob"},
        {"show"},
        {"check"},
        {"check", "--bogus", "x.tmr"},
        {"export"},
        {"export", "a.tmr", "b.tmr"},
        {"export", "-f", "xml", "a.tmr"},
        {"import", "a.json"},
        {"import", "-o", "x.tmr"},
        {"import", "a.json", "-o"},
        {"import", "a.json", "-o", "x.tmr", "--format", "yaml"},
        {"import", "a.json", "b.json", "-o", "x.tmr"},
        {"diff", "a.tmr"},
        {"diff", "a.tmr", "b.tmr", "c.tmr"},
        {"show", "--version", "a.tmr"},
    };
    for (const QStringList& args : cases) {
        const ToolRun r = Tmr(args);
        const std::string shown = args.join(' ').toStdString();
        EXPECT_EQ(r.status, ExitTrouble) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_EQ(LineCount(r.err), 1u) << shown << ": " << r.err;
        EXPECT_TRUE(std::regex_search(r.err, std::regex("^tmrtool( [a-z]+)?: .+; see 'tmrtool "
                                                        "([a-z]+ )?--help'\n$")))
            << r.err;
    }
    EXPECT_EQ(Tmr({"frob"}).err, "tmrtool: unknown command 'frob'; see 'tmrtool --help'\n");
    EXPECT_EQ(Tmr({"check"}).err, "tmrtool check: no FILE given; see 'tmrtool check --help'\n");
}

TEST_F(TmrTool, HelpForTheToolAndEachCommand)
{
    for (const QStringList& args : std::vector<QStringList>{{"--help"}, {"-h"}, {"help"}}) {
        const ToolRun r = Tmr(args);
        EXPECT_EQ(r.status, ExitOk);
        EXPECT_EQ(r.out.rfind("Usage: tmrtool COMMAND", 0), 0u);
        for (const char* command : {"show", "check", "export", "import", "diff", "Exit status"})
            EXPECT_NE(r.out.find(command), std::string::npos) << command;
    }
    for (const char* command : {"show", "check", "export", "import", "diff"}) {
        for (const QStringList& args :
             std::vector<QStringList>{{command, "--help"}, {command, "-h"}, {"help", command}}) {
            const ToolRun r = Tmr(args);
            EXPECT_EQ(r.status, ExitOk) << command;
            EXPECT_EQ(r.out.rfind(std::string("Usage: tmrtool ") + command + " ", 0), 0u) << r.out;
            EXPECT_NE(r.out.find("Exit status:\n  0  "), std::string::npos) << command;
            EXPECT_EQ(r.err, "");
        }
    }
    const ToolRun import = Tmr({"import", "--help"});
    for (const char* option : {"--output", "--format", "--force", "--raw"})
        EXPECT_NE(import.out.find(option), std::string::npos) << option;
    // The help tells the name rule in the words the refusals use.
    EXPECT_NE(std::regex_replace(import.out, std::regex("\\s+"), " ").find(NameCharactersInWords),
              std::string::npos)
        << import.out;
}

TEST_F(TmrTool, ManualPageHasEveryCommand)
{
    const QByteArray manual = Contents(TMRTOOL_MANUAL);
    for (const Command& command : Commands()) {
        EXPECT_TRUE(manual.contains(QByteArray(".B tmrtool ") + command.name + "\n"))
            << command.name;
        EXPECT_TRUE(manual.contains(QByteArray(".BI ") + command.name + " ")) << command.name;
    }
}

TEST_F(TmrTool, VersionIsOneLine)
{
    const ToolRun r = Tmr({"--version"});
    EXPECT_EQ(r.status, ExitOk);
    EXPECT_TRUE(std::regex_match(r.out, std::regex("tmrtool [0-9]+(\\.[0-9]+)*\n"))) << r.out;
    EXPECT_EQ(Tmr({"-v"}).out, r.out);
}

TEST_F(TmrTool, CheckPassesSoundFilesAndWarningsDoNotFail)
{
    MenuImage odd = Sample();
    Record(odd, 1)[CompOffset] = 2;
    Reseal(odd, 1);
    Put(Path("ODD.tmr"), Bytes(odd));
    const ToolRun r = Tmr({"check", File("GOOD.tmr"), Path("ODD.tmr")});
    EXPECT_EQ(r.status, ExitOk);
    EXPECT_EQ(r.out, P("ODD.tmr") + ": item 1: warning: compensation 2, expected 0 or 1\n" +
                         "2 files, 0 with problems, 1 warning\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Tmr({"check", File("GOOD.tmr")}).out, "1 file, 0 with problems, 0 warnings\n");
}

TEST_F(TmrTool, CheckReportsShortLongAndCorruptedFiles)
{
    const ToolRun r = Tmr({"check", File("E0.tmr", 0), File("E1.tmr", 1), File("S190.tmr", 190),
                           File("L192.tmr", 192), File("BIG.tmr", 1 << 20), Corrupted("BAD.tmr"),
                           File("GOOD.tmr")});
    EXPECT_EQ(r.status, ExitFound);
    EXPECT_EQ(r.out,
              P("E0.tmr") + ": 0 bytes, expected 191\n" + P("E1.tmr") + ": 1 byte, expected 191\n" +
                  P("S190.tmr") + ": 190 bytes, expected 191\n" + P("L192.tmr") +
                  ": 192 bytes, expected 191\n" + P("BIG.tmr") + ": 1048576 bytes, expected 191\n" +
                  P("BAD.tmr") + ": item 3: checksum 0x12, expected 0x0C\n" +
                  "7 files, 6 with problems, 0 warnings\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(TmrTool, CheckOfMissingFilesExits2AndGoesOn)
{
    // A folder named like a menu file is a folder: its menus (none) are checked.
    const ToolRun r = Tmr({"check", Path("MISSING.tmr"), Folder("MENU0001.tmr"), File("GOOD.tmr"),
                           Corrupted("BAD.tmr")});
    EXPECT_EQ(r.status, ExitTrouble);
    EXPECT_EQ(r.err, "tmrtool: " + P("MISSING.tmr") + ": " + NoSuchFile() + "\n");
    EXPECT_EQ(r.out, P("BAD.tmr") + ": item 3: checksum 0x12, expected 0x0C\n" +
                         "3 files, 2 with problems, 0 warnings\n");
    EXPECT_FALSE(QFile::exists(Path("MISSING.tmr")));
}

TEST_F(TmrTool, CheckColoursOnlyForATerminal)
{
    const QString bad = Corrupted("BAD.tmr");
    EXPECT_EQ(Tmr({"check", bad}).out.find('\033'), std::string::npos);
    const ToolRun r = Tmr({"check", bad}, true);
    EXPECT_NE(r.out.find("\033[31m" + P("BAD.tmr") + ": item 3"), std::string::npos) << r.out;
}

TEST_F(TmrTool, ShowEveryFileItCanReadAndSayWhatItCannot)
{
    const ToolRun r = Tmr(
        {"show", File("GOOD.tmr"), Path("MISSING.tmr"), Folder("DIR.tmr"), Corrupted("BAD.tmr")});
    EXPECT_EQ(r.status, ExitTrouble);
    EXPECT_EQ(r.err, "tmrtool: " + P("MISSING.tmr") + ": " + NoSuchFile() + "\n" +
                         "tmrtool: " + P("DIR.tmr") + ": Is a directory\n");
    EXPECT_NE(r.out.find(P("GOOD.tmr") + "\nitem\tname\t"), std::string::npos);
    EXPECT_NE(r.out.find("\n1\tFRIES\t3:00\t0:30\t7:00\t1\tok\n"), std::string::npos);
    EXPECT_NE(r.out.find("\t0x12, expected 0x0C\n"), std::string::npos);
    EXPECT_EQ(Tmr({"show", File("GOOD.tmr")}).status, ExitOk);
    EXPECT_EQ(Tmr({"show", Corrupted("BAD.tmr")}).status, ExitOk);
}

TEST_F(TmrTool, EveryCommandRefusesAFileThatIsNot191Bytes)
{
    const QString good = File("GOOD.tmr");
    const QByteArray before = Contents(good);
    // A PDF named like a menu among others.
    for (const int size : {0, 1, 190, 192, 16718}) {
        const QString wrong = File("WRONG.tmr", size);
        const std::string why =
            std::to_string(size) + (size == 1 ? " byte" : " bytes") + ", a menu file has 191\n";
        for (const QStringList& args :
             std::vector<QStringList>{{"show", wrong},
                                      {"export", wrong},
                                      {"card", wrong, "-o", Path("card.pdf")},
                                      {"diff", good, wrong},
                                      {"set", good, wrong, "--item", "1", "--cook", "9:00"}}) {
            const ToolRun r = Tmr(args);
            const std::string shown = args.first().toStdString() + " of " + std::to_string(size);
            EXPECT_EQ(r.status, ExitTrouble) << shown;
            if (args.first() == "set") {
                EXPECT_EQ(r.out, P("GOOD.tmr") + ": left alone\n" + P("WRONG.tmr") +
                                     ": not read: " + why +
                                     "nothing written: a file could not be read\n")
                    << shown;
            } else {
                EXPECT_EQ(r.err, "tmrtool: " + P("WRONG.tmr") + ": " + why) << shown;
                EXPECT_EQ(r.out, "") << shown;
            }
        }
        EXPECT_EQ(Contents(good), before) << size;
        EXPECT_FALSE(QFile::exists(Path("card.pdf"))) << size;
        const ToolRun check = Tmr({"check", wrong});
        EXPECT_EQ(check.status, ExitFound) << size;
        EXPECT_NE(check.out.find(P("WRONG.tmr") + ": " + std::to_string(size)), std::string::npos);
    }
}

TEST_F(TmrTool, DiffExitsByWhetherTheMenusDiffer)
{
    const ToolRun same = Tmr({"diff", File("A.tmr"), File("B.tmr")});
    EXPECT_EQ(same.status, ExitOk);
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(same.err, "");

    MenuImage other = Sample();
    Record(other, 3)[CookOffset + 1] += 10;
    Reseal(other, 3);
    Put(Path("C.tmr"), Bytes(other));
    const ToolRun differ = Tmr({"diff", Path("A.tmr"), Path("C.tmr")});
    EXPECT_EQ(differ.status, ExitFound);
    EXPECT_EQ(differ.out, "item 3 cook: 12:00 -> 12:10\n");

    const ToolRun corrupted = Tmr({"diff", Path("A.tmr"), Corrupted("BAD.tmr")});
    EXPECT_EQ(corrupted.status, ExitFound);
    EXPECT_EQ(corrupted.out, "item 3 checksum: 0x0C -> 0x12 (expected 0x0C)\n");
}

TEST_F(TmrTool, DiffOfFilesThatAreNoMenuExits2)
{
    const QString good = File("A.tmr");
    for (const QString& path : {Path("MISSING.tmr"), Folder("DIR.tmr"), File("S190.tmr", 190),
                                File("E0.tmr", 0), File("E1.tmr", 1)}) {
        const ToolRun r = Tmr({"diff", good, path});
        EXPECT_EQ(r.status, ExitTrouble) << path.toStdString();
        EXPECT_EQ(r.err.rfind("tmrtool: " + path.toStdString() + ": ", 0), 0u) << r.err;
        EXPECT_EQ(LineCount(r.err), 1u);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(TmrTool, ExportWritesJsonOrCsvAndTellsWhatCannotComeBack)
{
    const ToolRun json = Tmr({"export", File("A.tmr")});
    EXPECT_EQ(json.status, ExitOk);
    EXPECT_EQ(json.out.rfind("{\n  \"items\": [\n    {\"name\": \"FRIES\"", 0), 0u);
    EXPECT_EQ(json.err, "");
    const ToolRun csv = Tmr({"export", "--format", "CSV", Path("A.tmr")});
    EXPECT_EQ(csv.status, ExitOk);
    EXPECT_EQ(csv.out.rfind("item,name,cook,shake,hold,compensation\r\n1,FRIES,", 0), 0u);

    const ToolRun bad = Tmr({"export", "-f", "json", Corrupted("BAD.tmr")});
    EXPECT_EQ(bad.status, ExitOk);
    EXPECT_EQ(bad.err, "tmrtool: " + P("BAD.tmr") +
                           ": warning: item 3: checksum 0x12, expected 0x0C; an import writes "
                           "0x0C\n");
    for (const QString& path : {Path("MISSING.tmr"), Folder("DIR.tmr"), File("S190.tmr", 190)}) {
        const ToolRun r = Tmr({"export", path});
        EXPECT_EQ(r.status, ExitTrouble);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(TmrTool, ImportWritesTheMenuAndExportGivesItBack)
{
    Put(Path("in.json"), SampleJson);
    const ToolRun r = Tmr({"import", Path("in.json"), "-o", Path("OUT.tmr")});
    ASSERT_EQ(r.status, ExitOk) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Contents(Path("OUT.tmr")), Bytes(Sample()));

    for (const char* format : {"json", "csv"}) {
        const ToolRun exported = Tmr({"export", "-f", format, Path("OUT.tmr")});
        const QString text = Path(QString("back.") + format);
        Put(text, QByteArray::fromStdString(exported.out));
        ASSERT_EQ(Tmr({"import", text, "--output", Path("BACK.tmr"), "--force"}).status, ExitOk);
        EXPECT_EQ(Contents(Path("BACK.tmr")), Bytes(Sample())) << format;
    }
}

TEST_F(TmrTool, RawImportGivesBackWhatTheEditorCouldNotHaveWritten)
{
    MenuImage odd = Menu({{"fries", "1092:15", "200:00", "0:00", 255}}, 0x5A);
    std::ranges::fill(Record(odd, 2), 0);
    Put(Path("ODD.tmr"), Bytes(odd));
    Put(Path("odd.json"), QByteArray::fromStdString(Tmr({"export", Path("ODD.tmr")}).out));

    const ToolRun refused = Tmr({"import", Path("odd.json"), "-o", Path("NEW.tmr")});
    EXPECT_EQ(refused.status, ExitFound);
    EXPECT_FALSE(QFile::exists(Path("NEW.tmr")));
    EXPECT_EQ(refused.err.substr(refused.err.find("tmrtool: nothing written")),
              "tmrtool: nothing written to " + P("NEW.tmr") +
                  "\ntmrtool: --raw accepts every value refused\n");

    const ToolRun raw = Tmr({"import", "--raw", Path("odd.json"), "-o", Path("NEW.tmr")});
    ASSERT_EQ(raw.status, ExitOk) << raw.err;
    EXPECT_EQ(Contents(Path("NEW.tmr")), Bytes(odd));
}

TEST_F(TmrTool, ImportRefusesBadInputAndWritesNothing)
{
    const QString out = File("OUT.tmr");
    const QByteArray before = Contents(out);
    Put(Path("bad.csv"), "item,name,cook\r\n1,A,3:75\r\n2,B,1:00,extra\r\n");
    const ToolRun r = Tmr({"import", Path("bad.csv"), "-o", out, "--force"});
    EXPECT_EQ(r.status, ExitFound);
    EXPECT_EQ(r.err, "tmrtool: " + P("bad.csv") +
                         ": line 2: cook: \"3:75\" is not a time the editor takes (m:ss or mm:ss, "
                         "0:00 to 99:59)\n" +
                         "tmrtool: " + P("bad.csv") + ": line 3: 4 fields, the header has 3\n" +
                         "tmrtool: nothing written to " + P("OUT.tmr") + "\n");
    EXPECT_EQ(Contents(out), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"bad.csv", "OUT.tmr"}));

    Put(Path("huge.json"), QByteArray((1 << 20) + 1, ' '));
    const ToolRun huge = Tmr({"import", Path("huge.json"), "-o", Path("NEW.tmr")});
    EXPECT_EQ(huge.status, ExitFound);
    EXPECT_NE(huge.err.find("more than 1 MiB"), std::string::npos);
    EXPECT_FALSE(QFile::exists(Path("NEW.tmr")));
}

TEST_F(TmrTool, ImportReplacesAnExistingFileOnlyWithForce)
{
    const QByteArray old = PutInputOverAnOldMenu();
    const ToolRun refused = Tmr({"import", Path("in.json"), "-o", Path("OUT.tmr")});
    EXPECT_EQ(refused.status, ExitFound);
    EXPECT_EQ(refused.err, "tmrtool: " + P("OUT.tmr") + ": exists already; --force replaces it\n" +
                               "tmrtool: nothing written to " + P("OUT.tmr") + "\n");
    EXPECT_EQ(Contents(Path("OUT.tmr")), old);

    EXPECT_EQ(Tmr({"import", Path("in.json"), "-o", Path("OUT.tmr"), "--force"}).status, ExitOk);
    EXPECT_EQ(Contents(Path("OUT.tmr")), Bytes(Sample()));
}

TEST_F(TmrTool, ImportOntoAFolderOrIntoAMissingFolderFails)
{
    Put(Path("in.json"), SampleJson);
    Folder("MENU0001.tmr");
    const ToolRun folder = Tmr({"import", Path("in.json"), "-o", Path("MENU0001.tmr"), "--force"});
    EXPECT_EQ(folder.status, ExitTrouble);
    EXPECT_EQ(folder.err, "tmrtool: " + P("MENU0001.tmr") + ": Is a directory\n" +
                              "tmrtool: nothing written to " + P("MENU0001.tmr") + "\n");
    EXPECT_TRUE(QFileInfo(Path("MENU0001.tmr")).isDir());

    const ToolRun gone = Tmr({"import", Path("in.json"), "-o", Path("gone/MENU0001.tmr")});
    EXPECT_EQ(gone.status, ExitTrouble);
    EXPECT_EQ(gone.err.rfind("tmrtool: " + P("gone/MENU0001.tmr") + ": ", 0), 0u) << gone.err;
    EXPECT_NE(gone.err.find("; nothing written\n"), std::string::npos) << gone.err;
}

TEST_F(TmrTool, ImportOfAnInputThatCannotBeReadExits2)
{
    for (const QString& path : {Path("missing.json"), Folder("dir.json")}) {
        const ToolRun r = Tmr({"import", path, "-o", Path("OUT.tmr")});
        EXPECT_EQ(r.status, ExitTrouble);
        EXPECT_EQ(LineCount(r.err), 1u) << r.err;
        EXPECT_EQ(r.err.rfind("tmrtool: " + path.toStdString() + ": ", 0), 0u) << r.err;
    }
    EXPECT_FALSE(QFile::exists(Path("OUT.tmr")));
}

TEST_F(TmrTool, ImportOntoAReadOnlyFileLeavesItAsItWas)
{
    ASSERT_NO_FATAL_FAILURE(RequireUnprivileged());
    if (IsSkipped())
        return;
    const QByteArray old = PutInputOverAnOldMenu();
    ASSERT_TRUE(QFile::setPermissions(Path("OUT.tmr"), QFile::ReadOwner));
    const ToolRun r = Tmr({"import", Path("in.json"), "-o", Path("OUT.tmr"), "--force"});
    EXPECT_EQ(r.status, ExitTrouble);
    EXPECT_EQ(r.err.rfind("tmrtool: " + P("OUT.tmr") + ": ", 0), 0u) << r.err;
    EXPECT_EQ(Contents(Path("OUT.tmr")), old);
    EXPECT_EQ(QFile::permissions(Path("OUT.tmr")) & QFile::WriteOwner, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"in.json", "OUT.tmr"}));
}

TEST_F(TmrTool, ImportIntoAFolderThatMayNotBeWrittenChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(RequireUnprivileged());
    if (IsSkipped())
        return;
    const QByteArray old = PutInputOverAnOldMenu();
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const ToolRun replace = Tmr({"import", Path("in.json"), "-o", Path("OUT.tmr"), "--force"});
    EXPECT_EQ(replace.status, ExitTrouble);
    EXPECT_EQ(replace.err.rfind("tmrtool: " + P("OUT.tmr") + ": ", 0), 0u) << replace.err;
    const ToolRun fresh = Tmr({"import", Path("in.json"), "-o", Path("NEW.tmr")});
    EXPECT_EQ(fresh.status, ExitTrouble);
    EXPECT_EQ(Contents(Path("OUT.tmr")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"in.json", "OUT.tmr"}));
}

TEST_F(TmrTool, FilesThatMayNotBeReadExit2WithTheSystemsReason)
{
    ASSERT_NO_FATAL_FAILURE(RequireUnprivileged());
    if (IsSkipped())
        return;
    const QString locked = File("LOCKED.tmr");
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::WriteOwner));
    for (const char* command : {"check", "show", "export"}) {
        const ToolRun r = Tmr({command, locked});
        EXPECT_EQ(r.status, ExitTrouble) << command;
        EXPECT_NE(r.err.find("tmrtool: " + P("LOCKED.tmr") + ": Permission denied"),
                  std::string::npos)
            << command << ": " << r.err;
    }
    Put(Path("in.json"), SampleJson);
    ASSERT_TRUE(QFile::setPermissions(Path("in.json"), QFile::WriteOwner));
    const ToolRun import = Tmr({"import", Path("in.json"), "-o", Path("OUT.tmr")});
    EXPECT_EQ(import.status, ExitTrouble);
    EXPECT_EQ(import.err, "tmrtool: " + P("in.json") + ": Permission denied\n");
}

TEST_F(TmrTool, CheckWalksFoldersAndReportsEachFileAsJson)
{
    File("A.tmr");
    Folder("store");
    Folder("store/till");
    Put(Path("store/B.TMR"), Bytes(Sample()));
    Corrupted("store/till/C.tmr");
    Put(Path("store/notes.txt"), "not a menu");

    ToolRun r = Tmr({"check", "--json", dir.path()});
    EXPECT_EQ(r.status, ExitOk) << r.out;
    EXPECT_EQ(LineCount(r.out), 1u) << "without -r only the folder itself: " << r.out;

    r = Tmr({"check", "-r", "--json", dir.path()});
    EXPECT_EQ(r.status, ExitFound);
    std::istringstream lines(r.out);
    std::vector<QJsonObject> files;
    for (std::string line; std::getline(lines, line);)
        files.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
    ASSERT_EQ(files.size(), 3u) << r.out;
    EXPECT_EQ(files[1]["path"].toString(), Path("store/B.TMR"));
    EXPECT_EQ(files[1]["size"].toInt(), FileDataSize);
    EXPECT_TRUE(files[1]["problems"].toArray().isEmpty());
    const QJsonObject problem = files[2]["problems"].toArray().first().toObject();
    EXPECT_EQ(problem["item"].toInt(), 3);
    EXPECT_FALSE(problem["warning"].toBool());
    EXPECT_TRUE(problem["text"].toString().contains("checksum")) << r.out;
}

TEST_F(TmrTool, DiffAsJsonGivesNamesAndTimesAsStringsAndNumbersAsNumbers)
{
    MenuImage other = Sample();
    MenuItems items = DecodeMenu(other);
    items[0].Name = "FRIES 2";
    items[2].Cook = "12:30";
    items[2].Comp = 0;
    EncodeMenu(items, other);
    Put(Path("B.tmr"), Bytes(other));
    const ToolRun r = Tmr({"diff", "--json", File("A.tmr"), Path("B.tmr")});
    EXPECT_EQ(r.status, ExitFound);
    const QJsonObject diff = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
    EXPECT_EQ(diff["path"].toString(), Path("A.tmr"));
    EXPECT_EQ(diff["other"].toString(), Path("B.tmr"));
    EXPECT_EQ(diff["differences"].toArray(),
              (QJsonArray{
                  QJsonObject{{"item", 1}, {"field", "name"}, {"from", "FRIES"}, {"to", "FRIES 2"}},
                  QJsonObject{{"item", 3}, {"field", "cook"}, {"from", "12:00"}, {"to", "12:30"}},
                  QJsonObject{{"item", 3}, {"field", "compensation"}, {"from", 1}, {"to", 0}}}))
        << r.out;
}

TEST_F(TmrTool, RefusalsThatSayWhatToDoInstead)
{
    const ToolRun import = Tmr({"import", File("MENU0001.tmr"), "-o", Path("NEW.tmr")});
    EXPECT_EQ(import.status, ExitFound);
    EXPECT_EQ(import.err, "tmrtool: " + P("MENU0001.tmr") +
                              ": a menu file; import reads JSON or CSV, such as tmrtool export "
                              "writes from a menu file\ntmrtool: nothing written to " +
                              P("NEW.tmr") + "\n");

    const ToolRun none = Tmr({"check", "-r", Folder("empty")});
    EXPECT_EQ(none.status, ExitTrouble);
    EXPECT_EQ(none.err, "tmrtool check: no menu files (*.tmr) in the folders given; see "
                        "'tmrtool check --help'\n");

    const ToolRun card = Tmr({"card", Path("MENU0001.tmr"), "-o", Path("card.txt")});
    EXPECT_EQ(card.status, ExitTrouble);
    EXPECT_NE(card.err.find(".txt names no card format"), std::string::npos) << card.err;
    EXPECT_FALSE(QFile::exists(Path("card.txt")));
}

#include "CommandLine.h"
#include "MenuDiff.h"
#include "MenuFileAccess.h"
#include "MenuFiles.h"
#include "MenuSet.h"

#include <vector>

namespace {

struct Planned {
    QString path;
    enum class Step { Write, Keep, Refused, Unreadable } step = Step::Keep;
    MenuImage before{}, after{};
    std::string reason;
};

std::string Changes(const MenuImage& before, const MenuImage& after)
{
    std::string text;
    for (const MenuDifference& d : DiffMenus(before, after))
        text += (text.empty() ? "" : ", ") + FormatDifference(d, false);
    return text;
}

} // namespace

int RunSet(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption item("item", "The item to change, 1 to 10.", "N");
    const QCommandLineOption name("name", "The item's name.", "TEXT");
    const QCommandLineOption cook("cook", "The cook time.", "m:ss");
    const QCommandLineOption shake("shake", "The shake time.", "m:ss");
    const QCommandLineOption hold("hold", "The hold time.", "m:ss");
    const QCommandLineOption comp("comp", "The compensation, 0 or 1.", "0|1");
    const QCommandLineOption recursive({"r", "recursive"}, "Walk the subfolders of each folder.");
    const QCommandLineOption raw("raw", "Take anything a menu file can hold, as import --raw.");
    cl.parser.addOptions({item, name, cook, shake, hold, comp, recursive, raw});
    int status = ExitOk;
    const std::optional<QStringList> given = cl.ParseFiles(args, c, status);
    if (!given)
        return status;
    bool number = false;
    ItemEdit edit;
    edit.item = cl.parser.value(item).toInt(&number);
    if (!number || edit.item < 1 || edit.item > MenuItemCount)
        return cl.Usage(c, "--item takes a number from 1 to 10");
    const auto take = [&](const QCommandLineOption& option, std::optional<std::string>& field) {
        if (cl.parser.isSet(option))
            field = ToStd(cl.parser.value(option));
    };
    take(name, edit.name);
    take(cook, edit.cook);
    take(shake, edit.shake);
    take(hold, edit.hold);
    take(comp, edit.comp);
    if (!edit.name && !edit.cook && !edit.shake && !edit.hold && !edit.comp)
        return cl.Usage(c, "nothing to set: give --name, --cook, --shake, --hold or --comp");
    if (cl.parser.isSet(raw))
        edit.rules = ImportRules::Raw;

    // Every file is judged before any is written, so that a refused value
    // leaves the whole fleet as it was.
    std::vector<Planned> plan;
    bool refused = false;
    for (const QString& path :
         MenuFilesOf(cl.parser.positionalArguments(), cl.parser.isSet(recursive))) {
        Planned p;
        p.path = path;
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok || bytes.size != FileDataSize) {
            p.step = Planned::Step::Unreadable;
            p.reason = bytes.ok ? std::to_string(bytes.size) + " bytes, a menu file has 191"
                                : ToStd(bytes.error);
        } else {
            std::copy(bytes.head.begin(), bytes.head.end(), p.before.begin());
            const EditedMenu edited = ApplyItemEdit(p.before, edit);
            p.after = edited.image;
            if (!edited.errors.empty()) {
                p.step = Planned::Step::Refused;
                p.reason = edited.errors.front();
                for (std::size_t i = 1; i < edited.errors.size(); ++i)
                    p.reason += "; " + edited.errors[i];
                refused = true;
            } else if (edited.changed) {
                p.step = Planned::Step::Write;
            }
        }
        plan.push_back(std::move(p));
    }
    if (plan.empty())
        return cl.Usage(c, "no menu files (*.tmr) in the folders given");

    bool trouble = false;
    for (const Planned& p : plan) {
        const std::string file = ToStd(p.path) + ": ";
        switch (p.step) {
        case Planned::Step::Unreadable:
            c.out << file << "not read: " << p.reason << "\n";
            trouble = true;
            break;
        case Planned::Step::Refused:
            c.out << file << "refused: " << p.reason << "\n";
            break;
        case Planned::Step::Keep:
            c.out << file << (refused ? "left alone" : "unchanged") << "\n";
            break;
        case Planned::Step::Write:
            if (refused) {
                c.out << file << "left alone\n";
                break;
            }
            if (const FileResult w = WriteMenuFile(p.path, p.after); !w.ok) {
                c.out << file << "not written: " << ToStd(w.error) << "; left as it was\n";
                trouble = true;
            } else {
                c.out << file << "changed: " << Changes(p.before, p.after) << "\n";
            }
            break;
        }
    }
    if (refused)
        c.out << "nothing written: a value was refused\n";
    return trouble ? ExitTrouble : refused ? ExitFound : ExitOk;
}

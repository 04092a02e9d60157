// tmrtool set: one item changed the same way in many menu files.
#include "CommandLine.h"
#include "EntryRules.h"
#include "ImportRules.h"
#include "MenuDiff.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"

#include <algorithm>
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

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption item("item", "The item to change, 1 to 10.", "N");
    const QCommandLineOption name("name", "The item's name.", "TEXT");
    const QCommandLineOption cook("cook", "The cook time.", "m:ss");
    const QCommandLineOption shake("shake", "The shake time.", "m:ss");
    const QCommandLineOption hold("hold", "The hold time.", "m:ss");
    const QCommandLineOption comp("comp", "The compensation, 0 or 1.", "0|1");
    const QCommandLineOption raw("raw", "Take anything a menu file can hold, as import --raw.");
    cl.parser.addOptions({item, name, cook, shake, hold, comp, raw});
    const std::optional<QStringList> files = cl.ParseMenuFiles(args, c);
    if (!files)
        return cl.status;
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

    // Every file is judged before any is written, so that a refused value or
    // a file that cannot be read leaves the whole fleet as it was.
    std::vector<Planned> plan;
    bool refused = false, unreadable = false, rawTakesAll = true;
    for (const QString& path : *files) {
        Planned p;
        p.path = path;
        const Result<MenuImage> read = ReadMenu(path);
        if (!read) {
            p.step = Planned::Step::Unreadable;
            p.reason = read.failure().reason;
            unreadable = true;
        } else {
            p.before = *read;
            const EditedMenu edited = ApplyItemEdit(p.before, edit);
            p.after = edited.image;
            if (!edited.errors.empty()) {
                p.step = Planned::Step::Refused;
                p.reason = edited.errors.front();
                for (std::size_t i = 1; i < edited.errors.size(); ++i)
                    p.reason += "; " + edited.errors[i];
                refused = true;
                rawTakesAll = rawTakesAll && edited.rawTaken == edited.errors.size();
            } else if (edited.changed) {
                p.step = Planned::Step::Write;
            }
        }
        plan.push_back(std::move(p));
    }

    const bool writeNone = refused || unreadable;
    bool trouble = unreadable;
    for (const Planned& p : plan) {
        const std::string file = ToStd(p.path) + ": ";
        switch (p.step) {
        case Planned::Step::Unreadable:
            c.out << file << "not read: " << p.reason << "\n";
            break;
        case Planned::Step::Refused:
            c.out << file << "refused: " << p.reason << "\n";
            break;
        case Planned::Step::Keep:
            c.out << file << (writeNone ? "left alone" : "unchanged") << "\n";
            break;
        case Planned::Step::Write:
            if (writeNone) {
                c.out << file << "left alone\n";
                break;
            }
            if (const Result<> w = WriteMenuFile(p.path, p.after); !w) {
                c.out << file << "not written: " << w.failure().reason << "; left as it was\n";
                trouble = true;
            } else {
                c.out << file << "changed: " << Changes(p.before, p.after) << "\n";
            }
            break;
        }
    }
    if (writeNone)
        c.out << "nothing written: "
              << (refused ? "a value was refused" : "a file could not be read") << "\n";
    if (refused && rawTakesAll)
        c.out << RawTakesAll << "\n";
    return trouble ? ExitTrouble : refused ? ExitFound : ExitOk;
}

} // namespace

const Command SetCommand = {
    "set",
    "FILE|FOLDER... --item N",
    "one item changed the same way in many menu files",
    "Changes item N in every menu file given (a folder stands for its *.tmr files; -r walks "
    "its subfolders), by the editor's own entry rules, the checks of import: the item must be "
    "what the editor would store. Fields not given keep what each file holds; an empty slot "
    "starts as the editor shows one and needs a --name.\n"
    "Every file is judged before any is written: a value refused for one file, or a file that "
    "cannot be read as a menu, changes no file at all. Each file is written in one step and "
    "only the item's record changes. One line per file: changed (and how), unchanged, refused "
    "(and why), not read (and why), not written (and why), or left alone when a refusal or a "
    "file not read keeps every file as it was.",
    "  0  every file was changed or already right\n"
    "  1  a value was refused; no file was written\n"
    "  2  a usage error, a file that could not be read (then no file was written),\n"
    "     or one that could not be written\n",
    Run};

EditedMenu ApplyItemEdit(const MenuImage& image, const ItemEdit& edit)
{
    EditedMenu result;
    result.image = image;
    const std::string where = "item " + std::to_string(edit.item);
    const MenuItem before = ItemAsShown(DecodeRecord(RecordAt(image, edit.item - 1)));
    const bool nameGiven = edit.name.has_value();
    if (!nameGiven && before.Name.empty()) {
        result.errors.push_back(where + " is an empty slot; give it a --name");
        return result;
    }

    RawItem raw;
    // A name kept from the file was never typed, so the key filter does not
    // judge it; the stand-in lets the rules judge the times as they would for
    // any item with a name.
    raw.name = Value::Text(nameGiven ? *edit.name : std::string("A"));
    raw.cook = Value::Text(edit.cook.value_or(before.Cook));
    raw.shake = Value::Text(edit.shake.value_or(before.Duty));
    raw.hold = Value::Text(edit.hold.value_or(before.Hold));
    raw.comp = Value::Text(edit.comp.value_or(std::to_string(before.Comp)));
    Errors errors(result.errors, result.rawTaken, where);
    MenuItem after = CheckItem(raw, edit.rules, errors);
    if (nameGiven && edit.name->empty())
        errors.Add("name", "\"\"", "is empty; the editor stores no item without a name");
    if (!result.errors.empty())
        return result;
    if (!nameGiven)
        after.Name = before.Name;

    EncodeRecord(after, RecordAt(result.image, edit.item - 1));
    result.changed = !std::equal(image.begin(), image.end(), result.image.begin());
    return result;
}

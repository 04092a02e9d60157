// A long random walk through the real editor window: keys of every code typed
// into the fields, random text pasted, list lines chosen by mouse and
// keyboard, every command, every question answered at random (or closed
// without a button), choosers cancelled, fumbled and completed, menu files
// saved and read back, now and then a file that fails or a write that fails,
// and a restart of either program after Quit.
//
// After every step a small model says what the store, the file image, the
// list, the fields and the files on disk must hold, and the rules that hold
// whatever happened are checked on their own: list line i is slot i in the
// line format, fields and buttons stand as the state says, the store holds
// only validated, decoded or cleared items, and every saved file is exactly
// 191 bytes that decode to the store as it was saved.
//
// SOAK_STEPS (default 3000) and SOAK_SEED (default fixed) choose the walk; a
// failure names both and the step, so that the same walk can be replayed.
// SOAK_TRACE=1 prints every step as it runs.
#include "EditorTestSupport.h"

#include "ChooserActions.h"
#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"
#include "Text.h"
#include "VbColor.h"
#include "VessquenEdition.h"
#include "WriteFaults.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>

using namespace editor_testing;
using namespace testing_support;

namespace {

constexpr quint64 DefaultSeed = 20240607;
constexpr int DefaultSteps = 3000;
constexpr std::size_t TraceKept = 40;

const QString NoFilename = QStringLiteral("\r\nNo Filename Exists");
const QString InvalidFilename = QStringLiteral("\r\nInvalid Filename");

constexpr std::int16_t AnswerYes = 1;
constexpr std::int16_t AnswerNo = 2;

quint64 EnvNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

std::string Str(const QString& s)
{
    return s.toStdString();
}

// Shows control characters, so that a trace can be read.
QString Visible(const QString& s)
{
    QString out;
    for (const QChar ch : s) {
        if (ch.unicode() < 32 || ch.unicode() == 127 || (ch.unicode() >= 128 && ch.unicode() < 160))
            out += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString Describe(const MenuItem& m)
{
    return QStringLiteral("{%1 %2 %3 %4 %5}")
        .arg(Visible(QString::fromStdString(m.Name)), Visible(QString::fromStdString(m.Cook)),
             Visible(QString::fromStdString(m.Duty)), Visible(QString::fromStdString(m.Hold)))
        .arg(m.Comp);
}

class Random
{
public:
    explicit Random(quint64 seed) : engine_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T> const T& Pick(const std::vector<T>& v)
    {
        return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))];
    }
    QByteArray Bytes(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& b : bytes)
            b = static_cast<char>(Below(256));
        return bytes;
    }

private:
    std::mt19937_64 engine_;
};

// One dialog as the walk met it, and how it was answered.
struct Seen {
    enum Kind { Message, Chooser, FileError } kind = Message;
    std::int16_t style = 0;
    std::uint32_t color = 0;
    QString text;
    std::int16_t answer = -1;
    std::int16_t mode = -1;
    QString folder;
    QString chosen;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;

    QString Summary() const
    {
        switch (kind) {
        case Message:
            return QStringLiteral("message style %1 %2 answered %3")
                .arg(style)
                .arg(Visible(text))
                .arg(answer);
        case Chooser:
            return QStringLiteral("chooser mode %1 gave %2").arg(mode).arg(Visible(chosen));
        case FileError:
            return QStringLiteral("file error %1").arg(Visible(text));
        }
        return {};
    }
};

QPushButton* DialogButton(QWidget* dialog, int index)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("cmdBut_%1").arg(index));
}

// Closes a dialog without any of its buttons: the window's close, or Escape.
void CloseWithoutButton(Random& random, QWidget* dialog)
{
    if (random.Chance(50))
        dialog->close();
    else
        QTest::keyClick(dialog, Qt::Key_Escape);
}

// Answers every dialog that opens, at random, and writes down what it saw.
// It acts from a queued call, inside the dialog's own event loop.
class Responder : public QObject
{
public:
    Responder(Random& random, std::vector<QString> saveNames)
        : random_(random), saveNames_(std::move(saveNames))
    {
        qApp->installEventFilter(this);
    }
    ~Responder() override { qApp->removeEventFilter(this); }

    std::deque<Seen> log;
    QStringList problems;
    int answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow()) {
                QPointer<QDialog> target = dialog;
                QMetaObject::invokeMethod(
                    this,
                    [this, target] {
                        if (target && target->isVisible())
                            Handle(target);
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void Handle(QDialog* dialog)
    {
        ++answered;
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            AnswerFileError(box);
        else if (dialog->objectName() == QLatin1String("frmMEMessage100"))
            AnswerMessage(dialog);
        else if (dialog->objectName() == QLatin1String("frmMEDrvDirFil100"))
            AnswerChooser(dialog);
        else {
            problems << QStringLiteral("an unknown dialog: ") + dialog->windowTitle();
            dialog->reject();
        }
    }

    void AnswerMessage(QDialog* dialog)
    {
        Seen seen;
        seen.kind = Seen::Message;
        seen.style = MsgStyle;
        seen.color = MsgColor;
        seen.text = MsgText;
        std::vector<int> shown;
        for (int i = 0; i < 4; ++i)
            if (QPushButton* b = DialogButton(dialog, i); b && b->isVisible())
                shown.push_back(i);
        if (shown.empty()) {
            problems << QStringLiteral("a message without buttons");
            dialog->reject();
            return;
        }
        if (random_.Chance(12)) {
            // A close without a button answers like the last button of the
            // set (by index: OK, YES, NO, Cancel).
            const auto expected = static_cast<std::int16_t>(shown.back());
            CloseWithoutButton(random_, dialog);
            if (MsgResult != expected)
                problems << QStringLiteral("a message closed without a button answered %1, not %2")
                                .arg(MsgResult)
                                .arg(expected);
        } else {
            DialogButton(dialog, random_.Pick(shown))->click();
        }
        seen.answer = MsgResult;
        if (dialog->isVisible()) {
            problems << QStringLiteral("the message stayed open: ") + Visible(seen.text);
            dialog->reject();
        }
        if (chooserOpen_) {
            if (seen.text != chooserMessage_ || seen.style != 16 || seen.color != ColorRed)
                problems << QStringLiteral("the chooser said %1 (style %2), expected %3")
                                .arg(Visible(seen.text))
                                .arg(seen.style)
                                .arg(Visible(chooserMessage_));
            chooserMessage_.clear();
            return;
        }
        log.push_back(seen);
    }

    void AnswerFileError(QMessageBox* box)
    {
        Seen seen;
        seen.kind = Seen::FileError;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->buttons().size();
        if (random_.Chance(20))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (!box->buttons().isEmpty())
            box->buttons().first()->click();
        if (box->isVisible()) {
            problems << QStringLiteral("the file error box stayed open");
            box->done(0);
        }
        log.push_back(seen);
    }

    // Presses OK expecting the chooser to refuse with `message` and stay.
    void RefusedOk(QDialog* dialog, const QString& message)
    {
        chooserMessage_ = message;
        DialogButton(dialog, 1)->click();
        if (!chooserMessage_.isEmpty())
            problems << QStringLiteral("the chooser did not say ") + Visible(message);
        if (!dialog->isVisible())
            problems << QStringLiteral("the chooser closed after refusing");
        chooserMessage_.clear();
    }

    // Into the subfolder SUB, or back up from it.
    void Wander(QDialog* dialog)
    {
        const QString path = ChooserFolders(dialog)->Path();
        const QString target = QFileInfo(path).fileName() == QLatin1String("SUB")
                                   ? QFileInfo(path).path()
                                   : QDir(path).filePath(QStringLiteral("SUB"));
        if (!OpenFolder(dialog, target))
            problems << QStringLiteral("could not open the folder ") + target;
    }

    void AnswerChooser(QDialog* dialog)
    {
        chooserOpen_ = true;
        Seen seen;
        seen.kind = Seen::Chooser;
        seen.mode = ChooserMode;
        seen.folder = ChooserFolder;
        QLineEdit* field = ChooserField(dialog);
        const FileListBox* files = ChooserFiles(dialog);
        const bool saving = seen.mode == 0;

        // A few fumbles first.
        const int fumbles = random_.Chance(60) ? 0 : random_.Between(1, 2);
        for (int f = 0; f < fumbles && dialog->isVisible(); ++f) {
            switch (random_.Below(4)) {
            case 0:
                if (saving)
                    field->clear();
                if (field->text().isEmpty())
                    RefusedOk(dialog, NoFilename);
                break;
            case 1:
                if (saving) {
                    field->clear();
                    int length = random_.Between(1, 11);
                    if (length >= 8)
                        ++length;
                    QString name;
                    for (int i = 0; i < length; ++i)
                        name += QChar(u"ABCXYZ0189_-.Q"[random_.Below(14)]);
                    QTest::keyClicks(field, name);
                    RefusedOk(dialog, InvalidFilename);
                }
                break;
            case 2:
                if (files->ListCount() > 0)
                    ClickFile(dialog, files->List(random_.Below(files->ListCount())));
                break;
            case 3:
                Wander(dialog);
                break;
            }
        }

        const int r = random_.Below(100);
        if (r < 12) {
            DialogButton(dialog, 0)->click();
        } else if (r < 18) {
            CloseWithoutButton(random_, dialog);
        } else if (saving) {
            std::vector<int> eight; // lines whose base name can be saved to
            for (int i = 0; i < files->ListCount(); ++i)
                if (files->List(i).size() == 8 + 4)
                    eight.push_back(i);
            if (!eight.empty() && random_.Chance(25)) {
                ClickFile(dialog, files->List(random_.Pick(eight)));
            } else {
                field->clear();
                QTest::keyClicks(field, random_.Pick(saveNames_));
            }
            DialogButton(dialog, 1)->click();
        } else {
            if (files->ListCount() > 0) {
                ClickFile(dialog, files->List(random_.Below(files->ListCount())));
                if (random_.Chance(10))
                    Wander(dialog);
            }
            if (field->text().isEmpty()) {
                RefusedOk(dialog, NoFilename);
                DialogButton(dialog, 0)->click();
            } else {
                DialogButton(dialog, 1)->click();
            }
        }
        if (dialog->isVisible()) {
            problems << QStringLiteral("the chooser stayed open with ") + Visible(field->text());
            dialog->reject();
        }
        seen.chosen = ChosenFileName;
        chooserOpen_ = false;
        log.push_back(seen);
    }

    Random& random_;
    std::vector<QString> saveNames_;
    bool chooserOpen_ = false;
    QString chooserMessage_;
};

struct Fields {
    QString name;
    QString cook;
    QString duty;
    QString hold;
    Qt::CheckState comp = Qt::Checked;

    friend bool operator==(const Fields&, const Fields&) = default;
    QString Summary() const
    {
        return QStringLiteral("%1 %2 %3 %4 comp %5")
            .arg(Visible(name), Visible(cook), Visible(duty), Visible(hold))
            .arg(static_cast<int>(comp));
    }
};

// The fields of an empty item: no name, no cook time, compensation on.
const Fields NoItem{QString(), QString(), QStringLiteral("0:00"), QStringLiteral("0:00"),
                    Qt::Checked};

// What the editor must hold after each step.
struct Model {
    MenuItems store{};
    MenuImage image{};
    std::int16_t current = -1;
    bool changed = false;
    bool unsaved = false;                   // the store differs from the last file read or written
    std::array<bool, MenuItemCount> bare{}; // the line shows its number alone
    std::array<bool, 4> red{};              // name, cook, shake, hold
    std::int16_t loadedComp = 1;
    Fields fields;

    void Restart()
    {
        store = {};
        image = {};
        current = -1;
        changed = false;
        unsaved = false;
        bare.fill(true);
        red.fill(false);
        loadedComp = 1;
        fields = NoItem;
    }
};

// A key as a keyboard would send it: the key, its modifiers and its text.
struct KeyStroke {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    QString text;

    QString Summary() const
    {
        return QStringLiteral("key %1%2 %3")
            .arg(mods & Qt::ControlModifier ? QStringLiteral("Ctrl+") : QString())
            .arg(static_cast<int>(key), 0, 16)
            .arg(Visible(text));
    }
};

KeyStroke CharacterKey(char32_t ch)
{
    KeyStroke k;
    k.text = QString::fromUcs4(&ch, 1);
    if (ch <= 0xFF) {
        const QChar upper = QChar(static_cast<char16_t>(ch)).toUpper();
        k.key = upper.unicode() <= 0xFF ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
    }
    return k;
}

KeyStroke ControlKey(int code)
{
    KeyStroke k;
    k.text = QString(QChar(static_cast<char16_t>(code)));
    // The keys that type a control character of their own, without Ctrl.
    static const std::map<int, Qt::Key> plain{{8, Qt::Key_Backspace},
                                              {9, Qt::Key_Tab},
                                              {13, Qt::Key_Return},
                                              {27, Qt::Key_Escape},
                                              {127, Qt::Key_Delete}};
    if (const auto found = plain.find(code); found != plain.end()) {
        k.key = found->second;
        return k;
    }
    k.mods = Qt::ControlModifier;
    if (code == 0)
        k.key = Qt::Key_At;
    else if (code <= 26)
        k.key = static_cast<Qt::Key>(Qt::Key_A + code - 1);
    else
        k.key = std::array{Qt::Key_BracketLeft, Qt::Key_Backslash, Qt::Key_BracketRight,
                           Qt::Key_AsciiCircum,
                           Qt::Key_Underscore}[static_cast<std::size_t>(code - 27)];
    return k;
}

KeyStroke RandomKey(Random& random)
{
    const int r = random.Below(100);
    if (r < 25)
        return CharacterKey(static_cast<char32_t>(u"0123456789::"[random.Below(12)]));
    if (r < 50)
        return CharacterKey(static_cast<char32_t>(random.Between(32, 126)));
    if (r < 60)
        return CharacterKey(static_cast<char32_t>(random.Between(128, 255)));
    if (r < 65) {
        static const std::vector<char32_t> beyond = {0x100,  0x153,  0x178,  0x3A9,  0x416,
                                                     0x4E2D, 0x20AC, 0x2028, 0x1F600};
        return CharacterKey(random.Pick(beyond));
    }
    if (r < 82)
        return ControlKey(random.Chance(10) ? 127 : random.Below(32));
    KeyStroke k;
    static const std::vector<Qt::Key> moves = {Qt::Key_Left, Qt::Key_Right,     Qt::Key_Home,
                                               Qt::Key_End,  Qt::Key_Backspace, Qt::Key_Delete};
    k.key = random.Pick(moves);
    if (k.key == Qt::Key_Backspace)
        k.text = QStringLiteral("\b");
    if (k.key == Qt::Key_Delete)
        k.text = QString(QChar(127));
    return k;
}

QString RandomTime(Random& random, int maxMinutes)
{
    const int minutes = random.Between(0, maxMinutes);
    const int seconds = random.Chance(90) ? random.Between(0, 59) : random.Between(60, 99);
    QString text = QString::number(minutes);
    if (minutes < 10 && random.Chance(15))
        text.prepend(QLatin1Char('0'));
    return text + QLatin1Char(':') + QStringLiteral("%1").arg(seconds, 2, 10, QLatin1Char('0'));
}

// m:ss, now and then with a leading zero.
QString TimeText(Random& random, int seconds)
{
    QString text =
        QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (seconds < 600 && random.Chance(15))
        text.prepend(QLatin1Char('0'));
    return text;
}

QString RandomName(Random& random)
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz0123456789-&'/.");
    const int length = random.Chance(90) ? random.Between(1, 10) : random.Between(11, 13);
    QString name;
    for (int i = 0; i < length; ++i)
        name += letters[random.Below(static_cast<int>(letters.size()))];
    return name;
}

// A value the operator might mean for field `which` (0 name, 1 cook, 2 shake,
// 3 hold).
QString PlausibleValue(Random& random, int which)
{
    switch (which) {
    case 0:
        return RandomName(random);
    case 1:
        return random.Chance(5) ? QString() : RandomTime(random, 99);
    default:
        return RandomTime(random, random.Chance(80) ? 2 : 99);
    }
}

QString GarbageText(Random& random)
{
    static const std::vector<QString> pieces = {
        "-",  "1",   ":",     "-1:30", " ",    ".",      "\n",     "\t",         "5:0",
        "x",  "\r",  "0:00",  "99:59", "100",  "\u00E9", "\u00FF", "\u0416",     "\u20AC",
        "a",  "\"",  "\\",    "~",     "{",    "`",      "\u0301", "\U0001F600", "\u00A0",
        "12", "3:4", "1::00", "ABC",   "\x7f", "\x01",   "1:60"};
    QString text;
    const int count = random.Between(0, 6);
    for (int i = 0; i < count; ++i)
        text += random.Pick(pieces);
    return text;
}

// The entry rules as the operator meets them, stated here apart from the
// program's filters and validation so that a fault there shows as a
// difference. A keystroke inserts what its field admits, a small letter in a
// name as its capital; validation takes a name of 1 to 10 characters that a
// menu file can hold and a time m:ss or mm:ss with seconds 00 to 59.
struct FieldRule {
    bool upperCase;
    QString admitted;
    QRegularExpression valid;
};

QString Codes(char16_t from, char16_t to)
{
    QString codes;
    for (char16_t c = from; c <= to; ++c)
        codes += QChar(c);
    return codes;
}

const FieldRule NameRule{true, Codes(32, 95),
                         QRegularExpression(QRegularExpression::anchoredPattern(
                             QStringLiteral("[\\x{0}-\\x{FF}]{1,10}")))};
const FieldRule TimeRule{false, QStringLiteral("0123456789:"),
                         QRegularExpression(QRegularExpression::anchoredPattern(
                             QStringLiteral("[0-9]{1,2}:[0-5][0-9]")))};

bool Valid(const FieldRule& rule, const QString& text)
{
    return rule.valid.match(text).hasMatch();
}

bool Valid(const FieldRule& rule, const std::string& text)
{
    return Valid(rule, QString::fromStdString(text));
}

// Seconds of a time of digits around one colon, as the store holds it.
int Seconds(const std::string& time)
{
    const QString text = QString::fromStdString(time);
    return text.section(QLatin1Char(':'), 0, 0).toInt() * 60 +
           text.section(QLatin1Char(':'), 1).toInt();
}

bool PredictableText(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar ch) {
        return ch.isSurrogate() || ch.isMark() || ch.category() == QChar::Other_Format;
    });
}

// The text a plain key leaves in a field, by the field's keystroke filter;
// nullopt where the toolkit's own handling decides (shortcuts, control codes
// from other keys).
std::optional<QString> PredictText(bool nameField, QString text, int cursor, int selStart,
                                   int selLength, const KeyStroke& k)
{
    if (k.mods != Qt::NoModifier || !PredictableText(text))
        return std::nullopt;
    const auto removeSelection = [&] {
        text.remove(selStart, selLength);
        cursor = selStart;
    };
    switch (k.key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
        return text;
    case Qt::Key_Backspace:
        if (selLength > 0)
            removeSelection();
        else if (cursor > 0)
            text.remove(cursor - 1, 1);
        return text;
    case Qt::Key_Delete:
        if (selLength > 0)
            removeSelection();
        else if (cursor < text.size())
            text.remove(cursor, 1);
        return text;
    default:
        break;
    }
    if (k.text.isEmpty())
        return text;
    const char32_t ch = k.text.toUcs4().value(0);
    if (ch == 8 || ch == 127) // the field's own editing
        return std::nullopt;
    const FieldRule& rule = nameField ? NameRule : TimeRule;
    QChar typed = ch <= 0xFF ? QChar(static_cast<char16_t>(ch)) : QChar();
    if (rule.upperCase && typed >= QLatin1Char('a') && typed <= QLatin1Char('z'))
        typed = typed.toUpper();
    if (typed.isNull() || !rule.admitted.contains(typed))
        return text;
    if (selLength > 0)
        removeSelection();
    text.insert(cursor, typed);
    return text;
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string CanonicalTime(const std::string& time, const char* zero)
{
    const int seconds = time.empty() ? 0 : Seconds(time);
    if (seconds == 0)
        return zero;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .toStdString();
}

// The item as a file brings it back: the name without its outer blanks, the
// times as the decoder writes them.
MenuItem Canonical(const MenuItem& m)
{
    return {Trimmed(m.Name), CanonicalTime(m.Cook, ""), CanonicalTime(m.Duty, "0:00"),
            CanonicalTime(m.Hold, "0:00"), static_cast<std::int16_t>(m.Comp & 0xFF)};
}

bool Validated(const MenuItem& m)
{
    return Valid(NameRule, m.Name) && Valid(TimeRule, m.Cook) && Valid(TimeRule, m.Duty) &&
           Valid(TimeRule, m.Hold) && Seconds(m.Duty) <= Seconds(m.Cook) && m.Comp >= 0 &&
           m.Comp <= 255;
}

QString LineFor(int i, const std::string& name, bool bare)
{
    const QString number = QString::number(i + 1);
    if (bare)
        return number;
    return number.leftJustified(2) + QLatin1Char(' ') + QString::fromStdString(name);
}

Qt::CheckState CompState(std::int16_t comp)
{
    return comp == 0 ? Qt::Unchecked : comp == 1 ? Qt::Checked : Qt::PartiallyChecked;
}

struct Figures {
    int steps = 0;
    int dialogs = 0;
    int itemsStored = 0;
    int savesWritten = 0;
    int savesFailed = 0;
    int readsDone = 0;
    int readsFailed = 0;
    int restarts = 0;
    int keys = 0;
};

class Soak
{
public:
    Soak(quint64 seed, bool trace)
        : random_(seed), trace_(trace), responder_(random_, {"MENU0001", "MENU0002", "MENU0003",
                                                             "FOLDER01", "LONGMENU", "FOREIGN1"})
    {
        for (const char* sub : {"DAVOVI", "My Documents"}) {
            const QString folder = QDir(home_.path()).filePath(QString::fromLatin1(sub));
            Seed(folder);
        }
    }

    ~Soak()
    {
        SetWriteFault(WriteFault::None);
        CloseEverything();
    }

    // Runs up to `steps` steps; the failure, if any, and where it came.
    QString Run(int steps, int& failedStep, QStringList& recent)
    {
        StartEditor();
        for (int step = 0; step < steps && failure_.isEmpty(); ++step) {
            failedStep = step;
            Step();
            if (failure_.isEmpty())
                CheckInvariants(diskTouched_ || step % 25 == 0);
            diskTouched_ = false;
            ++figures_.steps;
        }
        figures_.dialogs = responder_.answered;
        recent = QStringList(trace_log_.begin(), trace_log_.end());
        return failure_;
    }

    const Figures& figures() const { return figures_; }

private:
    // Menu files of every kind in a folder, and what the model knows of them.
    void Seed(const QString& folder)
    {
        QDir().mkpath(folder);
        QDir().mkpath(QDir(folder).filePath("SUB"));
        QDir().mkpath(QDir(folder).filePath("FOLDER01.tmr"));
        dirs_.insert(QDir::cleanPath(QDir(folder).filePath("SUB")));
        dirs_.insert(QDir::cleanPath(QDir(folder).filePath("FOLDER01.tmr")));
        folders_ << QDir::cleanPath(folder) << QDir::cleanPath(QDir(folder).filePath("SUB"));

        MenuItems items{};
        for (MenuItem& item : items) {
            if (random_.Chance(30))
                continue;
            std::string name;
            for (int i = random_.Between(0, 10); i > 0; --i)
                name += static_cast<char>(random_.Between(32, 255));
            item = {Latin1ToUtf8(name), RandomTime(random_, 99).toStdString(),
                    RandomTime(random_, 2).toStdString(), RandomTime(random_, 9).toStdString(),
                    static_cast<std::int16_t>(random_.Chance(70) ? random_.Below(2)
                                                                 : random_.Below(256))};
        }
        MenuImage image{};
        image[190] = static_cast<std::uint8_t>(random_.Below(256));
        EncodeMenu(items, image);

        Put(QDir(folder).filePath("BREAKFAST.tmr"), AsBytes(image));
        Put(QDir(folder).filePath("FOREIGN1.tmr"), random_.Bytes(FileDataSize));
        Put(QDir(folder).filePath("SHORT.tmr"), random_.Bytes(random_.Between(0, 190)));
        Put(QDir(folder).filePath("LONGMENU.tmr"),
            AsBytes(image) + random_.Bytes(random_.Between(1, 4096)));
        Put(QDir(folder).filePath("SUB/SUBMENU1.tmr"), random_.Bytes(FileDataSize));
        Put(QDir(folder).filePath("notes.txt"), "not a menu");
    }

    void Put(const QString& path, const QByteArray& bytes)
    {
        testing_support::Put(path, bytes);
        files_[QDir::cleanPath(path)] = bytes;
    }

    void Fail(const QString& what)
    {
        if (failure_.isEmpty())
            failure_ = what;
    }

    void Trace(const QString& what)
    {
        const QString line = QStringLiteral("%1: %2").arg(figures_.steps).arg(what);
        if (trace_)
            std::cout << Str(line) << std::endl;
        trace_log_.push_back(line);
        if (trace_log_.size() > TraceKept)
            trace_log_.pop_front();
    }

    void StartEditor()
    {
        edition_ = random_.Chance(70) ? &QuenmarkEdition : &VessquenEdition;
        Trace(QStringLiteral("start ") + ToQString(edition_->ProductName));
        window_ =
            Startup(*edition_, FakeEnvironment({{"HOME", home_.path().toStdString()},
                                                {"USERPROFILE", home_.path().toStdString()}}));
        if (!window_) {
            Fail(QStringLiteral("start-up failed"));
            return;
        }
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_))
            Fail(QStringLiteral("the editor never became the active window"));
        model_.Restart();
        list_ = window_->findChild<QListWidget*>(QStringLiteral("lstItems"));
        fields_ = {window_->findChild<QLineEdit*>(QStringLiteral("txtName")),
                   window_->findChild<QLineEdit*>(QStringLiteral("txtCook")),
                   window_->findChild<QLineEdit*>(QStringLiteral("txtDuty")),
                   window_->findChild<QLineEdit*>(QStringLiteral("txtHold"))};
        comp_ = window_->findChild<QCheckBox*>(QStringLiteral("chkComp"));
        caption_ = window_->findChild<QLabel*>(QStringLiteral("lblMenuItem"));
        for (int i = 0; i < 6; ++i)
            buttons_[static_cast<std::size_t>(i)] =
                window_->findChild<QPushButton*>(QStringLiteral("cmdBut_%1").arg(i));
    }

    // One random action of the operator, with what the model makes of it.
    void Step()
    {
        const int r = random_.Below(1000);
        if (r < 150)
            TypeKeys();
        else if (r < 270)
            TypeValue();
        else if (r < 395)
            TypeItem();
        else if (r < 455)
            Paste();
        else if (r < 485)
            ClickComp();
        else if (r < 595)
            ClickLine();
        else if (r < 665)
            ListKey();
        else if (r < 745)
            SaveItem();
        else if (r < 770)
            ClearItem();
        else if (r < 860)
            SaveMenu();
        else if (r < 940)
            GetMenu();
        else if (r < 960)
            NewMenu();
        else if (r < 990)
            ClickDisabled();
        else
            Quit();
        if (failure_.isEmpty() && !responder_.log.empty())
            Fail(QStringLiteral("a dialog the model did not expect: ") +
                 responder_.log.front().Summary());
    }

    // The operator's actions.

    QLineEdit* Field(int which) const { return fields_[static_cast<std::size_t>(which)]; }

    // Clicks into the field somewhere along its text; false when it is
    // disabled, where the click does nothing.
    bool ClickInto(QLineEdit* field)
    {
        const QPoint at(random_.Between(2, std::max(2, field->width() - 3)), field->height() / 2);
        QTest::mouseClick(field, Qt::LeftButton, {}, at);
        return field->isEnabled();
    }

    void Key(int which, const KeyStroke& k)
    {
        QLineEdit* field = Field(which);
        const QString before = field->text();
        const int cursor = field->cursorPosition();
        const int selStart = field->hasSelectedText() ? field->selectionStart() : cursor;
        const int selLength = field->hasSelectedText() ? field->selectionLength() : 0;
        QTest::sendKeyEvent(QTest::Click, field, k.key, k.text, k.mods);
        ++figures_.keys;
        if (!k.text.isEmpty() && k.key != Qt::Key_Tab && k.key != Qt::Key_Backtab)
            model_.changed = true;
        if (const auto expected = PredictText(which == 0, before, cursor, selStart, selLength, k);
            expected && field->text() != *expected)
            Fail(QStringLiteral("%1 in %2 gave %3, expected %4 (was %5)")
                     .arg(k.Summary(), field->objectName(), Visible(field->text()),
                          Visible(*expected), Visible(before)));
        if ((ItemChanged != FlagFalse) != model_.changed)
            Fail(QStringLiteral("after %1 ItemChanged is %2").arg(k.Summary()).arg(ItemChanged));
    }

    void ObserveFields()
    {
        model_.fields = {Field(0)->text(), Field(1)->text(), Field(2)->text(), Field(3)->text(),
                         comp_->checkState()};
    }

    void TypeKeys()
    {
        const int which = random_.Below(4);
        if (!ClickInto(Field(which))) {
            Trace(QStringLiteral("click disabled %1").arg(Field(which)->objectName()));
            return;
        }
        const int count = random_.Between(1, 6);
        QStringList typed;
        for (int i = 0; i < count && failure_.isEmpty(); ++i) {
            const KeyStroke k = RandomKey(random_);
            typed << k.Summary();
            Key(which, k);
            if (k.key == Qt::Key_Tab)
                break;
        }
        Trace(QStringLiteral("type into %1: %2").arg(Field(which)->objectName(), typed.join(", ")));
        ObserveFields();
    }

    // Selects the whole field with Ctrl+A and types a value over it.
    void TypeValue()
    {
        const int which = random_.Below(4);
        const QString value = PlausibleValue(random_, which);
        if (!ClickInto(Field(which)))
            return;
        Trace(QStringLiteral("retype %1 with %2").arg(Field(which)->objectName(), Visible(value)));
        Key(which, ControlKey(1));
        for (const QChar ch : value)
            Key(which, CharacterKey(ch.unicode()));
        ObserveFields();
    }

    // Types a whole item over the four fields, mostly one that passes.
    void TypeItem()
    {
        if (!Field(0)->isEnabled())
            return TypeValue();
        const int cook = random_.Between(1, 5999);
        const int shake = random_.Chance(90) ? random_.Between(0, cook) : random_.Between(0, 5999);
        const QStringList values = {RandomName(random_), TimeText(random_, cook),
                                    TimeText(random_, shake),
                                    TimeText(random_, random_.Between(0, 5999))};
        Trace(QStringLiteral("type the item %1").arg(values.join(QLatin1Char(' '))));
        for (int which = 0; which < 4 && failure_.isEmpty(); ++which) {
            ClickInto(Field(which));
            Key(which, ControlKey(1));
            for (const QChar ch : values[which])
                Key(which, CharacterKey(ch.unicode()));
        }
        ObserveFields();
    }

    void Paste()
    {
        const int which = random_.Below(4);
        QLineEdit* field = Field(which);
        const QString text =
            random_.Chance(50) ? PlausibleValue(random_, which) : GarbageText(random_);
        if (!ClickInto(field))
            return;
        QGuiApplication::clipboard()->setText(text);
        const bool all = random_.Chance(50);
        const bool byKey = random_.Chance(60);
        Trace(QStringLiteral("paste %1 into %2%3%4")
                  .arg(Visible(text), field->objectName(), all ? " over all" : "",
                       byKey ? " by Ctrl+V" : " by paste()"));
        if (all)
            Key(which, ControlKey(1));
        const QString before = field->text();
        const bool was = model_.changed;
        if (byKey) {
            Key(which, ControlKey(22));
        } else {
            field->paste();
            if (field->text() != before)
                model_.changed = true;
            else
                model_.changed = was || ItemChanged != FlagFalse;
            if ((ItemChanged != FlagFalse) != model_.changed)
                Fail(QStringLiteral("a paste left ItemChanged %1").arg(ItemChanged));
        }
        ObserveFields();
    }

    void ClickComp()
    {
        const bool enabled = comp_->isEnabled();
        const Qt::CheckState next =
            comp_->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        Trace(QStringLiteral("click the compensation box"));
        QTest::mouseClick(comp_, Qt::LeftButton);
        if (!enabled)
            return;
        model_.changed = true;
        model_.fields.comp = next;
    }

    // A click on a line, or a double click.
    void ClickLine()
    {
        const int k = random_.Below(MenuItemCount);
        const bool twice = random_.Chance(15);
        Trace(QStringLiteral("%1 line %2").arg(twice ? "double-click" : "click").arg(k + 1));
        QListWidgetItem* line = list_->item(k);
        list_->scrollToItem(line);
        const QPoint at = list_->visualItemRect(line).center();
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, at);
        Choose(k);
        if (twice) {
            QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list_->viewport(), Qt::LeftButton, {}, at);
            // Where the first click left another line highlighted (the
            // question cancelled, the entries invalid), the toolkit may take
            // the second click for a new press, and so a new choice; on the
            // highlighted line it is none.
            if (model_.current != k && !responder_.log.empty())
                Choose(k);
        }
    }

    void ListKey()
    {
        static const std::vector<Qt::Key> keys = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                                                  Qt::Key_End, Qt::Key_Space};
        const Qt::Key key = random_.Pick(keys);
        list_->setFocus();
        const int cur = list_->currentRow();
        int next = cur;
        bool chosen = false;
        switch (key) {
        case Qt::Key_Up:
            next = std::max(cur - 1, 0);
            break;
        case Qt::Key_Down:
            next = std::min(cur + 1, MenuItemCount - 1);
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = MenuItemCount - 1;
            break;
        default:
            chosen = cur >= 0 && !list_->item(cur)->isSelected();
            break;
        }
        // Without a current line every move lands on the first; before any
        // line is chosen, the first move up or down chooses the marked one.
        if (key != Qt::Key_Space && cur < 0)
            next = 0;
        const bool noneChosen = list_->selectedItems().isEmpty();
        if (noneChosen && cur >= 0 && (key == Qt::Key_Up || key == Qt::Key_Down))
            next = cur;
        if (key != Qt::Key_Space)
            chosen = (next != cur || noneChosen) && !list_->item(next)->isSelected();
        Trace(QStringLiteral("list key %1 from line %2")
                  .arg(static_cast<int>(key), 0, 16)
                  .arg(cur + 1));
        QTest::keyClick(list_, key);
        if (chosen)
            Choose(next);
    }

    // Presses a command button that is disabled: nothing may happen.
    void ClickDisabled()
    {
        std::vector<int> disabled;
        for (int i = 0; i < 6; ++i)
            if (!buttons_[static_cast<std::size_t>(i)]->isEnabled())
                disabled.push_back(i);
        if (disabled.empty())
            return ClickComp();
        const int i = random_.Pick(disabled);
        Trace(QStringLiteral("click disabled cmdBut(%1)").arg(i));
        QTest::mouseClick(buttons_[static_cast<std::size_t>(i)], Qt::LeftButton);
    }

    bool Press(int index)
    {
        QPushButton* button = buttons_[static_cast<std::size_t>(index)];
        Trace(QStringLiteral("press %1%2")
                  .arg(Visible(button->text()), button->isEnabled() ? "" : " (disabled)"));
        const bool enabled = button->isEnabled();
        QTest::mouseClick(button, Qt::LeftButton);
        return enabled;
    }

    void SaveItem()
    {
        if (!Press(3))
            return;
        if (!Validate()) {
            ExpectMessage(16, ColorRed, InvalidEntries);
            return;
        }
        StoreFields();
        model_.changed = false;
    }

    void ClearItem()
    {
        if (!Press(4))
            return;
        const auto answer = ExpectMessage(17, ColorYellow, ClearQuestion);
        if (answer != AnswerYes)
            return;
        ResetColors();
        model_.store[static_cast<std::size_t>(model_.current)] = MenuItem{};
        Load(model_.current);
        model_.changed = false;
        model_.unsaved = true;
        model_.bare[static_cast<std::size_t>(model_.current)] = false;
    }

    void NewMenu()
    {
        Press(5);
        if (ExpectMessage(17, ColorYellow, ClearQuestion) != AnswerYes)
            return;
        ResetColors();
        model_.store = {};
        model_.bare.fill(true);
        model_.current = 0;
        model_.changed = false;
        model_.unsaved = true;
        Load(0);
    }

    void SaveMenu()
    {
        static const std::vector<WriteFault> faults = {WriteFault::Open, WriteFault::Write,
                                                       WriteFault::Flush, WriteFault::Commit};
        const WriteFault fault = random_.Chance(8) ? random_.Pick(faults) : WriteFault::None;
        SetWriteFault(fault);
        if (fault != WriteFault::None)
            Trace(QStringLiteral("the next write fails at stage %1").arg(static_cast<int>(fault)));
        const bool enabled = Press(1);
        SetWriteFault(WriteFault::None);
        if (!enabled)
            return;
        if (model_.changed) {
            if (!Validate()) {
                ExpectMessage(16, ColorRed, InvalidEntries);
                return;
            }
            StoreFields();
            model_.changed = false;
        }
        const std::optional<Seen> chooser = ExpectChooser(0);
        if (!chooser || chooser->chosen.isEmpty())
            return;
        const QString path = QDir::cleanPath(chooser->chosen);
        diskTouched_ = true;
        EncodeMenu(model_.store, model_.image);
        const bool fails = fault != WriteFault::None || dirs_.count(path) > 0;
        if (fails) {
            ++figures_.savesFailed;
            ExpectFileError(QStringLiteral("MenuSave : ") + chooser->chosen);
            return;
        }
        ++figures_.savesWritten;
        files_[path] = AsBytes(model_.image);
        model_.unsaved = false;
        // The file on disk is the store as it stood: 191 bytes that decode to
        // it.
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (bytes.size() != FileDataSize)
            return Fail(
                QStringLiteral("the saved file %1 has %2 bytes").arg(path).arg(bytes.size()));
        MenuImage saved{};
        std::copy(bytes.begin(), bytes.end(), saved.begin());
        const MenuItems decoded = DecodeMenu(saved);
        for (int i = 0; i < MenuItemCount; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            if (!(decoded[slot] == Canonical(model_.store[slot])))
                Fail(QStringLiteral("the saved slot %1 decodes to %2, the store holds %3")
                         .arg(i)
                         .arg(Describe(decoded[slot]), Describe(model_.store[slot])));
        }
    }

    void GetMenu()
    {
        Press(2);
        if (ExpectMessage(17, ColorYellow, GetQuestion) != AnswerYes)
            return;
        const std::optional<Seen> chooser = ExpectChooser(1);
        if (!chooser || chooser->chosen.isEmpty())
            return;
        const QString path = QDir::cleanPath(chooser->chosen);
        diskTouched_ = true;
        const auto file = files_.find(path);
        if (file == files_.end() || file->second.size() < FileDataSize) {
            ++figures_.readsFailed;
            ExpectFileError(QStringLiteral("MenuGet : ") + chooser->chosen);
            return;
        }
        ++figures_.readsDone;
        std::copy(file->second.begin(), file->second.begin() + FileDataSize, model_.image.begin());
        model_.store = DecodeMenu(model_.image);
        model_.unsaved = false;
        ResetColors();
        for (int i = 0; i < MenuItemCount; ++i)
            model_.bare[static_cast<std::size_t>(i)] =
                model_.store[static_cast<std::size_t>(i)].Name.empty();
        model_.current = 0;
        model_.changed = false;
        Load(0);
    }

    void Quit()
    {
        const bool byButton = random_.Chance(70);
        Trace(byButton ? QStringLiteral("press Quit") : QStringLiteral("close the window"));
        if (byButton)
            QTest::mouseClick(buttons_[0], Qt::LeftButton);
        else
            window_->close();
        if ((model_.changed || model_.unsaved) &&
            ExpectMessage(17, ColorYellow, QuitQuestion) != AnswerYes) {
            if (!window_ || !window_->isVisible())
                Fail(QStringLiteral("the editor closed though the quit question was not YES"));
            return;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (window_)
            return Fail(QStringLiteral("the editor is still there after closing"));
        if (!testing_support::VisibleTopLevels().isEmpty())
            return Fail(QStringLiteral("a window is left after the editor closed"));
        ++figures_.restarts;
        StartEditor();
    }

    // The model's side of the editor.

    // Item selection of line k.
    void Choose(int k)
    {
        const auto line = static_cast<std::int16_t>(k);
        if (model_.current == -1) {
            model_.current = line;
            return;
        }
        if (!model_.changed) {
            Load(line);
            model_.current = line;
            return;
        }
        const auto answer = ExpectMessage(18, ColorYellow, ChangeQuestion(model_.current + 1));
        if (answer == AnswerNo) {
            ResetColors();
            Load(line);
            model_.current = line;
            model_.changed = false;
            return;
        }
        if (answer != AnswerYes)
            return;
        if (!Validate()) {
            ExpectMessage(16, ColorRed, InvalidEntries);
            return;
        }
        StoreFields();
        Load(line);
        model_.current = line;
        model_.changed = false;
    }

    bool Validate()
    {
        const Fields& f = model_.fields;
        model_.red = {!Valid(NameRule, f.name), !Valid(TimeRule, f.cook), !Valid(TimeRule, f.duty),
                      !Valid(TimeRule, f.hold)};
        if (std::find(model_.red.begin(), model_.red.end(), true) != model_.red.end())
            return false;
        if (Seconds(f.duty.toStdString()) > Seconds(f.cook.toStdString())) {
            model_.red[1] = true;
            return false;
        }
        return true;
    }

    void StoreFields()
    {
        const Fields& f = model_.fields;
        const auto slot = static_cast<std::size_t>(model_.current);
        std::int16_t comp = model_.loadedComp;
        if (f.comp == Qt::Unchecked)
            comp = 0;
        else if (f.comp == Qt::Checked)
            comp = 1;
        model_.store[slot] = {f.name.toStdString(), f.cook.toStdString(), f.duty.toStdString(),
                              f.hold.toStdString(), comp};
        model_.bare[slot] = false;
        model_.unsaved = true;
        ++figures_.itemsStored;
    }

    void Load(int k)
    {
        const MenuItem& slot = model_.store[static_cast<std::size_t>(k)];
        if (slot.Name.empty()) {
            model_.fields = NoItem;
            model_.loadedComp = 1;
        } else {
            model_.fields = {QString::fromStdString(slot.Name), QString::fromStdString(slot.Cook),
                             QString::fromStdString(slot.Duty), QString::fromStdString(slot.Hold),
                             CompState(slot.Comp)};
            model_.loadedComp = slot.Comp;
        }
    }

    void ResetColors()
    {
        if (edition_->ResetFieldColors)
            model_.red.fill(false);
    }

    std::optional<Seen> Next(const QString& wanted)
    {
        if (responder_.log.empty()) {
            Fail(QStringLiteral("expected %1, but no dialog showed").arg(wanted));
            return std::nullopt;
        }
        Seen seen = responder_.log.front();
        responder_.log.pop_front();
        Trace(QStringLiteral("  ") + seen.Summary());
        return seen;
    }

    std::int16_t ExpectMessage(std::int16_t style, std::uint32_t color, const QString& text)
    {
        const auto seen = Next(Visible(text));
        if (!seen)
            return -1;
        if (seen->kind != Seen::Message || seen->style != style || seen->color != color ||
            seen->text != text) {
            Fail(QStringLiteral("expected the message %1 (style %2), got %3")
                     .arg(Visible(text))
                     .arg(style)
                     .arg(seen->Summary()));
            return -1;
        }
        return seen->answer;
    }

    std::optional<Seen> ExpectChooser(std::int16_t mode)
    {
        const auto seen = Next(QStringLiteral("the chooser"));
        if (!seen)
            return std::nullopt;
        if (seen->kind != Seen::Chooser || seen->mode != mode ||
            seen->folder != QString::fromStdString(MenuFolder)) {
            Fail(QStringLiteral("expected the chooser in mode %1 on the menu folder, got %2 on %3")
                     .arg(mode)
                     .arg(seen->Summary(), seen->folder));
            return std::nullopt;
        }
        return seen;
    }

    void ExpectFileError(const QString& text)
    {
        const auto seen = Next(Visible(text));
        if (!seen)
            return;
        if (seen->kind != Seen::FileError || seen->text != text ||
            seen->title != QLatin1String("ERROR") || seen->icon != QMessageBox::Critical ||
            seen->buttons != 1)
            Fail(QStringLiteral("expected the ERROR box %1, got %2 titled %3")
                     .arg(Visible(text), seen->Summary(), seen->title));
    }

    // The checks after every step.

    void CheckInvariants(bool withDisk)
    {
        if (!window_)
            return Fail(QStringLiteral("no editor window"));
        if (!responder_.problems.isEmpty())
            return Fail(responder_.problems.join(QStringLiteral("; ")));
        if (testing_support::VisibleTopLevels() != QWidgetList{window_.data()})
            return Fail(QStringLiteral("a window besides the editor is open"));
        CheckStateTable();
        CheckLines();
        CheckStore();
        CheckModel();
        if (withDisk)
            CheckDisk();
    }

    void CheckStateTable()
    {
        const bool editing = CurrentItem != -1;
        for (QWidget* w : {static_cast<QWidget*>(Field(0)), static_cast<QWidget*>(Field(1)),
                           static_cast<QWidget*>(Field(2)), static_cast<QWidget*>(Field(3)),
                           static_cast<QWidget*>(comp_)})
            if (w->isEnabled() != editing)
                Fail(QStringLiteral("%1 is %2 with CurrentItem %3")
                         .arg(w->objectName(), w->isEnabled() ? "enabled" : "disabled")
                         .arg(CurrentItem));
        for (int i = 0; i < 6; ++i) {
            const bool wanted = (i == 1 || i == 3 || i == 4) ? editing : true;
            if (buttons_[static_cast<std::size_t>(i)]->isEnabled() != wanted)
                Fail(QStringLiteral("cmdBut(%1) enabled %2 with CurrentItem %3")
                         .arg(i)
                         .arg(!wanted)
                         .arg(CurrentItem));
        }
        const QString caption =
            editing ? QStringLiteral("Current Menu Item  -  %1").arg(CurrentItem + 1)
                    : QStringLiteral("New Menu");
        if (caption_->text() != caption)
            Fail(QStringLiteral("the caption reads %1 with CurrentItem %2")
                     .arg(Visible(caption_->text()))
                     .arg(CurrentItem));
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        if (editing && (selected.size() != 1 || list_->row(selected.first()) != CurrentItem))
            Fail(QStringLiteral("the list does not highlight item %1").arg(CurrentItem + 1));
    }

    void CheckLines()
    {
        if (list_->count() != MenuItemCount)
            return Fail(QStringLiteral("the list has %1 lines").arg(list_->count()));
        for (int i = 0; i < MenuItemCount; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const QString line = list_->item(i)->text();
            const std::string& name = ItemMemory[slot].Name;
            const bool bare = line == QString::number(i + 1);
            if (line != LineFor(i, name, bare && name.empty()))
                Fail(QStringLiteral("line %1 reads %2 for the name %3")
                         .arg(i + 1)
                         .arg(Visible(line), Visible(QString::fromStdString(name))));
            if (line != LineFor(i, model_.store[slot].Name, model_.bare[slot]))
                Fail(QStringLiteral("line %1 reads %2, expected %3")
                         .arg(i + 1)
                         .arg(Visible(line),
                              Visible(LineFor(i, model_.store[slot].Name, model_.bare[slot]))));
        }
    }

    // Every slot is cleared, or passed validation when it was stored, or is
    // what the file image decodes to (a read, or a save since).
    void CheckStore()
    {
        const MenuItems decoded = DecodeMenu(FileData);
        for (int i = 0; i < MenuItemCount; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const MenuItem& m = ItemMemory[slot];
            if (!(m == MenuItem{}) && !Validated(m) && !(m == decoded[slot]))
                Fail(QStringLiteral("slot %1 holds %2: neither validated nor decoded")
                         .arg(i)
                         .arg(Describe(m)));
        }
    }

    void CheckModel()
    {
        for (int i = 0; i < MenuItemCount; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            if (!(ItemMemory[slot] == model_.store[slot]))
                Fail(QStringLiteral("slot %1 holds %2, expected %3")
                         .arg(i)
                         .arg(Describe(ItemMemory[slot]), Describe(model_.store[slot])));
        }
        if (FileData != model_.image)
            Fail(QStringLiteral("FileData differs from the last file read or written"));
        if (CurrentItem != model_.current)
            Fail(
                QStringLiteral("CurrentItem %1, expected %2").arg(CurrentItem).arg(model_.current));
        if ((ItemChanged != FlagFalse) != model_.changed)
            Fail(
                QStringLiteral("ItemChanged %1, expected %2").arg(ItemChanged).arg(model_.changed));
        if ((MenuChanged != FlagFalse) != model_.unsaved)
            Fail(
                QStringLiteral("MenuChanged %1, expected %2").arg(MenuChanged).arg(model_.unsaved));
        if (IgnoreListClick != FlagFalse)
            Fail(QStringLiteral("IgnoreListClick is left set"));
        const Fields now{Field(0)->text(), Field(1)->text(), Field(2)->text(), Field(3)->text(),
                         comp_->checkState()};
        if (!(now == model_.fields))
            Fail(QStringLiteral("the fields show %1, expected %2")
                     .arg(now.Summary(), model_.fields.Summary()));
        for (int i = 0; i < 4; ++i) {
            const bool red = BackColor(Field(i)) == ColorRed;
            if (red != model_.red[static_cast<std::size_t>(i)] ||
                (!red && BackColor(Field(i)) != ColorWindowBackground))
                Fail(QStringLiteral("%1 is %2")
                         .arg(Field(i)->objectName(), red ? "red" : "not red"));
        }
    }

    // The folders hold exactly what the model says, byte for byte.
    void CheckDisk()
    {
        for (const QString& folder : folders_) {
            const QFileInfoList entries = QDir(folder).entryInfoList(
                QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            for (const QFileInfo& entry : entries) {
                const QString path = QDir::cleanPath(entry.absoluteFilePath());
                if (entry.isDir()) {
                    if (!dirs_.count(path))
                        Fail(QStringLiteral("an unknown folder ") + path);
                    continue;
                }
                const auto known = files_.find(path);
                if (known == files_.end()) {
                    Fail(QStringLiteral("an unknown file ") + path);
                    continue;
                }
                if (Contents(path) != known->second)
                    Fail(QStringLiteral("the file %1 is not as written").arg(path));
            }
        }
        for (const auto& [path, bytes] : files_)
            if (!QFileInfo(path).isFile())
                Fail(QStringLiteral("the file %1 is gone").arg(path));
    }

    QTemporaryDir home_;
    Random random_;
    bool trace_;
    Responder responder_;
    Model model_;
    Figures figures_;
    QString failure_;
    std::deque<QString> trace_log_;
    bool diskTouched_ = false; // a chooser gave a file this step

    std::map<QString, QByteArray> files_;
    std::set<QString> dirs_;
    QStringList folders_;

    const Edition* edition_ = &QuenmarkEdition;
    QPointer<frmOpening> window_;
    QListWidget* list_ = nullptr;
    std::array<QLineEdit*, 4> fields_{};
    QCheckBox* comp_ = nullptr;
    QLabel* caption_ = nullptr;
    std::array<QPushButton*, 6> buttons_{};
};

TEST(SoakTest, RandomWalkThroughTheEditorKeepsEveryRule)
{
    const quint64 seed = EnvNumber("SOAK_SEED", DefaultSeed);
    const int steps = static_cast<int>(EnvNumber("SOAK_STEPS", DefaultSteps));
    const bool trace = EnvNumber("SOAK_TRACE", 0) != 0;
    std::cout << "soak: seed " << seed << ", " << steps << " steps" << std::endl;

    QElapsedTimer clock;
    clock.start();
    int failedStep = -1;
    QStringList recent;
    QString failure;
    Figures figures;
    {
        Soak soak(seed, trace);
        failure = soak.Run(steps, failedStep, recent);
        figures = soak.figures();
    }
    if (!failure.isEmpty()) {
        ADD_FAILURE() << "soak seed " << seed << " failed at step " << failedStep << ": "
                      << Str(failure) << "\nlast steps:\n  " << Str(recent.join("\n  "))
                      << "\nreplay: SOAK_SEED=" << seed << " SOAK_STEPS=" << failedStep + 1
                      << " SOAK_TRACE=1 make soak";
    }
    std::cout << "soak: seed " << seed << ": " << figures.steps << " steps in "
              << clock.elapsed() / 1000.0 << " s, " << figures.keys << " keys, " << figures.dialogs
              << " dialogs, " << figures.itemsStored << " items stored, " << figures.savesWritten
              << " files written, " << figures.savesFailed << " writes failed, "
              << figures.readsDone << " files read, " << figures.readsFailed << " reads failed, "
              << figures.restarts << " restarts" << std::endl;
}

} // namespace

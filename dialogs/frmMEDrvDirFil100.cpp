#include "frmMEDrvDirFil100.h"

#include "FileLists.h"
#include "KeyFilters.h"
#include "KeyPressHandler.h"
#include "MenuEditors100.h"
#include "PlatformPaths.h"
#include "Twips.h"
#include "VbColor.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// Layout, in twips, relative to the client area.
constexpr int ClientWidth = 5550;
constexpr int ClientHeight = 3810;
constexpr int FormLeft = 1000;
constexpr int FormTop = 1000;

struct ControlRow {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};
// In tab order; the labels take no focus.
constexpr std::array<ControlRow, 8> ControlTable{{
    {"lstDrive", 120, 180, 2955, 315},
    {"lstDirectory", 120, 540, 2955, 2565},
    {"txtFileName", 3180, 2760, 2235, 315},
    {"cmdBut_0", 4020, 3300, 1395, 375},
    {"cmdBut_1", 120, 3300, 1395, 375},
    {"lstFile", 3180, 540, 2235, 1650},
    {"Label1", 3180, 300, 2235, 255},
    {"lblFileName", 3180, 2340, 2235, 435},
}};

constexpr int ButCancel = 0;
constexpr int ButOk = 1;
constexpr int NameLength = 8;
// The composed path always ends in this extension, whatever was listed.
const QString MenuExtension = QStringLiteral("tmr");
const QString LineBreak = QStringLiteral("\r\n");

QString LabelText(QString text)
{
    return text.replace(LineBreak, QStringLiteral("\n"));
}

// A typed name passes the keystroke filter; a pasted one does not. Refuse the
// characters that file names may not hold, control characters, and the names
// of the folder and its parent, so that the composed path stays in the chosen
// folder.
bool IsSafeName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    const QString refused = QStringLiteral("\\/:*?\"<>|");
    return std::none_of(name.begin(), name.end(), [&](QChar ch) {
        return refused.contains(ch) || ch.category() == QChar::Other_Control;
    });
}

// The prompt's rectangle was drawn for a narrower face than most desktops
// use: step the size down until the whole prompt fits rather than cut it.
void FitPrompt(QLabel* label)
{
    QFont font = label->font();
    const QRect box = label->contentsRect();
    const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
    for (qreal size = font.pointSizeF(); size >= 6; size -= 0.5) {
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, label->text());
        if (needed.height() <= box.height() && needed.width() <= box.width())
            break;
    }
    if (font.pointSizeF() > 0 && font != label->font())
        label->setFont(font);
}

} // namespace

frmMEDrvDirFil100::frmMEDrvDirFil100(QWidget* parent) : ModalForm(parent)
{
    setObjectName(QStringLiteral("frmMEDrvDirFil100"));

    lstDrive = new DriveListBox(this);
    lstDirectory = new DirListBox(this);
    txtFileName = new QLineEdit(this);
    cmdBut[ButCancel] = AddButton(ButCancel, QStringLiteral("Cancel"));
    cmdBut[ButOk] = AddButton(ButOk, QStringLiteral("OK"));
    lstFile = new FileListBox(this);
    Label1 = new QLabel(QStringLiteral("Existing Menu Files:"), this);
    lblFileName = new QLabel(this);
    lblFileName->setWordWrap(true);
    lblFileName->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const std::array<QWidget*, 8> controls{lstDrive,  lstDirectory, txtFileName, cmdBut[0],
                                           cmdBut[1], lstFile,      Label1,      lblFileName};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRow& row = ControlTable[i];
        controls[i]->setObjectName(QString::fromLatin1(row.name));
        controls[i]->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
        if (i > 0)
            setTabOrder(controls[i - 1], controls[i]);
    }

    // Names for screen readers: the two lists without a label of their own
    // get one, the others are named after the label above them.
    lstDrive->setAccessibleName(QStringLiteral("Drive"));
    // Where a combo box is announced by the value it shows, this tells what
    // that value is.
    lstDrive->setAccessibleDescription(QStringLiteral("Drive of the folders listed"));
    lstDirectory->setAccessibleName(QStringLiteral("Folder"));
    Label1->setBuddy(lstFile);
    lstFile->setAccessibleName(Label1->text());
    lblFileName->setBuddy(txtFileName);

    connect(lstDrive, &DriveListBox::Change, this, &frmMEDrvDirFil100::lstDrive_Change);
    connect(lstDirectory, &DirListBox::Change, this, &frmMEDrvDirFil100::lstDirectory_Change);
    connect(lstFile, &FileListBox::Click, this, &frmMEDrvDirFil100::lstFile_Click);
    for (int i : {ButCancel, ButOk})
        connect(cmdBut[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdBut_Click(i); });
    InstallKeyPressHandler(txtFileName,
                           [](std::int16_t& key) { key = StandardizeKeyFilename(key); });

    SetClientSizeTwips(this, ClientWidth, ClientHeight);
    Form_Load();
}

void frmMEDrvDirFil100::Form_Load()
{
    Place();

    // Through the change chain the file list follows the folder list.
    const QString folder = NearestExistingFolder(ChooserFolder);
    lstDrive->SetDrive(folder);
    lstDirectory->SetPath(folder);

    if (ChooserMode == 0) {
        setWindowTitle(QStringLiteral("Select/Enter File to save Menu Items to"));
        lblFileName->setText(LabelText(QStringLiteral("Enter Menu Filename,") + LineBreak +
                                       QStringLiteral("8 characters, NO extension.")));
        txtFileName->clear();
    } else if (ChooserMode == 1) {
        setWindowTitle(QStringLiteral("Select File to read Menu Items from"));
        lblFileName->setText(LabelText(LineBreak + QStringLiteral("Filename")));
        lblFileName->setEnabled(false);
        // In read mode a name only comes from a listed file.
        txtFileName->clear();
        txtFileName->setEnabled(false);
    }

    FitPrompt(lblFileName);
    txtFileName->setAccessibleName(lblFileName->text().simplified());

    lstFile->SetPattern(QStringLiteral("*.") + ChooserExtension);
    ChosenFileName.clear();
    lstDrive->setFocus();
}

void frmMEDrvDirFil100::PlaceWindow()
{
    MoveWindowTwips(this, FormLeft, FormTop);
}

void frmMEDrvDirFil100::SetDrvDirFilFormCenter()
{
    const QRect outer = WindowRectTwips(this);
    FormCenterY = RoundHalfEven(outer.top() + outer.height() / 2.0);
    FormCenterX = RoundHalfEven(outer.left() + outer.width() / 2.0);
}

void frmMEDrvDirFil100::lstDrive_Change()
{
    lstDirectory->SetPath(lstDrive->Drive());
}

void frmMEDrvDirFil100::lstDirectory_Change()
{
    lstFile->SetPath(lstDirectory->Path());
    // Opening a folder can cross onto another volume (a mount point); show its
    // drive, so that choosing the old drive again goes back.
    const QString drive = DriveOfPath(lstDirectory->Path());
    if (drive != lstDrive->Drive()) {
        const QSignalBlocker quiet(lstDrive);
        lstDrive->SetDrive(drive);
    }
}

void frmMEDrvDirFil100::lstFile_Click()
{
    const int index = lstFile->ListIndex();
    if (index < 0)
        return;
    const QString item = lstFile->List(index);
    const auto keep = std::max<qsizetype>(0, item.size() - (ChooserExtension.size() + 1));
    txtFileName->setText(item.left(keep));
}

QString frmMEDrvDirFil100::ComposedName(const QString& name) const
{
    // At the root this doubles the separator ("C:\\MENU0001.tmr"), which the
    // file system reads as the same file.
    return QDir::toNativeSeparators(lstDirectory->Path() + QLatin1Char('/') + name +
                                    QLatin1Char('.') + MenuExtension);
}

void frmMEDrvDirFil100::ShowInputError(const QString& text)
{
    SetDrvDirFilFormCenter();
    MsgStyle = 16;
    MsgColor = ColorRed;
    MsgText = LineBreak + text;
    ShowMessageDialog();
}

void frmMEDrvDirFil100::cmdBut_Click(int index)
{
    ChosenFileName.clear();
    if (index == ButCancel) {
        accept();
        return;
    }
    if (index != ButOk)
        return;

    const QString name = txtFileName->text();
    if (ChooserMode == 0) {
        if (name.isEmpty()) {
            ShowInputError(QStringLiteral("No Filename Exists"));
        } else if (name.size() == NameLength && IsSafeName(name)) {
            ChosenFileName = ComposedName(name);
            accept();
        } else {
            ShowInputError(QStringLiteral("Invalid Filename"));
            txtFileName->setFocus();
        }
    } else if (ChooserMode == 1) {
        if (name.isEmpty()) {
            ShowInputError(QStringLiteral("No Filename Exists"));
        } else {
            ChosenFileName = ComposedName(name);
            accept();
        }
    }
}

void frmMEDrvDirFil100::reject()
{
    ChosenFileName.clear();
    ModalForm::reject();
}

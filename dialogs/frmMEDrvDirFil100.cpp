#include "frmMEDrvDirFil100.h"

#include "FileLists.h"
#include "FormBuilder.h"
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

constexpr int FormLeft = 1000;
constexpr int FormTop = 1000;

using enum ControlKind;
// In tab order; the labels take no focus.
constexpr ControlLayout ChooserControls[] = {
    {Custom, "lstDrive", -1, "", 120, 180, 2955, 315, {}, 0},
    {Custom, "lstDirectory", -1, "", 120, 540, 2955, 2565, {}, 1},
    {TextBox, "txtFileName", -1, "", 3180, 2760, 2235, 315, {}, 2},
    {Button, "cmdBut", frmMEDrvDirFil100::ButCancel, "Cancel", 4020, 3300, 1395, 375, {}, 3},
    {Button, "cmdBut", frmMEDrvDirFil100::ButOk, "OK", 120, 3300, 1395, 375, {}, 4},
    {Custom, "lstFile", -1, "", 3180, 540, 2235, 1650, {}, 5},
    {Label, "Label1", -1, "Existing Menu Files:", 3180, 300, 2235, 255, {}, 6},
    {Label, "lblFileName", -1, "", 3180, 2340, 2235, 435, {}, 7, TextAlign::Left, false, true},
};
constexpr LayoutTable ChooserLayout{5550, 3810, {}, ChooserControls};
static_assert(HasButtonArray(ChooserLayout, 2));

// Controls named for screen readers after the label above them.
constexpr LabelFor Labels[] = {{"Label1", "lstFile"}, {"lblFileName", "txtFileName"}};

QWidget* MakeFileList(const ControlLayout& c, QWidget* form)
{
    if (c.Name == "lstDrive")
        return new DriveListBox(form);
    if (c.Name == "lstDirectory")
        return new DirListBox(form);
    if (c.Name == "lstFile")
        return new FileListBox(form);
    return nullptr;
}

constexpr int NameLength = 8;
const QString LineBreak = QStringLiteral("\r\n");

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
    // The table is fixed and checked when compiled, so building cannot fail.
    static_cast<void>(BuildForm(this, ChooserLayout, cmdBut, MakeFileList));
    static_cast<void>(NameAfterLabels(this, Labels));
    lstDrive = FindControl<DriveListBox>(this, "lstDrive");
    lstDirectory = FindControl<DirListBox>(this, "lstDirectory");
    txtFileName = FindControl<QLineEdit>(this, "txtFileName");
    lstFile = FindControl<FileListBox>(this, "lstFile");
    lblFileName = FindControl<QLabel>(this, "lblFileName");

    // Names for screen readers of the two lists without a label.
    lstDrive->setAccessibleName(QStringLiteral("Drive"));
    // Where a combo box is announced by the value it shows, this tells what
    // that value is.
    lstDrive->setAccessibleDescription(QStringLiteral("Drive of the folders listed"));
    lstDirectory->setAccessibleName(QStringLiteral("Folder"));

    connect(lstDrive, &DriveListBox::Change, this, &frmMEDrvDirFil100::lstDrive_Change);
    connect(lstDirectory, &DirListBox::Change, this, &frmMEDrvDirFil100::lstDirectory_Change);
    connect(lstFile, &FileListBox::Click, this, &frmMEDrvDirFil100::lstFile_Click);
    ConnectButtons(cmdBut);
    InstallKeyPressHandler(txtFileName,
                           [](std::int16_t& key) { key = StandardizeKeyFilename(key); });
    Form_Load();
}

void frmMEDrvDirFil100::Form_Load()
{
    Place();

    // Through the change chain the file list follows the folder list.
    const QString folder = NearestExistingFolder(ChooserFolder);
    lstDrive->SetDrive(folder);
    lstDirectory->SetPath(folder);

    if (ChooserMode == ChooseToSave) {
        setWindowTitle(QStringLiteral("Select/Enter File to save Menu Items to"));
        lblFileName->setText(QStringLiteral("Enter Menu Filename,\n8 characters, NO extension."));
        txtFileName->clear();
    } else if (ChooserMode == ChooseToRead) {
        setWindowTitle(QStringLiteral("Select File to read Menu Items from"));
        lblFileName->setText(QStringLiteral("\nFilename"));
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
    SetFormCenter(this);
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
    // The composed path always ends in the menu files' extension, whatever
    // was listed. At the root this doubles the separator ("C:\\MENU0001.tmr"),
    // which the file system reads as the same file.
    return QDir::toNativeSeparators(lstDirectory->Path() + QLatin1Char('/') + name +
                                    QLatin1Char('.') + MenuFileExtension);
}

void frmMEDrvDirFil100::ShowInputError(const QString& text)
{
    SetDrvDirFilFormCenter();
    ShowMessage(MsgAnchored + MsgOk, ColorRed, LineBreak + text);
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
    if (ChooserMode == ChooseToSave) {
        if (name.isEmpty()) {
            ShowInputError(QStringLiteral("No Filename Exists"));
        } else if (name.size() == NameLength && IsSafeName(name)) {
            ChosenFileName = ComposedName(name);
            accept();
        } else {
            ShowInputError(QStringLiteral("Invalid Filename"));
            txtFileName->setFocus();
        }
    } else if (ChooserMode == ChooseToRead) {
        if (name.isEmpty()) {
            ShowInputError(QStringLiteral("No Filename Exists"));
        } else {
            ChosenFileName = ComposedName(name);
            accept();
        }
    }
}

void frmMEDrvDirFil100::AnswerClose()
{
    ChosenFileName.clear();
}

#include "moc_frmMEDrvDirFil100.cpp"

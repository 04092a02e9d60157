#include "frmOpening.h"

#include "EntryRules.h"
#include "FormBuilder.h"
#include "FramePlacement.h"
#include "Global_data.h"
#include "ItemList.h"
#include "KeyFilters.h"
#include "KeyPressHandler.h"
#include "MenuEditors100.h"
#include "Twips.h"
#include "VbColor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include <vector>

namespace {

constexpr char16_t KeyColon = u':';

QString MenuItemName(std::int16_t item)
{
    return QString::fromStdString(ItemMemory.at(static_cast<std::size_t>(item)).Name);
}

} // namespace

frmOpening::frmOpening(const Edition& edition)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      edition_(edition)
{
    setObjectName(QStringLiteral("frmOpening"));
    // Closing the editor ends the program: nothing is kept once it is gone.
    setAttribute(Qt::WA_DeleteOnClose);
}

Result<frmOpening*> frmOpening::Create(const Edition& edition)
{
    auto* form = new frmOpening(edition);
    if (const Result<> built = form->BuildControls(); !built) {
        delete form;
        return built.failure();
    }
    form->ConnectControls();
    form->Form_Load();
    return form;
}

Result<> frmOpening::BuildControls()
{
    const Result<> built =
        BuildForm(this, edition_.EditorLayout, cmdBut, [](const ControlLayout& c, QWidget* form) {
            return c.Kind == ControlKind::List ? new ItemList(form) : nullptr;
        });
    if (!built)
        return built;

    lstItems = FindControl<QListWidget>(this, "lstItems");
    txtName = FindControl<QLineEdit>(this, "txtName");
    txtCook = FindControl<QLineEdit>(this, "txtCook");
    txtDuty = FindControl<QLineEdit>(this, "txtDuty");
    txtHold = FindControl<QLineEdit>(this, "txtHold");
    chkComp = FindControl<QCheckBox>(this, "chkComp");
    lblMenuItem = FindControl<QLabel>(this, "lblMenuItem");
    if (!txtName || !txtCook || !txtDuty || !txtHold || !lblMenuItem || !lstItems || !chkComp)
        return Failure{"the editor layout lacks a control"};
    chkComp->setChecked(true);
    // Screen readers name each field after the label beside it.
    return NameAfterLabels(this, FieldLabels);
}

void frmOpening::ConnectControls()
{
    for (std::size_t i = 0; i < cmdBut.size(); ++i)
        connect(cmdBut[i], &QPushButton::clicked, this,
                [this, i] { cmdBut_Click(static_cast<std::int16_t>(i)); });

    // Item selection follows the selection, not the current line: giving the
    // list the focus moves its current line without choosing anything.
    connect(lstItems, &QListWidget::itemSelectionChanged, this, &frmOpening::lstItems_Click);
    // A click on the line already selected changes no selection, yet it is a
    // choice of that line.
    lstItems->viewport()->installEventFilter(this);
    connect(lstItems, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool wasSelected = pressOnSelectedLine_;
        pressOnSelectedLine_ = false;
        if (wasSelected && item->isSelected())
            lstItems_Click();
    });

    connect(chkComp, &QCheckBox::clicked, this, &frmOpening::chkComp_Click);

    InstallKeyPressHandler(txtName, [](std::int16_t& key) {
        key = StandardizeKeyText(key, false);
        ItemChanged = FlagTrue;
    });
    for (QLineEdit* time : {txtCook, txtDuty, txtHold})
        InstallKeyPressHandler(time, [](std::int16_t& key) {
            if (key != KeyColon)
                key = StandardizeKeyNumber(key, false, true);
            ItemChanged = FlagTrue;
        });
    // Pasting, cutting and undoing change the text without a character
    // keystroke; setText() from the program never emits this.
    for (QLineEdit* field : {txtName, txtCook, txtDuty, txtHold})
        connect(field, &QLineEdit::textEdited, this, [] { ItemChanged = FlagTrue; });
}

bool frmOpening::eventFilter(QObject* watched, QEvent* event)
{
    if (lstItems && watched == lstItems->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QListWidgetItem* item = lstItems->itemAt(mouse->position().toPoint());
        pressOnSelectedLine_ = mouse->button() == Qt::LeftButton && item && item->isSelected();
    }
    return QWidget::eventFilter(watched, event);
}

void frmOpening::Form_Load()
{
    setWindowTitle(ToQString(edition_.WindowTitle) + ToQString(edition_.VersionSeparator) +
                   ToQString(edition_.CaptionVersion));

    // Centred by the outer size, which counts the frame once a window manager
    // has drawn one.
    PlaceByFrame(this, [this] {
        const QRect outer = WindowRectTwips(this);
        const QSize screen = ScreenSizeTwips();
        const float top =
            static_cast<float>(screen.height()) / 2 - static_cast<float>(outer.height()) / 2;
        const float left =
            static_cast<float>(screen.width()) / 2 - static_cast<float>(outer.width()) / 2;
        MoveWindowTwips(this, left, top);
    });

    SetupOpeningForm(0);
    ItemChanged = FlagFalse;
    MenuChanged = FlagFalse;
}

void frmOpening::FieldSetup(std::int16_t what)
{
    if (what != 0 && what != 1)
        return;
    for (QWidget* field :
         std::initializer_list<QWidget*>{txtName, txtCook, txtDuty, txtHold, chkComp})
        field->setEnabled(what == 1);
}

void frmOpening::ButtonSetup(std::int16_t what)
{
    if (what != 0 && what != 1)
        return;
    const bool editing = what == 1;
    cmdBut[ButSaveMenu]->setEnabled(editing);
    cmdBut[ButGetMenu]->setEnabled(true);
    cmdBut[ButSaveItem]->setEnabled(editing);
    cmdBut[ButClearItem]->setEnabled(editing);
    cmdBut[ButNewMenu]->setEnabled(true);
}

void frmOpening::SetupOpeningForm(std::int16_t how)
{
    const auto last = static_cast<std::int16_t>(ItemMemory.size() - 1);
    if (how == 0 || how == 1) {
        lstItems->clear();
        for (std::int16_t i = 0; i <= last; ++i) {
            QString line = QString::number(i + 1);
            if (how == 0) {
                ClearItemMemory(i);
            } else if (const QString name = MenuItemName(i); !name.isEmpty()) {
                line = line.leftJustified(2) + QLatin1Char(' ') + name;
            }
            lstItems->addItem(line);
        }
    }
    ButtonSetup(0);
    FieldSetup(0);
    IgnoreListClick = FlagFalse;
    CurrentItem = -1;
    ItemChanged = FlagFalse;
    lblMenuItem->setText(QStringLiteral("New Menu"));
}

void frmOpening::SetOpeningFormCenter()
{
    SetFormCenter(this);
}

bool frmOpening::ItemGetFromMemory(std::int16_t menitem)
{
    const MenuItem shown = ItemAsShown(ItemMemory.at(static_cast<std::size_t>(menitem)));
    txtName->setText(QString::fromStdString(shown.Name));
    txtCook->setText(QString::fromStdString(shown.Cook));
    txtDuty->setText(QString::fromStdString(shown.Duty));
    txtHold->setText(QString::fromStdString(shown.Hold));
    const std::int16_t comp = shown.Comp;
    // A value other than 0 or 1 can only come from a file: the box shows it
    // as its third state and keeps it until the operator clicks the box.
    loadedComp_ = comp;
    chkComp->setTristate(comp != 0 && comp != 1);
    chkComp->setCheckState(comp == 0   ? Qt::Unchecked
                           : comp == 1 ? Qt::Checked
                                       : Qt::PartiallyChecked);
    return true;
}

bool frmOpening::ItemSaveToMemory(std::int16_t menu)
{
    MenuItem& slot = ItemMemory.at(static_cast<std::size_t>(menu));
    slot.Name = txtName->text().toStdString();
    slot.Cook = txtCook->text().toStdString();
    slot.Duty = txtDuty->text().toStdString();
    slot.Hold = txtHold->text().toStdString();
    // Every store of the fields goes through here: the menu now differs
    // from its file.
    MenuChanged = FlagTrue;
    switch (chkComp->checkState()) {
    case Qt::Unchecked:
        slot.Comp = 0;
        break;
    case Qt::Checked:
        slot.Comp = 1;
        break;
    case Qt::PartiallyChecked:
        slot.Comp = loadedComp_;
        break;
    }
    return true;
}

QString frmOpening::UpdateItemListEntry(std::int16_t curMI)
{
    QString line = lstItems->item(curMI)->text().left(2);
    if (line.size() == 1)
        line += QLatin1Char(' ');
    return line + QLatin1Char(' ') + MenuItemName(curMI);
}

bool frmOpening::ValidateItemEntries()
{
    // In the order of ItemField, which names the field a fault marks.
    const std::array<QLineEdit*, 4> fields{txtName, txtCook, txtDuty, txtHold};
    for (QLineEdit* field : fields)
        SetBackColor(field, ColorWindowBackground);
    const std::vector<ItemField> faults =
        ItemEntryFaults({txtName->text().toStdString(), txtCook->text().toStdString(),
                         txtDuty->text().toStdString(), txtHold->text().toStdString(), 0});
    for (const ItemField field : faults)
        SetBackColor(fields.at(static_cast<std::size_t>(field)), ColorRed);
    return faults.empty();
}

#include "moc_frmOpening.cpp"

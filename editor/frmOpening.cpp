#include "frmOpening.h"

#include "EntryRules.h"
#include "Fonts.h"
#include "FramePlacement.h"
#include "Global_data.h"
#include "KeyFilters.h"
#include "KeyPressHandler.h"
#include "MenuEditors100.h"
#include "MenuFileCommands.h"
#include "MenuFileFormat.h"
#include "TimeValues.h"
#include "Twips.h"
#include "VbColor.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t ColorQuestion = ColorYellow;
constexpr std::int16_t StyleOkOverWindow = 16;
constexpr std::int16_t StyleYesNoOverWindow = 17;
constexpr std::int16_t StyleYesNoCancelOverWindow = 18;
constexpr std::int16_t AnswerYes = 1;
constexpr std::int16_t AnswerNo = 2;
constexpr char16_t KeyColon = u':';

QString ToQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont MakeFont(const LayoutFont& wanted, bool fixedPitch)
{
    return DesignFont(ToQString(wanted.Face), wanted.Points, fixedPitch);
}

// A command button whose caption wraps onto more lines when it is wider than
// the button, as the small layout's long captions need. Enter presses it when
// it has the focus, as Space does and as the dialogs' buttons do.
class CommandButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // Space chooses once however long it is held; so does Enter.
            if (!event->isAutoRepeat())
                click();
            event->accept();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                             caption, QPalette::ButtonText);
    }
};

// The list of items. Its own keyboard move selects the new line twice, the
// second time after item selection may already have returned to the previous
// line; moving here selects once, just as choosing a line from code does.
class ItemList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        static constexpr std::pair<int, CursorAction> Moves[] = {
            {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown},
            {Qt::Key_Left, MoveLeft},     {Qt::Key_Right, MoveRight},
            {Qt::Key_Home, MoveHome},     {Qt::Key_End, MoveEnd},
            {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown},
        };
        const auto move = std::find_if(std::begin(Moves), std::end(Moves),
                                       [&](const auto& m) { return m.first == event->key(); });
        if (move == std::end(Moves)) {
            QListWidget::keyPressEvent(event);
            return;
        }
        const CursorAction action = move->second;
        // Before any line is chosen the current line is only marked, not
        // chosen: the first move up or down chooses it rather than its neighbour.
        const bool noneChosen = selectedItems().isEmpty();
        QModelIndex next = moveCursor(action, event->modifiers());
        if (noneChosen && (action == MoveUp || action == MoveDown) && currentIndex().isValid())
            next = currentIndex();
        if (next.isValid() && (noneChosen || next.row() != currentRow()))
            setCurrentRow(next.row());
        event->accept();
    }
};

// Rows as high as the font and no higher than a tenth of the list, so that
// all ten lines show with whatever face stands in for the list font. A hidden
// line would make the list scroll whenever a line is chosen again from code,
// moving the lines under the operator's mouse.
class ItemLineDelegate : public QStyledItemDelegate
{
public:
    explicit ItemLineDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(option.fontMetrics.height());
        const int fit = list_->contentsRect().height() / MenuItemCount;
        if (fit > 0)
            size.setHeight(std::min(size.height(), fit));
        return size;
    }

private:
    const QListWidget* list_;
};

// A separator line of the layout. Screen readers call it a separator, which
// they pass over, rather than an empty frame.
class SeparatorLine : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

// Roles that Qt's own interfaces do not give: the editor is a window (Qt
// takes a plain top-level widget for a client area), the lines separators.
QAccessibleInterface* EditorAccessible(const QString& classname, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (classname == QLatin1String("frmOpening"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (classname == QLatin1String("SeparatorLine"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}

// The alignment is across the label only; every label's text starts at its top.
Qt::Alignment ToAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// The label that names each field; the two layouts share these names.
constexpr std::pair<const char*, const char*> FieldLabels[] = {
    {"lstItems", "Label1"}, {"txtName", "Label7"}, {"txtCook", "Label3"},
    {"txtDuty", "Label4"},  {"txtHold", "Label5"}, {"chkComp", "Label6"},
};

QString MenuItemName(std::int16_t item)
{
    return QString::fromStdString(ItemMemory.at(static_cast<std::size_t>(item)).Name);
}

} // namespace

frmOpening::frmOpening(const Edition& edition, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      edition_(edition)
{
    setObjectName(QStringLiteral("frmOpening"));
    static const bool accessibleRoles = [] {
        QAccessible::installFactory(EditorAccessible);
        return true;
    }();
    Q_UNUSED(accessibleRoles);
    // Closing the editor ends the program: nothing is kept once it is gone.
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    Form_Load();
}

void frmOpening::BuildControls()
{
    const LayoutTable& layout = edition_.EditorLayout;
    SetClientSizeTwips(this, layout.ClientWidth, layout.ClientHeight);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlLayout& c : layout.Controls) {
        QWidget* widget = nullptr;
        const QString caption = ToQString(c.Caption);
        switch (c.Kind) {
        case ControlKind::Button: {
            if (c.Index < 0 || c.Index >= static_cast<int>(cmdBut.size()))
                throw std::runtime_error("cmdBut index out of range in the layout");
            auto* button = new CommandButton(caption, this);
            button->setObjectName(QStringLiteral("cmdBut_%1").arg(c.Index));
            button->setAccessibleName(caption);
            button->setFocusPolicy(Qt::StrongFocus);
            cmdBut[static_cast<std::size_t>(c.Index)] = button;
            widget = button;
            break;
        }
        case ControlKind::List:
            lstItems = new ItemList(this);
            lstItems->setItemDelegate(new ItemLineDelegate(lstItems));
            lstItems->setSelectionMode(QAbstractItemView::SingleSelection);
            lstItems->setUniformItemSizes(true);
            lstItems->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            widget = lstItems;
            break;
        case ControlKind::TextBox:
            widget = new QLineEdit(caption, this);
            break;
        case ControlKind::CheckBox:
            chkComp = new QCheckBox(caption, this);
            chkComp->setChecked(true);
            widget = chkComp;
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(caption, this);
            label->setAlignment(ToAlignment(c.Align));
            if (c.Border) {
                label->setFrameShape(QFrame::Box);
                label->setFrameShadow(QFrame::Plain);
                label->setLineWidth(1);
            }
            widget = label;
            break;
        }
        }
        if (c.Kind != ControlKind::Button)
            widget->setObjectName(ToQString(c.Name));
        widget->setFont(MakeFont(c.Font, c.Kind == ControlKind::List));
        widget->setGeometry(TwipsRect(c.Left, c.Top, c.Width, c.Height));
        if (c.Kind != ControlKind::Label)
            tabOrder.emplace_back(c.TabIndex, widget);
    }

    for (const LineLayout& l : layout.Lines) {
        auto* line = new SeparatorLine(this);
        line->setObjectName(ToQString(l.Name));
        const bool vertical = l.X1 == l.X2;
        line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        // One pixel across, the line's length along.
        line->setGeometry(TwipsToPixels(std::min(l.X1, l.X2)), TwipsToPixels(std::min(l.Y1, l.Y2)),
                          vertical ? 1 : TwipsToPixels(std::abs(l.X2 - l.X1)),
                          vertical ? TwipsToPixels(std::abs(l.Y2 - l.Y1)) : 1);
        line->lower();
    }

    // Set once the controls have their own fonts: a text box lays out its
    // text as it is made, and every font it sees then is looked up and loaded,
    // though in the larger layout no control draws with the window font.
    setFont(MakeFont(layout.WindowFont, false));

    txtName = findChild<QLineEdit*>(QStringLiteral("txtName"));
    txtCook = findChild<QLineEdit*>(QStringLiteral("txtCook"));
    txtDuty = findChild<QLineEdit*>(QStringLiteral("txtDuty"));
    txtHold = findChild<QLineEdit*>(QStringLiteral("txtHold"));
    lblMenuItem = findChild<QLabel*>(QStringLiteral("lblMenuItem"));
    if (!txtName || !txtCook || !txtDuty || !txtHold || !lblMenuItem || !lstItems || !chkComp ||
        std::count(cmdBut.begin(), cmdBut.end(), nullptr) != 0)
        throw std::runtime_error("the editor layout lacks a control");

    // Screen readers name each field after the label beside it.
    for (const auto& [field, labelName] : FieldLabels) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(labelName));
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(field));
        if (!label || !control)
            throw std::runtime_error("the editor layout lacks a field's label");
        label->setBuddy(control);
        control->setAccessibleName(label->text());
    }

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

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
    cmdBut[1]->setEnabled(editing);
    cmdBut[2]->setEnabled(true);
    cmdBut[3]->setEnabled(editing);
    cmdBut[4]->setEnabled(editing);
    cmdBut[5]->setEnabled(true);
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
    const QRect window = WindowRectTwips(this);
    FormCenterY = RoundHalfEven(window.height() / 2.0 + window.top());
    FormCenterX = RoundHalfEven(window.width() / 2.0 + window.left());
}

bool frmOpening::ItemGetFromMemory(std::int16_t menitem)
{
    const MenuItem& slot = ItemMemory.at(static_cast<std::size_t>(menitem));
    txtName->setText(QString::fromStdString(slot.Name));
    std::int16_t comp = 1;
    if (!slot.Name.empty()) {
        txtCook->setText(QString::fromStdString(slot.Cook));
        txtDuty->setText(QString::fromStdString(slot.Duty));
        txtHold->setText(QString::fromStdString(slot.Hold));
        comp = slot.Comp;
    } else {
        txtCook->setText(QString());
        txtDuty->setText(QStringLiteral("0:00"));
        txtHold->setText(QStringLiteral("0:00"));
    }
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
    bool valid = true;
    const auto check = [&valid](QLineEdit* field, bool acceptable) {
        SetBackColor(field, ColorWindowBackground);
        if (!acceptable) {
            SetBackColor(field, ColorRed);
            valid = false;
        }
    };
    check(txtName, ValidateItemEntry_Name(txtName->text().toStdString()));
    check(txtCook, ValidateItemEntry_Time(txtCook->text().toStdString()));
    check(txtDuty, ValidateItemEntry_Time(txtDuty->text().toStdString()));
    check(txtHold, ValidateItemEntry_Time(txtHold->text().toStdString()));
    if (valid) {
        const std::int32_t cook = CalculateTimeInSeconds(txtCook->text().toStdString());
        const std::int32_t shake = CalculateTimeInSeconds(txtDuty->text().toStdString());
        if (shake > cook) {
            SetBackColor(txtCook, ColorRed);
            valid = false;
        }
    }
    return valid;
}

void frmOpening::SaveToFile()
{
    ChooserMode = 0;
    ChooserFolder = QString::fromStdString(MenuFolder);
    ChooserExtension = QStringLiteral("tmr");
    ShowFileChooser();
    const QString path = ChosenFileName;
    if (path.isEmpty())
        return;
    for (std::int16_t item = 0; item < MenuItemCount; ++item)
        FileDataFromItemMemory(item);
    MenuSave(path);
}

// The load of a menu file; false when nothing was loaded (chooser cancelled,
// or the file could not be read, in which case the store stays as it was).
bool frmOpening::LoadMenuFromFile()
{
    ChooserMode = 1;
    ChooserFolder = QString::fromStdString(MenuFolder);
    ChooserExtension = QStringLiteral("tmr");
    ShowFileChooser();
    const QString path = ChosenFileName;
    if (path.isEmpty())
        return false;
    if (!MenuGet(path))
        return false;
    for (std::int16_t item = 0; item < MenuItemCount; ++item) {
        ClearItemMemory(item);
        FileDataToItemMemory(item);
    }
    return true;
}

std::int16_t frmOpening::AskMessage(std::int16_t style, std::uint32_t color, const QString& text)
{
    SetOpeningFormCenter();
    MsgStyle = style;
    MsgColor = color;
    MsgText = text;
    // A dialog closed without any of its buttons answers nothing, rather than
    // repeating the answer to the previous question.
    MsgResult = -1;
    ShowMessageDialog();
    return MsgResult;
}

void frmOpening::ShowInvalidEntries()
{
    AskMessage(StyleOkOverWindow, ColorRed, QStringLiteral("\r\nInvalid Entry(s)."));
}

void frmOpening::ResetFieldColors()
{
    if (!edition_.ResetFieldColors)
        return;
    for (QLineEdit* field : {txtName, txtCook, txtDuty, txtHold})
        SetBackColor(field, ColorWindowBackground);
}

void frmOpening::ReselectListLine(std::int16_t line)
{
    IgnoreListClick = FlagTrue;
    lstItems->setCurrentRow(line);
    // Re-selecting the line that is still selected raises no event, and the
    // flag must not swallow the operator's next choice.
    IgnoreListClick = FlagFalse;
}

void frmOpening::ReplaceListLine(std::int16_t line)
{
    lstItems->item(line)->setText(UpdateItemListEntry(line));
}

void frmOpening::SetMenuItemCaption(std::int16_t k)
{
    lblMenuItem->setText(QStringLiteral("Current Menu Item  -  ") + QString::number(k + 1));
}

void frmOpening::cmdBut_Click(std::int16_t index)
{
    switch (index) {
    case 0: // Quit
        close();
        break;
    case 1: // Save Menu to File
        if (ItemChanged && CurrentItem >= 0) {
            if (!ValidateItemEntries()) {
                ShowInvalidEntries();
                return;
            }
            ItemSaveToMemory(CurrentItem);
            ItemChanged = FlagFalse;
            ReplaceListLine(CurrentItem);
        }
        SaveToFile();
        break;
    case 2: // Get Menu from File
        if (AskMessage(StyleYesNoOverWindow, ColorQuestion,
                       QStringLiteral("\r\nALL Current Item Information\r\nwill be deleted. Do "
                                      "you want to continue ?")) != AnswerYes)
            return;
        if (!LoadMenuFromFile())
            return;
        ResetFieldColors();
        SetupOpeningForm(1);
        CurrentItem = 0;
        lstItems->setFocus();
        lstItems->setCurrentRow(0);
        break;
    case 3: // Save Item
        if (CurrentItem < 0)
            return;
        if (!ValidateItemEntries()) {
            ShowInvalidEntries();
            return;
        }
        ClearItemMemory(CurrentItem);
        ItemSaveToMemory(CurrentItem);
        ItemChanged = FlagFalse;
        ReplaceListLine(CurrentItem);
        break;
    case 4: // Clear Item
        if (CurrentItem < 0)
            return;
        if (AskMessage(
                StyleYesNoOverWindow, ColorQuestion,
                QStringLiteral("\r\nAre you sure you want to\r\nclear ALL Item information ?")) !=
            AnswerYes)
            return;
        ResetFieldColors();
        ClearItemMemory(CurrentItem);
        ItemGetFromMemory(CurrentItem);
        ItemChanged = FlagFalse;
        ReplaceListLine(CurrentItem);
        break;
    case 5: // New Menu
        if (AskMessage(
                StyleYesNoOverWindow, ColorQuestion,
                QStringLiteral("\r\nAre you sure you want to\r\nclear ALL Item information ?")) !=
            AnswerYes)
            return;
        ResetFieldColors();
        SetupOpeningForm(0);
        CurrentItem = 0;
        lstItems->setFocus();
        lstItems->setCurrentRow(0);
        break;
    default:
        break;
    }
}

void frmOpening::lstItems_Click()
{
    const QList<QListWidgetItem*> selected = lstItems->selectedItems();
    if (selected.isEmpty())
        return;
    if (IgnoreListClick) {
        IgnoreListClick = FlagFalse;
        return;
    }
    const auto k = static_cast<std::int16_t>(lstItems->row(selected.first()));

    ButtonSetup(1);
    FieldSetup(1);
    if (CurrentItem == -1) {
        CurrentItem = k;
        SetMenuItemCaption(k);
        return;
    }
    if (!ItemChanged) {
        ItemGetFromMemory(k);
        CurrentItem = k;
        SetMenuItemCaption(k);
        ItemChanged = FlagFalse;
        return;
    }

    const std::int16_t answer =
        AskMessage(StyleYesNoCancelOverWindow, ColorQuestion,
                   QStringLiteral("\r\nYou are changing Menu Items.\r\nDo you want to save Item ") +
                       QString::number(CurrentItem + 1) + QStringLiteral(" information?"));
    if (answer == AnswerNo) {
        ResetFieldColors();
        ItemGetFromMemory(k);
        CurrentItem = k;
        SetMenuItemCaption(k);
        ItemChanged = FlagFalse;
        return;
    }
    if (answer != AnswerYes) {
        // Cancel, or the question closed without an answer: back to the item
        // being edited, so that the highlight shows the item in the fields.
        ReselectListLine(CurrentItem);
        return;
    }

    if (!ValidateItemEntries()) {
        ShowInvalidEntries();
        ReselectListLine(CurrentItem);
        return;
    }
    ClearItemMemory(CurrentItem);
    ItemSaveToMemory(CurrentItem);
    ReplaceListLine(CurrentItem);
    ItemGetFromMemory(k);
    CurrentItem = k;
    SetMenuItemCaption(k);
    ItemChanged = FlagFalse;
}

void frmOpening::chkComp_Click()
{
    ItemChanged = FlagTrue;
    // The third state is only for a value read from a file; once clicked,
    // the box is plainly on or off.
    chkComp->setTristate(false);
}

#include "frmOpening.moc"

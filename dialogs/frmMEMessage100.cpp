#include "frmMEMessage100.h"

#include "FormBuilder.h"
#include "MenuEditors100.h"
#include "Twips.h"
#include "VbColor.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

using enum ControlKind;
// The message area first, though it takes no focus. Button index = the answer:
// YES left, Cancel in the middle, NO right; OK alone fills the width.
constexpr ControlLayout Controls[] = {
    {Label,
     "lblInformation",
     -1,
     "",
     120,
     60,
     5055,
     1275,
     {"MS Sans Serif", 12},
     0,
     TextAlign::Center,
     true,
     true},
    {Button, "cmdBut", AnswerOk, "OK", 120, 1440, 5055, 435, {}, 1},
    {Button, "cmdBut", AnswerYes, "YES", 120, 1440, 1575, 435, {}, 2},
    {Button, "cmdBut", AnswerNo, "NO", 3600, 1440, 1575, 435, {}, 3},
    {Button, "cmdBut", AnswerCancel, "Cancel", 1860, 1440, 1575, 435, {}, 4},
};
constexpr LayoutTable Layout{5295, 1995, {}, Controls};
static_assert(HasButtonArray(Layout, 4));

// What a request style asks for.
struct StyleRow {
    std::array<bool, 4> shown; // by button index
    bool forceRed;
    bool anchored;
};

StyleRow StyleOf(std::int16_t style)
{
    const bool anchored = style >= MsgAnchored;
    switch (anchored ? style - MsgAnchored : style) {
    case MsgOk:
        return {{true, false, false, false}, false, anchored};
    case MsgYesNo:
        return {{false, true, true, false}, false, anchored};
    case MsgYesNoCancel:
        return {{false, true, true, true}, false, anchored};
    default:
        return {{true, false, false, false}, true, anchored};
    }
}

// Line breaks arrive as CR LF; the label breaks lines on LF.
QString LabelText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

frmMEMessage100::frmMEMessage100(QWidget* parent) : ModalForm(parent)
{
    setObjectName(QStringLiteral("frmMEMessage100"));
    // The table is fixed and checked when compiled, so building cannot fail.
    static_cast<void>(BuildForm(this, Layout, cmdBut));
    lblInformation = FindControl<QLabel>(this, "lblInformation");
    lblInformation->setTextFormat(Qt::PlainText);
    lblInformation->setFocusPolicy(Qt::NoFocus);
    ConnectButtons(cmdBut);
    Form_Load();
}

void frmMEMessage100::Form_Load()
{
    setWindowTitle(QStringLiteral("Information"));
    style_ = MsgStyle;
    const StyleRow row = StyleOf(style_);

    lblInformation->setText(LabelText(MsgText));
    // A screen reader announces the dialog with its message, read as one line.
    const QString spoken = lblInformation->text().simplified();
    lblInformation->setAccessibleName(spoken);
    setAccessibleDescription(spoken);
    SetBackColor(lblInformation, row.forceRed ? ColorRed : MsgColor);
    for (std::size_t i = 0; i < cmdBut.size(); ++i)
        cmdBut[i]->setVisible(row.shown[i]);

    if (row.shown[AnswerCancel])
        closeAnswer_ = AnswerCancel;
    else if (row.shown[AnswerNo])
        closeAnswer_ = AnswerNo;
    else
        closeAnswer_ = AnswerOk;

    const auto first = std::find_if(cmdBut.begin(), cmdBut.end(),
                                    [](const QPushButton* b) { return !b->isHidden(); });
    (*first)->setFocus();

    GrowToFitText();
    Place();
}

void frmMEMessage100::GrowToFitText()
{
    // A text longer than the area pushes the buttons down instead of being cut.
    const int needed = lblInformation->heightForWidth(lblInformation->width());
    const int extra = needed - lblInformation->height();
    if (extra <= 0)
        return;
    lblInformation->resize(lblInformation->width(), needed);
    for (QPushButton* button : cmdBut)
        button->move(button->x(), button->y() + extra);
    setFixedSize(width(), height() + extra);
}

void frmMEMessage100::PlaceWindow()
{
    // Centred on the anchor point or on the screen, never pulled back onto it.
    const QRect outer = WindowRectTwips(this);
    double centerX = 0;
    double centerY = 0;
    if (StyleOf(style_).anchored) {
        centerX = FormCenterX;
        centerY = FormCenterY;
    } else {
        const QSize screen = ScreenSizeTwips();
        centerX = screen.width() / 2.0;
        centerY = screen.height() / 2.0;
    }
    MoveWindowTwips(this, centerX - outer.width() / 2.0, centerY - outer.height() / 2.0);
}

void frmMEMessage100::cmdBut_Click(int index)
{
    MsgResult = static_cast<std::int16_t>(index);
    accept();
}

void frmMEMessage100::AnswerClose()
{
    MsgResult = closeAnswer_;
}

#include "moc_frmMEMessage100.cpp"

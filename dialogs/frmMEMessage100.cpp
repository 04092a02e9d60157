#include "frmMEMessage100.h"

#include "Fonts.h"
#include "MenuEditors100.h"
#include "Twips.h"
#include "VbColor.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Layout, in twips, relative to the client area.
constexpr int ClientWidth = 5295;
constexpr int ClientHeight = 1995;
constexpr QRect InformationTwips(120, 60, 5055, 1275);
constexpr int ButtonTop = 1440;
constexpr int ButtonHeight = 435;

struct ButtonRow {
    const char* caption;
    int left;
    int width;
};
// Index = the answer. YES left, Cancel in the middle, NO right; OK alone fills
// the width.
constexpr std::array<ButtonRow, 4> ButtonTable{{
    {"OK", 120, 5055},
    {"YES", 120, 1575},
    {"NO", 3600, 1575},
    {"Cancel", 1860, 1575},
}};

constexpr int AnswerOk = 0;
constexpr int AnswerYes = 1;
constexpr int AnswerNo = 2;
constexpr int AnswerCancel = 3;

// What a request style asks for.
struct StyleRow {
    std::array<bool, 4> shown; // by button index
    bool forceRed;
    bool anchored;
};

StyleRow StyleOf(std::int16_t style)
{
    const bool anchored = style >= 16;
    switch (anchored ? style - 16 : style) {
    case 0:
        return {{true, false, false, false}, false, anchored};
    case 1:
        return {{false, true, true, false}, false, anchored};
    case 2:
        return {{false, true, true, true}, false, anchored};
    default:
        return {{true, false, false, false}, true, anchored};
    }
}

QFont MessageFont()
{
    return DesignFont(QStringLiteral("MS Sans Serif"), 12);
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

    lblInformation = new QLabel(this);
    lblInformation->setObjectName(QStringLiteral("lblInformation"));
    lblInformation->setGeometry(TwipsRect(InformationTwips.x(), InformationTwips.y(),
                                          InformationTwips.width(), InformationTwips.height()));
    lblInformation->setTextFormat(Qt::PlainText);
    lblInformation->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInformation->setWordWrap(true);
    lblInformation->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblInformation->setLineWidth(1);
    lblInformation->setFont(MessageFont());
    lblInformation->setFocusPolicy(Qt::NoFocus);

    for (int i = 0; i < static_cast<int>(ButtonTable.size()); ++i) {
        const ButtonRow& row = ButtonTable[static_cast<std::size_t>(i)];
        QPushButton* button = AddButton(i, QString::fromLatin1(row.caption));
        button->setGeometry(TwipsRect(row.left, ButtonTop, row.width, ButtonHeight));
        connect(button, &QPushButton::clicked, this, [this, i] { cmdBut_Click(i); });
        cmdBut[static_cast<std::size_t>(i)] = button;
    }
    for (std::size_t i = 1; i < cmdBut.size(); ++i)
        setTabOrder(cmdBut[i - 1], cmdBut[i]);

    SetClientSizeTwips(this, ClientWidth, ClientHeight);
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

void frmMEMessage100::reject()
{
    MsgResult = closeAnswer_;
    ModalForm::reject();
}

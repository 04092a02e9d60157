#include "FormControls.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// A held key repeats within the keyboard delay, which Windows lets the user
// set to one second at the most; an Enter flagged as a repeat that comes
// later than that is a new press whose predecessor's release went astray.
constexpr qint64 LongestRepeatGapMs = 1100;

// Whether a press of Enter is one of the repeats of a held key. The flag alone
// is not enough: under Wine the release of an Enter that closed a dialog goes
// to the window that is gone, so the next press comes flagged as a repeat.
bool IsHeldEnter(const QKeyEvent* event)
{
    static QElapsedTimer sincePreviousPress;
    const bool soon =
        sincePreviousPress.isValid() && sincePreviousPress.elapsed() <= LongestRepeatGapMs;
    sincePreviousPress.start();
    return event->isAutoRepeat() && soon;
}

} // namespace

bool IsEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // A button in a dialog would otherwise become a default candidate, and
    // Enter would press one the operator never chose.
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event)) {
        // Space chooses once however long it is held; so does Enter. A held
        // Enter that opened a dialog from the window behind it keeps repeating
        // there, and must not answer for the operator.
        if (!IsHeldEnter(event))
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

#include "moc_FormControls.cpp"

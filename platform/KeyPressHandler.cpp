#include "KeyPressHandler.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

namespace {

bool IsToolkitShortcut(const QKeyEvent* ev)
{
    for (const auto key : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                           QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll})
        if (ev->matches(key))
            return true;
    return false;
}

class KeyPressFilter : public QObject
{
public:
    KeyPressFilter(QLineEdit* edit, KeyPressHandler handler)
        : QObject(edit), edit_(edit), handler_(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != edit_ || event->type() != QEvent::KeyPress || forwarding_)
            return false;
        auto* ev = static_cast<QKeyEvent*>(event);
        const QString text = ev->text();
        if (ev->key() == Qt::Key_Tab || ev->key() == Qt::Key_Backtab)
            return false;
        if (text.isEmpty())
            return false;
        const char32_t ch = text.toUcs4().value(0);
        std::int16_t key = ch <= 0xFF ? static_cast<std::int16_t>(ch) : NoSingleByteCode;
        const std::int16_t typed = key;
        handler_(key);
        if (IsToolkitShortcut(ev))
            return false;
        if (key == 0)
            return true;
        if (key == typed)
            return false;
        // Replaced: type the new character instead, as a keystroke of its own.
        QKeyEvent replaced(QEvent::KeyPress, ev->key(), ev->modifiers(),
                           QString(QChar(static_cast<char16_t>(static_cast<std::uint16_t>(key)))),
                           ev->isAutoRepeat(), ev->count());
        forwarding_ = true;
        QCoreApplication::sendEvent(edit_, &replaced);
        forwarding_ = false;
        return true;
    }

private:
    QLineEdit* edit_;
    KeyPressHandler handler_;
    bool forwarding_ = false;
};

} // namespace

void InstallKeyPressHandler(QLineEdit* edit, KeyPressHandler handler)
{
    edit->installEventFilter(new KeyPressFilter(edit, std::move(handler)));
}

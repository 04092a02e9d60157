// Controls that every form of the program shares: the command button of the
// button arrays and the separator line.
#pragma once

#include <QFrame>
#include <QPushButton>

class QKeyEvent;

// Enter on the main keyboard or on the keypad: the two keys act alike on
// every control that takes Enter.
bool IsEnterKey(const QKeyEvent* event);

// A command button whose caption wraps onto more lines when it is wider than
// the button, as the small layout's long captions need. It is never a default
// button: Space or Enter presses it only while it has the focus, in the editor
// and in the dialogs alike.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A separator line of a layout. Screen readers call it a separator, which
// they pass over, rather than an empty frame.
class SeparatorLine : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

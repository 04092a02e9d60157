// The frame both dialogs share: a fixed single border and a title bar without
// close, minimise or maximise buttons. Their buttons are CommandButtons, never
// default ones, so Enter presses the button that has the focus and nothing
// else. Every way out gives an answer: a button its own, by its index in
// cmdBut, and a close without a button (Escape, the window manager) the one
// each dialog chooses for it, so that no caller reads an earlier answer.
#pragma once

#include <QDialog>

#include <span>

class QPushButton;

class ModalForm : public QDialog
{
    Q_OBJECT

public:
    explicit ModalForm(QWidget* parent);

    void reject() final;

protected:
    // Makes a click on buttons[i] call cmdBut_Click(i).
    void ConnectButtons(std::span<QPushButton* const> buttons);
    virtual void cmdBut_Click(int index) = 0;
    // Answers a close without a button.
    virtual void AnswerClose() = 0;

    // Moves the window to where it belongs, from its outer size.
    virtual void PlaceWindow() = 0;
    // Places the window now, and again by its true outer size once a window
    // manager has put its frame around it. Once per dialog, from its load.
    void Place();
};

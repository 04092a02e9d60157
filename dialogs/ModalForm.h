// The frame both dialogs share: a fixed single border and a title bar without
// close, minimise or maximise buttons. Their buttons are CommandButtons, never
// default ones, so Enter presses the button that has the focus and nothing
// else; a close without a button goes through reject(), where each dialog
// gives its own answer.
#pragma once

#include <QDialog>

class ModalForm : public QDialog
{
    Q_OBJECT

public:
    explicit ModalForm(QWidget* parent);

protected:
    // Moves the window to where it belongs, from its outer size.
    virtual void PlaceWindow() = 0;
    // Places the window now, and again by its true outer size once a window
    // manager has put its frame around it.
    void Place();

private:
    bool placing_ = false;
};

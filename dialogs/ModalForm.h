// The frame both dialogs share: a fixed single border, a title bar without
// close, minimise or maximise buttons, and no default button. Enter presses
// the push button that has the focus and nothing else; a close without a
// button goes through reject(), where each dialog gives its own answer.
#pragma once

#include <QDialog>

class QPushButton;

class ModalForm : public QDialog
{
    Q_OBJECT

public:
    explicit ModalForm(QWidget* parent);

protected:
    // A button of the form's cmdBut array, named cmdBut_<index>.
    QPushButton* AddButton(int index, const QString& caption);
    // Moves the window to where it belongs, from its outer size.
    virtual void PlaceWindow() = 0;
    // Places the window now, and again by its true outer size once a window
    // manager has put its frame around it.
    void Place();

    void keyPressEvent(QKeyEvent* event) override;

private:
    bool placing_ = false;
};

#include "ModalForm.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

ModalForm::ModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
}

QPushButton* ModalForm::AddButton(int index, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("cmdBut_%1").arg(index));
    // A QDialog turns its buttons into default candidates unless told not to,
    // and Enter would then press one the user never chose.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void ModalForm::Place()
{
    // Frame margins are only known once the native window exists.
    winId();
    placedFrame_ = frameGeometry().size();
    PlaceWindow();
}

void ModalForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A held Enter that opened this dialog from the window behind it keeps
        // repeating here, and must not answer for the operator.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isVisible() && button->isEnabled() && !event->isAutoRepeat())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Some window managers report the frame only after the window is mapped;
    // place again once if the outer size turned out different.
    QTimer::singleShot(0, this, [this] {
        if (frameGeometry().size() != placedFrame_) {
            placedFrame_ = frameGeometry().size();
            PlaceWindow();
        }
    });
}

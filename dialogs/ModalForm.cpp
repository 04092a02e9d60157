#include "ModalForm.h"

#include "FramePlacement.h"

#include <QKeyEvent>
#include <QPushButton>

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
    if (placing_) {
        PlaceWindow();
        return;
    }
    placing_ = true;
    PlaceByFrame(this, [this] { PlaceWindow(); });
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

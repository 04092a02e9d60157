// Acting on modal dialogs from a test. A modal dialog runs its own event loop,
// so the test queues what to do before the code under test shows the dialog:
// each step waits for a new modal window to become active, hands it to the
// test's action (which may check its texts and press a button), and then moves
// on to the next step. Nested dialogs (a message over the file chooser) are
// answered in the order they appear.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QAbstractButton;

namespace testing_support {

using ModalAction = std::function<void(QWidget* dialog)>;

// Queues an action for the next modal window that appears.
void OnNextModal(ModalAction action);
// Queues a press of the button captioned `caption` on the next modal window,
// after checking nothing else. Returns the captured window title and the text
// of its labels through the optional out-parameters once it ran.
void PressOnNextModal(const QString& caption, QString* title = nullptr,
                      QStringList* labels = nullptr);
// Steps still queued (a test ends with none left).
int PendingModalActions();
// Drops the queue and closes any modal window left.
void ResetModalDriver();

// Helpers for actions.
QAbstractButton* FindButton(QWidget* dialog, const QString& caption);
// Presses the button; without one, reports a failure and closes the dialog.
void Press(QWidget* dialog, const QString& caption);
QStringList LabelTexts(QWidget* dialog);
// Top-level widgets still visible (a test should leave none behind).
QWidgetList VisibleTopLevels();

} // namespace testing_support

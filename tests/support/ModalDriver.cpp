#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <exception>

namespace testing_support {
namespace {

struct Driver {
    std::deque<ModalAction> queue;
    QPointer<QWidget> lastHandled;
    QTimer* timer = nullptr;
};

Driver& TheDriver()
{
    static Driver driver;
    return driver;
}

void Poll()
{
    Driver& d = TheDriver();
    if (d.queue.empty()) {
        d.timer->stop();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == d.lastHandled)
        return;
    d.lastHandled = modal;
    ModalAction action = std::move(d.queue.front());
    d.queue.pop_front();
    // Act from a posted call rather than from this timer: a button that opens
    // another modal dialog starts a nested event loop, in which this timer
    // would never fire again while its own timeout is still running.
    QPointer<QWidget> target = modal;
    // Nothing may be thrown out of it into the event loop: a step that fails
    // is reported, and its dialog closed so that the code under test goes on.
    QMetaObject::invokeMethod(
        qApp,
        [action = std::move(action), target] {
            if (!target)
                return;
            try {
                action(target);
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
                if (target)
                    target->close();
            }
        },
        Qt::QueuedConnection);
}

void EnsureTimer()
{
    Driver& d = TheDriver();
    if (!d.timer) {
        d.timer = new QTimer(qApp);
        d.timer->setInterval(5);
        QObject::connect(d.timer, &QTimer::timeout, &Poll);
    }
    if (!d.timer->isActive())
        d.timer->start();
}

} // namespace

void OnNextModal(ModalAction action)
{
    TheDriver().queue.push_back(std::move(action));
    EnsureTimer();
}

void PressOnNextModal(const QString& caption, QString* title, QStringList* labels)
{
    OnNextModal([=](QWidget* dialog) {
        if (title)
            *title = dialog->windowTitle();
        if (labels)
            *labels = LabelTexts(dialog);
        Press(dialog, caption);
    });
}

int PendingModalActions()
{
    return static_cast<int>(TheDriver().queue.size());
}

void ResetModalDriver()
{
    Driver& d = TheDriver();
    d.queue.clear();
    d.lastHandled = nullptr;
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

QAbstractButton* FindButton(QWidget* dialog, const QString& caption)
{
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons)
        if (b->text().remove(QLatin1Char('&')) == caption && b->isVisible())
            return b;
    return nullptr;
}

void Press(QWidget* dialog, const QString& caption)
{
    QAbstractButton* button = FindButton(dialog, caption);
    if (!button) {
        ADD_FAILURE() << "no visible button " << caption.toStdString() << " on "
                      << dialog->windowTitle().toStdString();
        dialog->close();
        return;
    }
    button->click();
}

QStringList LabelTexts(QWidget* dialog)
{
    QStringList texts;
    const auto labels = dialog->findChildren<QLabel*>();
    for (const QLabel* label : labels)
        texts << label->text();
    return texts;
}

QWidgetList VisibleTopLevels()
{
    QWidgetList visible;
    const auto all = QApplication::topLevelWidgets();
    for (QWidget* w : all)
        if (w->isVisible())
            visible << w;
    return visible;
}

} // namespace testing_support

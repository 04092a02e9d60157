#include "FramePlacement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// How long after the first show a window manager may take to tell its frame.
constexpr int FrameWaitMs = 1500;
constexpr int PollMs = 10;

class FrameWatcher : public QObject
{
public:
    FrameWatcher(QWidget* window, std::function<void()> place)
        : QObject(window), window_(window), place_(std::move(place))
    {
        window->installEventFilter(this);
        poll_.setInterval(PollMs);
        connect(&poll_, &QTimer::timeout, this, &FrameWatcher::Check);
    }

    void PlaceNow()
    {
        used_ = Margins();
        place_();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            if (QWindow* handle = window_->windowHandle())
                handle->installEventFilter(this);
            since_.start();
            poll_.start();
        } else if (event->type() == QEvent::Expose && poll_.isActive()) {
            Check();
        }
        return false;
    }

private:
    // The frame as the window manager tells it. While it is still building
    // the frame, Qt may read a half-made one from the window tree, with
    // negative margins: that is no frame yet.
    QMargins Margins() const
    {
        const QWindow* handle = window_->windowHandle();
        const QMargins m = handle ? handle->frameMargins() : QMargins();
        return m.left() < 0 || m.top() < 0 || m.right() < 0 || m.bottom() < 0 ? used_ : m;
    }

    void Check()
    {
        if (Margins() != used_)
            PlaceNow(); // the frame is known now: place by the true outer size
        if (since_.hasExpired(FrameWaitMs))
            poll_.stop();
    }

    QWidget* window_;
    std::function<void()> place_;
    QMargins used_;
    QTimer poll_;
    QElapsedTimer since_;
    bool shown_ = false;
};

} // namespace

void PlaceByFrame(QWidget* window, std::function<void()> place)
{
    // Frame margins are asked of the native window, which this creates.
    window->winId();
    auto* watcher = new FrameWatcher(window, std::move(place));
    watcher->PlaceNow();
}

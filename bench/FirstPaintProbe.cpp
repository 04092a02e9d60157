// Loaded into the program under measurement as a Qt generic plugin
// (QT_QPA_GENERIC_PLUGINS=firstpaint), so that the editor and the bare window
// are timed the same way and neither carries code of the benchmark. When the
// first window has been painted, it writes the monotonic clock in nanoseconds
// to the file descriptor FIRSTPAINT_FD and ends the process at once; with
// FIRSTPAINT_STAY set the process runs on, for measuring it while idle.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <unistd.h>

namespace {

class FirstPaintProbe : public QObject
{
public:
    FirstPaintProbe()
        : fd_(qEnvironmentVariableIntValue("FIRSTPAINT_FD")),
          stay_(qEnvironmentVariableIsSet("FIRSTPAINT_STAY"))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // The window's children and the flush to the screen follow within
            // the same update; a queued call runs once all of that is done.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const std::string line =
            std::to_string(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec) + "\n";
        if (fd_ > 0) {
            [[maybe_unused]] const ssize_t written = write(fd_, line.data(), line.size());
            close(fd_);
        }
        QCoreApplication::instance()->removeEventFilter(this);
        if (!stay_)
            std::_Exit(EXIT_SUCCESS);
    }

    int fd_ = -1;
    bool stay_ = false;
    bool seen_ = false;
};

} // namespace

class FirstPaintPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstpaint.json")

public:
    QObject* create(const QString& key, const QString&) override
    {
        if (key.compare(QLatin1String("firstpaint"), Qt::CaseInsensitive) != 0)
            return nullptr;
        auto* probe = new FirstPaintProbe;
        QCoreApplication::instance()->installEventFilter(probe);
        return probe;
    }
};

#include "FirstPaintProbe.moc"

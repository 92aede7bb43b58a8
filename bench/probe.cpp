// A probe loaded into an unchanged program with LD_PRELOAD. It watches the
// application's events from outside the program's own code and, at the first
// event-loop turn after a main window is exposed (its first frame painted and
// flushed by then), writes
//   exposed <CLOCK_MONOTONIC nanoseconds> <peak resident KiB> <CPU microseconds>
// to the file descriptor named by PALLADO_PROBE_FD and ends the process at
// once, so the program's teardown is neither measured nor waited for. Under
// callgrind the count stops at the same point. The CPU time (user and
// system) is the process's own, which other work on a busy machine stretches
// far less than the time on the clock.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || m_armed)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        // A main window, not a menu, a tooltip or a list's popup.
        if (!window || !window->isTopLevel() || window->type() != Qt::Window ||
            !window->isExposed())
            return false;
        m_armed = true;
        // Queued behind the expose, which paints and flushes the frame.
        QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        return false;
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long long cpuUs =
            (static_cast<long long>(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000LL +
            usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
        char line[128];
        const int n = std::snprintf(line, sizeof line, "exposed %lld %ld %lld\n",
                                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                                    usage.ru_maxrss, cpuUs);
        const int fd = qEnvironmentVariableIntValue("PALLADO_PROBE_FD");
        if (fd > 0 && n > 0 && write(fd, line, std::size_t(n)) != n)
            std::_Exit(3);
        std::_Exit(0);
    }

    bool m_armed = false;
};

// Runs inside QCoreApplication's constructor, before the program builds any
// window.
void installProbe()
{
    QCoreApplication::instance()->installEventFilter(
        new FirstFrameProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

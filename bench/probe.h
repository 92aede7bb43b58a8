#pragma once

// Reports the moment a window's first frame is exposed, with the process's
// peak memory so far, on standard output, then ends the process:
//   exposed <CLOCK_MONOTONIC nanoseconds> <peak resident KiB>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget &window)
    {
        window.winId(); // creates the QWindow to watch
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window->isExposed() && !m_reported) {
            m_reported = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("exposed %lld %ld\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                        usage.ru_maxrss);
            std::fflush(stdout);
            // Under callgrind, the count stops at the first frame.
            if (qEnvironmentVariableIsSet("PALLADO_PROBE_EXIT"))
                std::_Exit(0);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_reported = false;
};

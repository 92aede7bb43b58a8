#pragma once

// Work on a thread of its own for an object of the window's thread (its
// owner): the thread waits on the network, the window never does. What the
// two share is this, held by both through a shared pointer: the thread may
// outlive its owner, as closing never waits long for a thread caught in a
// network call that the system has not yet given up on. Such a thread ends
// by itself when the call does, and finds its owner gone.

#include <QMetaObject>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace classdb {

template <typename Owner> struct Background {
    std::mutex mutex;
    std::condition_variable changed;
    bool stopping = false;
    bool done = false;
    Owner *owner = nullptr; // none once the owner is gone

    // Hands a call to the owner's thread while the owner lives; a call still
    // queued when it goes goes with it.
    template <typename F> void post(F call)
    {
        const std::lock_guard lock(mutex);
        if (owner)
            QMetaObject::invokeMethod(
                owner, [o = owner, call] { call(o); }, Qt::QueuedConnection);
    }
    // Waits up to `ms`; false once the owner has gone.
    bool pause(int ms)
    {
        std::unique_lock lock(mutex);
        return !changed.wait_for(lock, std::chrono::milliseconds(ms), [&] { return stopping; });
    }
    bool stopped()
    {
        const std::lock_guard lock(mutex);
        return stopping;
    }
    // The thread's last step.
    void finish()
    {
        {
            const std::lock_guard lock(mutex);
            done = true;
        }
        changed.notify_all();
    }
    // The owner's last step: nothing more is posted to it, and the thread is
    // told to stop and waited for up to `ms`. False when it had not ended by
    // then: it is left to end by itself.
    bool stop(int ms)
    {
        std::unique_lock lock(mutex);
        owner = nullptr;
        stopping = true;
        changed.notify_all();
        return changed.wait_for(lock, std::chrono::milliseconds(ms), [&] { return done; });
    }
};

} // namespace classdb

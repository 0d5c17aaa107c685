// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QMetaObject>

#include <mutex>

// The end of one sound, reported from the sound thread and awaited on the
// user-interface thread. The loop that waits is only ever told to quit by a
// queued call, and is detached under the lock before it goes away.
class PlayTicket {
public:
    void finish()
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        if (m_waiter)
            QMetaObject::invokeMethod(m_waiter, &QEventLoop::quit, Qt::QueuedConnection);
    }

    bool finished()
    {
        std::lock_guard lock(m_mutex);
        return m_finished;
    }

    // False when the sound has already ended, so there is nothing to wait for.
    bool watch(QEventLoop* loop)
    {
        std::lock_guard lock(m_mutex);
        m_waiter = loop;
        return !m_finished;
    }

    void unwatch()
    {
        std::lock_guard lock(m_mutex);
        m_waiter = nullptr;
    }

private:
    std::mutex m_mutex;
    bool m_finished = false;
    QEventLoop* m_waiter = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

// The handlers of both deliverables assume that nothing else is handled while
// they wait in a modal message box or a waiting sound. The gate holds every
// socket event that arrives during such a wait and delivers the held events,
// in arrival order, once the outermost wait has ended and control is back in
// the event loop. There is one gate per process; the platform library is
// shared so that the game and the control library meet the same one.
class PLATFORM_EXPORT EventGate : public QObject {
    Q_OBJECT
public:
    static EventGate& instance();

    // While a Hold exists the gate is closed. Holds nest.
    class PLATFORM_EXPORT Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    };

    bool isHeld() const { return m_depth > 0; }

    // Runs the event now when the gate is open and nothing is queued before
    // it; otherwise queues it. An event whose receiver has been destroyed by
    // the time it is due is dropped.
    void deliver(QObject* receiver, std::function<void()> event);

    // Number of events waiting to be delivered.
    std::size_t pending() const { return m_queue.size(); }

private:
    EventGate() = default;
    void open();
    void scheduleDrain();
    void drain();

    struct Pending {
        QPointer<QObject> receiver;
        std::function<void()> event;
    };
    int m_depth = 0;
    bool m_drainScheduled = false;
    bool m_draining = false;
    std::deque<Pending> m_queue;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGate.h"

#include <QMetaObject>

EventGate& EventGate::instance()
{
    static EventGate gate;
    return gate;
}

EventGate::Hold::Hold()
{
    ++EventGate::instance().m_depth;
}

EventGate::Hold::~Hold()
{
    EventGate::instance().open();
}

void EventGate::open()
{
    if (--m_depth == 0 && !m_queue.empty())
        scheduleDrain();
}

void EventGate::deliver(QObject* receiver, std::function<void()> event)
{
    if (!isHeld() && m_queue.empty() && !m_draining) {
        event();
        return;
    }
    m_queue.push_back({receiver, std::move(event)});
    if (!isHeld())
        scheduleDrain();
}

// Held events run from the event loop, after the handler that waited has
// returned, never inside it.
void EventGate::scheduleDrain()
{
    if (m_drainScheduled)
        return;
    m_drainScheduled = true;
    QMetaObject::invokeMethod(this, &EventGate::drain, Qt::QueuedConnection);
}

void EventGate::drain()
{
    m_drainScheduled = false;
    m_draining = true;
    while (!isHeld() && !m_queue.empty()) {
        Pending next = std::move(m_queue.front());
        m_queue.pop_front();
        if (next.receiver)
            next.event();
    }
    m_draining = false;
}

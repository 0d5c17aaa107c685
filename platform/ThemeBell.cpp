// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeBell.h"

#include "PlayTicket.h"
#include "SoundThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

namespace ThemeBell {
namespace {

// The sound naming scheme's name for the bell that a windowing system rings,
// the one a desktop plays for the X display's bell. A theme that has no
// sound of that name is searched for a shorter one, a dash-separated word
// less at a time: the freedesktop theme answers with its "bell".
const QByteArray bellEvent = QByteArrayLiteral("bell-window-system");

// Lives as long as the application, so that its thread has ended and its
// connection to the server is closed before the program's own exit.
class Bell final : public QObject {
public:
    explicit Bell(QObject* application)
        : QObject(application)
        , m_server(QCoreApplication::applicationName())
    {
        m_server.begin();
    }

    // A bell that still sounds already says what another one would: a flood
    // of bells rings them one after the other, and the sound thread and the
    // server stay as idle as for a player who beeps now and then.
    void ring()
    {
        if (m_ringing && !m_ringing->finished() && m_sinceRung.elapsed() < endReportPatience)
            return;
        // Without a server a bell costs nothing until it is time to try again.
        if (m_server.resting())
            return;
        m_ringing = std::make_shared<PlayTicket>();
        m_sinceRung.start();
        m_server.startThemeSound(bellEvent, m_ringing);
    }

private:
    // A server that does not report the end of a bell, hung or gone, does not
    // silence the bells after it for longer than this.
    static constexpr qint64 endReportPatience = 2000; // ms

    SoundThread m_server;
    std::shared_ptr<PlayTicket> m_ringing;
    QElapsedTimer m_sinceRung;
};

} // namespace

void ring()
{
    static QPointer<Bell> bell;
    if (!bell) {
        if (!QCoreApplication::instance())
            return;
        bell = new Bell(QCoreApplication::instance());
    }
    bell->ring();
}

} // namespace ThemeBell

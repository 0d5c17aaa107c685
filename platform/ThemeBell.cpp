#include "ThemeBell.h"

#include "PlayTicket.h"
#include "SoundThread.h"

#include <QCoreApplication>
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

    // Bells asked for in one pass of the event loop would sound as one: a
    // flood of them starts one bell at the end of each pass.
    void ring()
    {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_pending = false;
            // Without a server a bell costs nothing until it is time to try again.
            if (!m_server.resting())
                m_server.startThemeSound(bellEvent, std::make_shared<PlayTicket>());
        }, Qt::QueuedConnection);
    }

private:
    SoundThread m_server;
    bool m_pending = false;
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

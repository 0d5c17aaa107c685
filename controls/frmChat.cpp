// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmChat.h"

#include "ChatText.h"
#include "EventGate.h"
#include "Toolkit.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>

#include <limits>

namespace {

// Each area keeps only its newest lines and its newest text, so that a
// chatty peer can neither exhaust memory nor slow the window down.
constexpr int MaxAreaLines = 10000;
constexpr int MaxAreaCharacters = 1 << 19;

QPlainTextEdit* createArea(QWidget* window, const char* name, const QString& heading)
{
    auto* area = new QPlainTextEdit(window);
    area->setObjectName(QLatin1String(name));
    area->setReadOnly(true);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setMaximumBlockCount(MaxAreaLines);
    area->setPlainText(heading + QLatin1Char('\n'));
    return area;
}

} // namespace

frmChat::frmChat(QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , editRemoteMsgArea(createArea(this, "editRemoteMsgArea", tr("Remote")))
    , editLocalMsgArea(createArea(this, "editLocalMsgArea", tr("Local")))
    , editSend(new QLineEdit(this))
    , butSend(new QPushButton(tr("Send"), this))
    , Winsock1(new Winsock(Winsock::sckUDPProtocol, this))
{
    setObjectName(QStringLiteral("frmChat"));
    setWindowTitle(tr("Chat Window"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(Twips::toPixels(7320), Twips::toPixels(4665));

    editRemoteMsgArea->setGeometry(Twips::rect(75, 75, 7140, 1890));
    editLocalMsgArea->setGeometry(Twips::rect(75, 2025, 7140, 1890));
    editSend->setObjectName(QStringLiteral("editSend"));
    editRemoteMsgArea->setAccessibleName(tr("Remote messages"));
    editLocalMsgArea->setAccessibleName(tr("Local messages"));
    editSend->setAccessibleName(tr("Message to send"));
    editSend->setGeometry(Twips::rect(75, 3975, 7140, 315));
    editSend->setMaxLength(std::numeric_limits<int>::max());
    butSend->setObjectName(QStringLiteral("butSend"));
    butSend->setGeometry(Twips::rect(3000, 4350, 1365, 270));
    butSend->setDefault(true);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));

    setTabOrder(editSend, butSend);
    setTabOrder(butSend, editRemoteMsgArea);
    setTabOrder(editRemoteMsgArea, editLocalMsgArea);
    editSend->setFocus();

    connect(butSend, &QPushButton::clicked, this, &frmChat::butSend_Click);
    connect(Winsock1, &Winsock::DataArrival, this, &frmChat::Winsock1_DataArrival);
    connect(Winsock1, &Winsock::Error, this, &frmChat::Winsock1_Error);
}

// A chat window that goes down with its owner still says goodbye.
frmChat::~frmChat()
{
    Form_Unload();
}

void frmChat::Form_Load()
{
    m_loaded = true;
    Winsock1->RemoteHost = RemoteIP;
    bool isNumber = false;
    const long port = RemotePort.trimmed().toLong(&isNumber);
    m_portValid = isNumber && port >= 1 && port <= 65535;
    if (m_portValid) {
        Winsock1->RemotePort = port;
        Winsock1->LocalPort = port;
    }
    const SocketResult greeting = sendGreeting();
    if (!greeting.ok())
        reportWhenIdle(greeting);
}

// A send that the network refuses comes back as the Error event once this
// handler has returned; a send refused at once is reported here, the same way.
void frmChat::butSend_Click()
{
    // A socket that an error has closed is reopened with a new greeting.
    if (Winsock1->State() != Winsock::sckOpen && !reported(sendGreeting()))
        return;
    const QString line = ChatText::toLatin1Text(editSend->text());
    appendTo(editLocalMsgArea, line);
    if (!reported(send(line)))
        return;
    editSend->clear();
}

bool frmChat::reported(const SocketResult& result)
{
    if (!result.ok())
        Winsock1_Error(result.number, result.description);
    return result.ok();
}

void frmChat::Winsock1_DataArrival(long)
{
    QString text;
    while (Winsock1->GetData(text))
        appendTo(editRemoteMsgArea, text);
}

void frmChat::Winsock1_Error(int Number, const QString& Description)
{
    QPointer<frmChat> self(this);
    Toolkit::MsgBox(tr("Error #%1: %2\r\nClosing Connection").arg(QString::number(Number), Description),
                    Toolkit::vbOKOnly);
    if (!self || !m_loaded)
        return;
    // The player has just been told; a leave notice that cannot go out
    // either is not reported a second time.
    sendLeaveNotice();
    Winsock1->Close();
}

void frmChat::Form_Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    // The window goes whatever happens; a leave notice that cannot go out
    // leaves nobody on this side to tell.
    sendLeaveNotice();
    Winsock1->Close();
}

void frmChat::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::closeEvent(event);
}

// The close box and CloseChat unload the window; Escape does not.
void frmChat::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}

SocketResult frmChat::send(const QString& latin1Text)
{
    if (!m_portValid)
        return {Winsock::sckInvalidPropertyValue,
                tr("Invalid chat port \"%1\"").arg(RemotePort)};
    for (const QString& datagram : ChatText::datagrams(latin1Text)) {
        const SocketResult sent = Winsock1->SendData(datagram);
        if (!sent.ok())
            return sent;
    }
    return {};
}

SocketResult frmChat::sendGreeting()
{
    return send(ChatText::toLatin1Text(Winsock1->LocalIP()));
}

SocketResult frmChat::sendLeaveNotice()
{
    // Not translated: the peer reads it, maybe in another language.
    return send(ChatText::toLatin1Text(Winsock1->LocalIP() + QStringLiteral(" Disconnected")));
}

// Load runs inside the host's call to OpenChat, which must return at once:
// its failure is reported from the event loop, after any open wait.
void frmChat::reportWhenIdle(const SocketResult& failure)
{
    QMetaObject::invokeMethod(
        this,
        [this, failure] {
            EventGate::instance().deliver(this, [this, failure] {
                Winsock1_Error(failure.number, failure.description);
            });
        },
        Qt::QueuedConnection);
}

void frmChat::appendTo(QPlainTextEdit* area, const QString& text)
{
    area->appendPlainText(ChatText::shownLines(text).join(QLatin1Char('\n')));
    QTextDocument* document = area->document();
    const int excess = document->characterCount() - MaxAreaCharacters;
    if (excess > 0) {
        // Whole lines go, the oldest first, until the rest fits.
        QTextBlock kept = document->begin();
        while (kept.position() < excess && kept.next().isValid())
            kept = kept.next();
        QTextCursor oldest(document);
        oldest.setPosition(kept.position(), QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
    }
    area->moveCursor(QTextCursor::End);
}

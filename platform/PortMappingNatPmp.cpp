// SPDX-License-Identifier: GPL-3.0-or-later
// NAT-PMP: one datagram to the default gateway per question, repeated with
// growing pauses until it answers.

#include "PortMappingRouter.h"

#include <QtEndian>

#include <natpmp.h>

#include <sys/select.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// How long one question to a router that answered before may take.
constexpr std::chrono::milliseconds AnswerWait{1500};

// The answer to the question just asked, or NATPMP_TRYAGAIN if none came
// by the deadline.
int waitForAnswer(natpmp_t& session, natpmpresp_t& response, Clock::time_point deadline)
{
    while (true) {
        const int result = readnatpmpresponseorretry(&session, &response);
        if (result != NATPMP_TRYAGAIN)
            return result;
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return NATPMP_TRYAGAIN;
        timeval untilRetry{};
        getnatpmprequesttimeout(&session, &untilRetry);
        const auto retry = std::chrono::seconds(untilRetry.tv_sec) + std::chrono::microseconds(untilRetry.tv_usec);
        const auto pause = std::chrono::duration_cast<std::chrono::microseconds>(
            std::clamp<Clock::duration>(retry, Clock::duration::zero(), left));
        timeval wait{long(pause.count() / 1000000), long(pause.count() % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(session.s, &readable);
        select(session.s + 1, &readable, nullptr, nullptr, &wait);
    }
}

// Answers that came too late for an earlier question are read and dropped,
// so that each question meets its own answer.
void dropLateAnswers(const natpmp_t& session)
{
    char discard[16];
    while (recv(session.s, discard, sizeof discard, MSG_DONTWAIT) > 0) {
    }
}

class NatPmpRouter final : public PortMappingRouter {
public:
    explicit NatPmpRouter(const natpmp_t& session)
        : m_session(session)
    {
    }
    ~NatPmpRouter() override { closenatpmp(&m_session); }

    Answer add(const PortMappingPort& port, std::chrono::seconds lease) override
    {
        natpmpresp_t response{};
        const int result = map(port, quint32(lease.count()), response);
        if (result == 0 && response.pnu.newportmapping.mappedpublicport == port.number)
            return Answer::Done;
        if (result == 0) {
            // The router gave another outside port: this one is in use.
            map(port, 0, response);
            return Answer::Taken;
        }
        return result == NATPMP_ERR_NOTAUTHORIZED || result == NATPMP_ERR_OUTOFRESOURCES
                       || result == NATPMP_ERR_NETWORKFAILURE || result == NATPMP_ERR_UNSUPPORTEDOPCODE
                   ? Answer::Refused
                   : Answer::Silent;
    }

    void remove(const PortMappingPort& port) override
    {
        natpmpresp_t response{};
        map(port, 0, response);
    }

    std::optional<Outside> outside() override
    {
        dropLateAnswers(m_session);
        natpmpresp_t response{};
        if (sendpublicaddressrequest(&m_session) < 0)
            return std::nullopt;
        const int result = waitForAnswer(m_session, response, Clock::now() + AnswerWait);
        if (result == NATPMP_ERR_NETWORKFAILURE)
            return Outside{};
        if (result != 0)
            return std::nullopt;
        const QHostAddress address(qFromBigEndian(quint32(response.pnu.publicaddress.addr.s_addr)));
        return Outside{address != QHostAddress(QHostAddress::AnyIPv4), address};
    }

private:
    int map(const PortMappingPort& port, quint32 lifetime, natpmpresp_t& response)
    {
        dropLateAnswers(m_session);
        const int protocol = port.protocol == PortMappingPort::TCP ? NATPMP_PROTOCOL_TCP : NATPMP_PROTOCOL_UDP;
        if (sendnewportmappingrequest(&m_session, protocol, port.number, port.number, lifetime) < 0)
            return NATPMP_ERR_SENDERR;
        return waitForAnswer(m_session, response, Clock::now() + AnswerWait);
    }

    natpmp_t m_session;
};

} // namespace

struct NatPmpProbe::State {
    natpmp_t session{};
    bool open = false;
};

NatPmpProbe::NatPmpProbe()
    : m_state(std::make_unique<State>())
{
}

bool NatPmpProbe::open()
{
    m_state->open = initnatpmp(&m_state->session, 0, 0) == 0;
    return m_state->open;
}

NatPmpProbe::~NatPmpProbe()
{
    if (m_state->open)
        closenatpmp(&m_state->session);
}

// The session's socket is connected to the gateway, so its own address is
// the one this machine uses towards it.
QHostAddress NatPmpProbe::localAddress() const
{
    sockaddr_storage local{};
    socklen_t size = sizeof local;
    if (getsockname(m_state->session.s, reinterpret_cast<sockaddr*>(&local), &size) != 0)
        return {};
    return QHostAddress(reinterpret_cast<const sockaddr*>(&local));
}

void NatPmpProbe::ask()
{
    sendpublicaddressrequest(&m_state->session);
}

std::unique_ptr<PortMappingRouter> NatPmpProbe::answer(Clock::time_point deadline)
{
    natpmpresp_t response{};
    const int result = waitForAnswer(m_state->session, response, deadline);
    // A router without an outside address of its own still answers.
    if (result != 0 && result != NATPMP_ERR_NETWORKFAILURE)
        return nullptr;
    // The router takes the session over, socket and all.
    auto router = std::make_unique<NatPmpRouter>(m_state->session);
    m_state->open = false;
    return router;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the game takes a flood of values that name no square, each of
// which it answers with a beep and a "Received Garbage" line, and what that
// costs it in memory. The game runs in a process of its own (game_host), its
// window shown, hosting; the baseline is a minimal Qt echo server (echo_qt)
// flooded in the same run. The peer is this program, a raw TCP socket with
// Nagle off: it writes the values, then one shot, and the time runs until
// the shot's answer (for the echo, the last echoed value) is back, so every
// value before it has been dispatched.
//   peer_flood [--repeat n] [values...]        default: 10000 100000 1000000

#include "BenchSupport.h"
#include "MessageCodes.h"
#include "Ports.h"
#include "Wire.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

using namespace Bench;

namespace {

constexpr int QtEchoPort = 6442;

struct Target {
    const char* name;
    int pid;
    int fd;
    bool isGame;
};

// Writes values garbage values and a shot at square 0 while reading what
// comes back; true when the last two bytes back are the expected answer.
bool flood(const Target& target, long values)
{
    const std::size_t total = std::size_t(values + 1) * Wire::ValueBytes;
    const std::size_t expected = target.isGame ? Wire::ValueBytes : total;
    static const std::string garbage = [] {
        const QByteArray nameless = Wire::encode(-2);
        std::string chunk;
        for (int i = 0; i < 8192; ++i)
            chunk.append(nameless.constData(), nameless.size());
        return chunk;
    }();
    std::size_t written = 0;
    std::size_t received = 0;
    unsigned char last[Wire::ValueBytes] = {};
    while (received < expected) {
        pollfd wait{target.fd, short(POLLIN | (written < total ? POLLOUT : 0)), 0};
        if (poll(&wait, 1, 60000) <= 0)
            return false;
        if ((wait.revents & POLLOUT) && written < total) {
            static const QByteArray shot = Wire::encode(0);
            const std::size_t garbageLeft = total - shot.size() > written ? total - shot.size() - written : 0;
            const std::size_t shotSent = garbageLeft ? 0 : written - (total - shot.size());
            const ssize_t sent = garbageLeft
                                     ? send(target.fd, garbage.data(), std::min(garbageLeft, garbage.size()),
                                            MSG_NOSIGNAL | MSG_DONTWAIT)
                                     : send(target.fd, shot.constData() + shotSent, shot.size() - shotSent, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0 && errno != EAGAIN)
                return false;
            if (sent > 0)
                written += std::size_t(sent);
        }
        if (wait.revents & (POLLIN | POLLHUP | POLLERR)) {
            char bytes[65536];
            const ssize_t got = recv(target.fd, bytes, sizeof bytes, MSG_DONTWAIT);
            if (got == 0 || (got < 0 && errno != EAGAIN))
                return false;
            for (ssize_t i = 0; i < got; ++i) {
                last[0] = last[1];
                last[1] = static_cast<unsigned char>(bytes[i]);
            }
            if (got > 0)
                received += std::size_t(got);
        }
    }
    const QByteArray answer = Wire::encode(target.isGame ? MessageCodes::msgMissed : 0);
    return received == expected && std::memcmp(last, answer.constData(), sizeof last) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    int repeat = 3;
    std::vector<long> counts;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc)
            repeat = std::atoi(argv[++i]);
        else
            counts.push_back(std::atol(argv[i]));
    }
    if (counts.empty())
        counts = {10000, 100000, 1000000};
    for (const long count : counts) {
        if (count <= 0 || repeat <= 0) {
            std::fprintf(stderr, "usage: peer_flood [--repeat n] [values...]\n");
            return 2;
        }
    }

    const std::string folder = programFolder();
    Child qtEcho({folder + "/echo_qt", std::to_string(QtEchoPort)});
    Child game({folder + "/game_host"}, {}, "/");
    std::vector<Target> targets{{"Qt echo", qtEcho.pid(), connectPeer(QtEchoPort), false},
                                {"game", game.pid(), connectPeer(GamePort), true}};
    for (const Target& target : targets) {
        if (target.fd < 0 || fcntl(target.fd, F_SETFL, O_NONBLOCK) != 0) {
            std::fprintf(stderr, "peer_flood: %s did not come up\n", target.name);
            return 1;
        }
    }
    // A first small flood lets the game finish its connected sequence.
    for (const Target& target : targets) {
        if (!flood(target, 100)) {
            std::fprintf(stderr, "peer_flood: %s did not answer\n", target.name);
            return 1;
        }
    }

    std::printf("peer_flood: %d runs per count, QPA %s\n", repeat,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    std::printf("%-44s %10s %10s %10s     %9s %12s %14s\n", "target, values", "min", "median", "max",
                "/Qt echo", "us per value", "resident KiB");
    for (const long count : counts) {
        std::vector<std::vector<double>> samples(targets.size());
        for (int run = 0; run < repeat; ++run) {
            for (std::size_t t = 0; t < targets.size(); ++t) {
                const Clock::time_point start = Clock::now();
                if (!flood(targets[t], count)) {
                    std::fprintf(stderr, "peer_flood: %s lost the flood of %ld\n", targets[t].name, count);
                    return 1;
                }
                samples[t].push_back(microsecondsSince(start) / 1000);
            }
        }
        const double echoMedian = figures(samples[0]).median;
        for (std::size_t t = 0; t < targets.size(); ++t) {
            const Figures f = figures(samples[t]);
            std::printf("%-44s %10.1f %10.1f %10.1f ms  %8.2fx %12.2f %14ld\n",
                        (std::string(targets[t].name) + ", " + std::to_string(count)).c_str(), f.min,
                        f.median, f.max, echoMedian > 0 ? f.median / echoMedian : 0.0,
                        1000 * f.median / double(count), residentKiB(targets[t].pid));
        }
        std::fflush(stdout);
    }
    for (const Target& target : targets)
        close(target.fd);
    return 0;
}

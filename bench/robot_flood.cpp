// SPDX-License-Identifier: GPL-3.0-or-later
// What a peer can make a hosting robot hold: a raw TCP peer on loopback
// floods `kelvask-robot --host` in three ways, and the robot's peak and
// settled resident memory are read from /proc after each flood. Every case
// starts a robot of its own, so that each peak is that case's alone; a
// second robot given with --baseline (say, a build of an earlier commit)
// takes the same floods in the same run.
//   robot_flood [--baseline PROGRAM] [values...]      default: 1000000 10000000
//
// "shots read":   N shots, every answer read as it comes;
// "shots unread": N shots, no answer ever read;
// "garbage":      N values that mean nothing, then one shot whose answer
//                 shows that every value before it was dispatched.
// Peak is VmHWM once the robot has gone quiet after the flood; settled is
// VmRSS once the peer has gone and the robot is quiet again, waiting for
// the next player. "ended" says how the flood ended for the peer.

#include "BenchSupport.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

constexpr int GamePort = 6431;
// How long the peer waits without progress: a robot that answers may still
// be working through what it has read; one that is never read from has
// nothing to say.
constexpr int AnswerStallMs = 600000;
constexpr int SendStallMs = 30000;
constexpr int QuietLimitMs = 10000;

enum class Flood { ShotsRead, ShotsUnread, Garbage };

struct Case {
    const char* name;
    Flood flood;
};

const Case Cases[] = {{"shots read", Flood::ShotsRead},
                      {"shots unread", Flood::ShotsUnread},
                      {"garbage", Flood::Garbage}};

// Bytes of `values` 16-bit values, least significant byte first: the shots
// go round the squares 0..99, the garbage is -2 throughout.
std::string pattern(Flood flood)
{
    std::string bytes;
    for (int i = 0; i < 32800; ++i) {
        const int value = flood == Flood::Garbage ? 0xFFFE : i % 100;
        bytes += char(value & 0xFF);
        bytes += char(value >> 8);
    }
    return bytes;
}

// Processor time the process has used, in clock ticks.
long cpuTicks(int pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string skip;
    for (int field = 3; field < 14; ++field)
        fields >> skip;
    long user = 0, system = 0;
    fields >> user >> system;
    return user + system;
}

// Waits until the process uses no processor time for half a second; false
// when it is still busy after the limit.
bool waitQuiet(int pid)
{
    long before = cpuTicks(pid);
    for (int waited = 0; waited < QuietLimitMs; waited += 500) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const long now = cpuTicks(pid);
        if (now == before)
            return true;
        before = now;
    }
    return false;
}

struct Outcome {
    std::string ended;
    std::size_t received = 0;
    double seconds = 0;
};

// Writes the flood while reading (or not) what comes back.
Outcome flood(int fd, Flood kind, long values)
{
    static const std::string shots = pattern(Flood::ShotsRead);
    static const std::string garbage = pattern(Flood::Garbage);
    const std::string& chunk = kind == Flood::Garbage ? garbage : shots;
    const bool reads = kind != Flood::ShotsUnread;
    const std::size_t total = std::size_t(values) * 2 + (kind == Flood::Garbage ? 2 : 0);
    const std::size_t expected = kind == Flood::ShotsRead ? std::size_t(values) * 2
                                 : kind == Flood::Garbage ? 2
                                                          : 0;
    const Clock::time_point start = Clock::now();
    Outcome outcome;
    std::size_t sent = 0;
    while (sent < total || outcome.received < expected) {
        pollfd wait{fd, short((sent < total ? POLLOUT : 0) | (reads ? POLLIN : 0)), 0};
        if (poll(&wait, 1, reads ? AnswerStallMs : SendStallMs) <= 0) {
            outcome.ended = "stalled";
            break;
        }
        if ((wait.revents & (POLLHUP | POLLERR)) && !reads) {
            outcome.ended = "cut by the robot";
            break;
        }
        if ((wait.revents & POLLOUT) && sent < total) {
            // The garbage flood ends with one shot at square 0.
            static const char shot[2] = {0, 0};
            const std::size_t body = kind == Flood::Garbage ? total - 2 : total;
            const std::size_t at = sent % chunk.size();
            const char* bytes = sent < body ? chunk.data() + at : shot + (sent - body);
            const std::size_t size = sent < body ? std::min(chunk.size() - at, body - sent) : total - sent;
            const ssize_t written = send(fd, bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (written < 0 && errno != EAGAIN) {
                outcome.ended = "cut by the robot";
                break;
            }
            if (written > 0)
                sent += std::size_t(written);
        }
        if (reads && (wait.revents & (POLLIN | POLLHUP | POLLERR))) {
            char bytes[65536];
            const ssize_t got = recv(fd, bytes, sizeof bytes, MSG_DONTWAIT);
            if (got == 0 || (got < 0 && errno != EAGAIN)) {
                outcome.ended = "cut by the robot";
                break;
            }
            if (got > 0)
                outcome.received += std::size_t(got);
        }
    }
    if (outcome.ended.empty())
        outcome.ended = reads ? "all answered" : "all sent";
    outcome.seconds = microsecondsSince(start) / 1e6;
    return outcome;
}

// One robot, one flood: the robot starts, the peer takes its ready code,
// floods it, waits for it to go quiet, leaves, and waits again.
bool measure(const std::string& label, const std::string& program, const Case& c, long values)
{
    Child robot({"/bin/sh", "-c", "exec \"$0\" --host --seed 1 >/dev/null", program});
    const int fd = connectPeer(GamePort);
    char ready[2];
    if (fd < 0 || !receiveAll(fd, ready, 2)) {
        std::fprintf(stderr, "robot_flood: %s did not come up\n", program.c_str());
        if (fd >= 0)
            close(fd);
        return false;
    }
    Outcome outcome = flood(fd, c.flood, values);
    const bool quiet = waitQuiet(robot.pid());
    const long peak = statusKiB(robot.pid(), "VmHWM");
    // A peer that has sent everything learns only now whether the robot let
    // it go meanwhile.
    tcp_info info{};
    socklen_t size = sizeof info;
    if (outcome.ended == "all sent" && getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &size) == 0
        && info.tcpi_state != TCP_ESTABLISHED)
        outcome.ended = "cut by the robot";
    close(fd);
    const bool quietAgain = waitQuiet(robot.pid());
    const long settled = statusKiB(robot.pid(), "VmRSS");
    std::printf("%-26s %-10s %10.1f %12.1f %9.1f %12zu  %s%s\n",
                (std::string(c.name) + ", " + std::to_string(values)).c_str(), label.c_str(), peak / 1024.0,
                settled / 1024.0, outcome.seconds, outcome.received, outcome.ended.c_str(),
                quiet && quietAgain ? "" : " (still busy)");
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    std::string baseline;
    std::vector<long> counts;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--baseline") == 0 && i + 1 < argc)
            baseline = argv[++i];
        else
            counts.push_back(std::atol(argv[i]));
    }
    if (counts.empty())
        counts = {1000000, 10000000};
    for (const long count : counts) {
        if (count <= 0) {
            std::fprintf(stderr, "usage: robot_flood [--baseline PROGRAM] [values...]\n");
            return 2;
        }
    }
    std::vector<std::pair<std::string, std::string>> robots;
    if (!baseline.empty())
        robots.push_back({"baseline", baseline});
    robots.push_back({"this", programFolder() + "/kelvask-robot"});

    std::printf("robot_flood: one peer on loopback against kelvask-robot --host%s\n",
                baseline.empty() ? "" : (", baseline " + baseline).c_str());
    std::printf("%-26s %-10s %10s %12s %9s %12s  %s\n", "flood, values", "robot", "peak MiB", "settled MiB",
                "flood s", "bytes back", "ended");
    for (const long count : counts)
        for (const Case& c : Cases)
            for (const auto& [label, program] : robots)
                if (!measure(label, program, c, count))
                    return 1;
    return 0;
}

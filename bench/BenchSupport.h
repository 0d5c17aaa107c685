// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// What the benchmark drivers share: child processes, a raw peer on loopback,
// and the figures they print. Plain POSIX, so the peer's own costs stay small
// and are the same against every target.
namespace Bench {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start);

// A program started by a driver and stopped when the object goes, also when
// the driver fails on the way.
class Child {
public:
    // environment: extra NAME=value entries; folder: where it runs, or "".
    Child(const std::vector<std::string>& command, const std::vector<std::string>& environment = {},
          const std::string& folder = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    int pid() const { return m_pid; }
    bool running();

private:
    int m_pid = -1;
};

// The folder of the running program, where the build puts its siblings.
std::string programFolder();

// A TCP connection to 127.0.0.1:port with Nagle off, retried for a while
// because the target may still be starting. -1 when it never came up.
int connectPeer(int port, int timeoutMs = 20000);
bool sendAll(int fd, const void* data, std::size_t size);
bool receiveAll(int fd, void* data, std::size_t size);

// Resident memory and distinct shared libraries of a running process.
long residentKiB(int pid);
// A field of /proc/PID/status given in KiB ("VmRSS", "VmHWM"); -1 when absent.
long statusKiB(int pid, const std::string& field);
int sharedLibraries(int pid);

struct Figures {
    double min = 0, median = 0, max = 0;
};
Figures figures(std::vector<double> samples);

// One line of a table: a label, then min, median and max, then the median's
// ratio to each baseline median given.
void printRow(const std::string& label, const Figures& f, const std::vector<double>& baselineMedians,
              const char* unit);

} // namespace Bench

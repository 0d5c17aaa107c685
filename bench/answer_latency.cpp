// SPDX-License-Identifier: GPL-3.0-or-later
// How long the game takes to answer a peer's shot, from the peer's send to
// the answer's arrival, against two echo servers measured in the same run: a
// blocking C server (the floor) and a minimal Qt server (what answering from
// a Qt event loop costs). The game runs in a process of its own (game_host),
// its window shown, hosting; the peer is this program, a raw TCP socket with
// Nagle off. Shots go in blocks of 50 to each target in turn, so the three
// share whatever else the machine does.
//   answer_latency [--sound-without-server] [shots] [idle gap in ms]
//
// "idle": each shot comes after a pause, at a game that has finished
// everything (repaints included); "back to back": the next shot leaves as
// soon as the answer is in. --sound-without-server leaves the game's sound on
// on a machine with no sound server to play it.

#include "BenchSupport.h"
#include "MessageCodes.h"
#include "Ports.h"
#include "Wire.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Bench;

namespace {

constexpr int CEchoPort = 6441;
constexpr int QtEchoPort = 6442;
constexpr int Block = 50;
const QByteArray Missed = Wire::encode(MessageCodes::msgMissed);

struct Target {
    const char* name;
    int fd;
    bool isGame;
    std::vector<double> samples;
};

// One shot and its answer, in microseconds; negative when the answer is wrong.
double shoot(Target& target, int square)
{
    const QByteArray shot = Wire::encode(qint16(square));
    unsigned char answer[Wire::ValueBytes] = {};
    const Clock::time_point start = Clock::now();
    if (!sendAll(target.fd, shot.constData(), shot.size()) || !receiveAll(target.fd, answer, sizeof answer))
        return -1;
    const double us = microsecondsSince(start);
    const QByteArray& expected = target.isGame ? Missed : shot;
    return std::memcmp(answer, expected.constData(), sizeof answer) == 0 ? us : -1;
}

bool run(std::vector<Target>& targets, int shots, int gapMs)
{
    for (Target& target : targets)
        target.samples.clear();
    for (int done = 0; done < shots; done += Block) {
        for (Target& target : targets) {
            for (int i = 0; i < Block && done + i < shots; ++i) {
                if (gapMs)
                    std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
                const double us = shoot(target, (done + i) % 100);
                if (us < 0) {
                    std::fprintf(stderr, "answer_latency: %s gave no or a wrong answer\n", target.name);
                    return false;
                }
                target.samples.push_back(us);
            }
        }
    }
    return true;
}

void report(const char* mode, const std::vector<Target>& targets)
{
    const double cMedian = figures(targets[0].samples).median;
    const double qtMedian = figures(targets[1].samples).median;
    for (const Target& target : targets)
        printRow(std::string(target.name) + ", " + mode, figures(target.samples), {cMedian, qtMedian}, "us");
}

} // namespace

int main(int argc, char* argv[])
{
    bool sound = false;
    int shots = 1000;
    int gapMs = 20;
    int position = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sound-without-server") == 0)
            sound = true;
        else if (position++ == 0)
            shots = std::atoi(argv[i]);
        else
            gapMs = std::atoi(argv[i]);
    }
    if (shots <= 0 || gapMs < 0) {
        std::fprintf(stderr, "usage: answer_latency [--sound-without-server] [shots] [idle gap in ms]\n");
        return 2;
    }

    const std::string folder = programFolder();
    // The game looks for sounds/ in its current folder first: an empty one
    // makes it take those beside the program, as an installed game does.
    char scratch[] = "/tmp/answer-latency-XXXXXX";
    if (!mkdtemp(scratch)) {
        std::perror("answer_latency");
        return 1;
    }
    std::vector<std::string> environment;
    if (sound) {
        struct stat info {};
        if (stat((folder + "/sounds/fire.wav").c_str(), &info) != 0) {
            std::fprintf(stderr, "answer_latency: no sounds beside %s/game_host\n", folder.c_str());
            return 1;
        }
        environment = {"XDG_RUNTIME_DIR=" + std::string(scratch),
                       "PULSE_SERVER=unix:" + std::string(scratch) + "/no-server"};
    }

    int status = 1;
    {
        Child cEcho({folder + "/echo_c", std::to_string(CEchoPort)});
        Child qtEcho({folder + "/echo_qt", std::to_string(QtEchoPort)});
        std::vector<std::string> gameCommand{folder + "/game_host"};
        if (sound)
            gameCommand.push_back("--sound");
        Child game(gameCommand, environment, scratch);

        std::vector<Target> targets{{"C echo", connectPeer(CEchoPort), false, {}},
                                    {"Qt echo", connectPeer(QtEchoPort), false, {}},
                                    {"game", connectPeer(GamePort), true, {}}};
        bool ready = true;
        for (const Target& target : targets) {
            if (target.fd < 0) {
                std::fprintf(stderr, "answer_latency: %s did not come up\n", target.name);
                ready = false;
            }
        }
        // The first shots warm every target up; the game's connected
        // sequence finishes behind them.
        if (ready && run(targets, Block, 0)) {
            std::printf("answer_latency: %d shots per target and mode, idle gap %d ms, sound %s, QPA %s\n",
                        shots, gapMs, sound ? "on without a sound server" : "off",
                        std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
            std::printf("%-44s %10s %10s %10s     %9s %9s\n", "target, mode", "min", "median", "max",
                        "/C echo", "/Qt echo");
            if (run(targets, shots, gapMs)) {
                report("idle", targets);
                if (run(targets, shots, 0)) {
                    report("back to back", targets);
                    status = 0;
                }
            }
        }
        for (const Target& target : targets)
            if (target.fd >= 0)
                close(target.fd);
    }
    rmdir(scratch);
    return status;
}

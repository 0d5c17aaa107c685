// SPDX-License-Identifier: GPL-3.0-or-later
// How long the game takes from its start to its window on the screen, and
// how much memory and how many shared libraries it holds then, against a
// minimal Qt Widgets window (minimal_window) built by the same build, and
// against that window showing one caption. They start in turn; the time runs
// from the start of the process until the X server reports its window
// mapped. Run it on an X display without a window manager (xvfb-run), so
// that the map is the program's own. Further programs, such as the game of
// an earlier build, are measured in the same turns.
//   startup [runs] [settle ms] [program ...]    default: 20 runs, 1000 ms

#include "BenchSupport.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <thread>

using namespace Bench;

namespace {

struct Target {
    std::string name;
    std::vector<std::string> command;
    std::vector<double> mappedMs, residentMiB, libraries;
};

int windowPid(xcb_connection_t* x, xcb_window_t window)
{
    static const xcb_atom_t pidAtom = [x] {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, 11, "_NET_WM_PID"), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }();
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    int pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = int(*static_cast<std::uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

// Milliseconds from the start until a top-level window of the child is
// mapped; negative when none came within the limit.
double startAndWaitForMap(xcb_connection_t* x, xcb_window_t root, Child& child, Clock::time_point start)
{
    const auto deadline = start + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const bool ours = mapped && map->event == root && !map->override_redirect
                              && windowPid(x, map->window) == child.pid();
            const double ms = microsecondsSince(start) / 1000;
            std::free(event);
            if (ours)
                return ms;
        }
        if (!child.running())
            return -1;
        pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&wait, 1, 50);
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const int settleMs = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (runs <= 0 || settleMs < 0) {
        std::fprintf(stderr, "usage: startup [runs] [settle ms] [program ...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup: no X display (run it under xvfb-run)\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const std::string folder = programFolder();
    std::vector<Target> targets{{"minimal Qt window", {folder + "/minimal_window"}, {}, {}, {}},
                                {"minimal window + caption", {folder + "/minimal_window", "--caption"}, {}, {}, {}},
                                {"kelvask", {folder + "/kelvask"}, {}, {}, {}}};
    for (int extra = 3; extra < argc; ++extra)
        targets.push_back({argv[extra], {argv[extra]}, {}, {}, {}});
    for (int run = 0; run < runs; ++run) {
        for (Target& target : targets) {
            const Clock::time_point start = Clock::now();
            Child child(target.command, {}, "/");
            const double ms = startAndWaitForMap(x, root, child, start);
            if (ms < 0) {
                std::fprintf(stderr, "startup: %s showed no window\n", target.name.c_str());
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
            target.mappedMs.push_back(ms);
            target.residentMiB.push_back(residentKiB(child.pid()) / 1024.0);
            target.libraries.push_back(sharedLibraries(child.pid()));
        }
    }
    xcb_disconnect(x);

    std::printf("startup: %d runs each, memory and libraries %d ms after the map\n", runs, settleMs);
    std::printf("%-44s %10s %10s %10s     %9s %9s\n", "program, figure", "min", "median", "max", "/minimal",
                "/caption");
    const char* units[] = {"ms", "MiB", "libs"};
    for (int figure = 0; figure < 3; ++figure) {
        auto pick = [figure](const Target& t) {
            return figure == 0 ? t.mappedMs : figure == 1 ? t.residentMiB : t.libraries;
        };
        const std::vector<double> baselines{Bench::figures(pick(targets[0])).median,
                                            Bench::figures(pick(targets[1])).median};
        for (const Target& target : targets) {
            const char* names[] = {"to window mapped", "resident memory", "shared libraries"};
            printRow(target.name + ", " + names[figure], Bench::figures(pick(target)), baselines,
                     units[figure]);
        }
    }
    const double minimal = Bench::figures(targets[0].residentMiB).median;
    const double captioned = Bench::figures(targets[1].residentMiB).median;
    for (std::size_t t = 2; t < targets.size(); ++t) {
        const double resident = Bench::figures(targets[t].residentMiB).median;
        std::printf("%s holds %.1f MiB more than the minimal window after start, %.1f MiB more than the one "
                    "with a caption\n",
                    targets[t].name.c_str(), resident - minimal, resident - captioned);
    }
    return 0;
}

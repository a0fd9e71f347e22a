// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start-up time: from the moment a program is started to the moment its
// window with a given title is mapped on the X server, for two programs run
// in turn (which goes first alternates), so that both see the same machine.
// Prints each one's median and quartiles and the ratio of the medians.
// Usage (in an X session): bench_startup RUNS TITLE_A PROGRAM_A TITLE_B PROGRAM_B
// Run by bench/startup.sh, which brings its own X server and window manager.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

std::string titleOf(xcb_connection_t *c, xcb_window_t window)
{
    const auto cookie = xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                                          &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                       std::size_t(xcb_get_property_value_length(reply.get())));
}

// Starts `program` and waits for its window titled `title` to be mapped.
// Returns the milliseconds that took, or a negative number on failure.
double timeToMapped(xcb_connection_t *c, const char *program, const std::string &title)
{
    char *argv[] = {const_cast<char *>(program), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        return -1;

    double ms = -1;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (ms < 0 && Clock::now() - start < std::chrono::seconds(20)) {
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            poll(&fd, 1, 100);
            continue;
        }
        const auto type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // A new top-level window: follow it wherever the window manager
            // puts it, to see it mapped.
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &mask);
            // It may have been mapped before we asked to hear of it.
            std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, created->window), nullptr), &std::free);
            if (attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED && titleOf(c, created->window) == title)
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (titleOf(c, mapped->window) == title)
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        std::free(event);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return ms;
}

struct Summary {
    double q1, median, q3;
};

Summary summarise(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    auto at = [&](double q) { return v[std::size_t(q * double(v.size() - 1) + 0.5)]; };
    return {at(0.25), at(0.5), at(0.75)};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s RUNS TITLE_A PROGRAM_A TITLE_B PROGRAM_B\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string titles[2] = {argv[2], argv[4]};
    const char *programs[2] = {argv[3], argv[5]};

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<double> times[2];
    for (int run = 0; run < runs; ++run) {
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;
            const double ms = timeToMapped(c, programs[which], titles[which]);
            if (ms < 0) {
                std::fprintf(stderr, "%s: no window \"%s\" within 20 s\n", programs[which], titles[which].c_str());
                return 1;
            }
            times[which].push_back(ms);
            std::this_thread::sleep_for(std::chrono::milliseconds(300)); // let the window manager settle
        }
    }
    const Summary a = summarise(times[0]);
    const Summary b = summarise(times[1]);
    std::printf("%d runs each, process start to window mapped (ms): median [quartiles]\n", runs);
    std::printf("  %-22s %7.1f [%.1f, %.1f]\n", titles[0].c_str(), a.median, a.q1, a.q3);
    std::printf("  %-22s %7.1f [%.1f, %.1f]\n", titles[1].c_str(), b.median, b.q1, b.q3);
    std::printf("  ratio of medians: %.3f\n", a.median / b.median);
    xcb_disconnect(c);
    return 0;
}

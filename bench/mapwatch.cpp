// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and times it from outside, the same way for any program:
//
//   mapwatch [--rss-after MILLISECONDS] COMMAND [ARGUMENT...]
//
// It starts COMMAND and waits for the X server to map a top-level window whose _NET_WM_PID is the
// program's. It then prints one line, "MILLISECONDS PID WINDOW CPU": the time from starting the
// program to that MapNotify, the program's process id, the window's id and the CPU time in
// milliseconds the program had used by then (all its threads). With --rss-after it
// waits that long, prints the program's resident memory in KiB (VmRSS) on a second line and ends
// the program; without, it stays until the program ends, so the caller can work with the window
// and end the program by its id.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

pid_t child = 0;

void forwardSignal(int signal) {
    if (child > 0)
        kill(child, signal);
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

pid_t windowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

// CPU time of all the threads of a process, in milliseconds, from the nanoseconds the kernel
// keeps in each thread's schedstat.
double cpuMilliseconds(pid_t pid) {
    double nanoseconds = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return nanoseconds / 1e6;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    long rssAfter = -1;
    if (argc > 2 && std::strcmp(argv[1], "--rss-after") == 0) {
        rssAfter = std::strtol(argv[2], nullptr, 10);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: mapwatch [--rss-after MILLISECONDS] COMMAND [ARGUMENT...]\n");
        return 2;
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "mapwatch: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // The reply is a round trip, so the server is already watching when the program starts.
    const xcb_atom_t pidAtom = internAtom(connection, "_NET_WM_PID");

    signal(SIGTERM, forwardSignal);
    signal(SIGINT, forwardSignal);
    signal(SIGPIPE, SIG_IGN); // a reader gone early must not leave the program running
    const auto start = std::chrono::steady_clock::now();
    child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("mapwatch: exec");
        _exit(127);
    }

    xcb_window_t mapped = XCB_WINDOW_NONE;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (mapped == XCB_WINDOW_NONE) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection) || poll(&watch, 1, 30000) <= 0)
                break;
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect && windowPid(connection, map->window, pidAtom) == child)
                mapped = map->window;
        }
        std::free(event);
    }
    const auto end = std::chrono::steady_clock::now();
    const double cpu = cpuMilliseconds(child);
    if (mapped == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "mapwatch: %s mapped no window\n", argv[first]);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    std::printf("%.3f %d 0x%x %.3f\n",
                std::chrono::duration<double, std::milli>(end - start).count(),
                static_cast<int>(child), mapped, cpu);
    std::fflush(stdout);
    xcb_disconnect(connection);

    if (rssAfter >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(rssAfter));
        std::printf("%ld\n", residentKiB(child));
        std::fflush(stdout);
        kill(child, SIGTERM);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return 0;
}

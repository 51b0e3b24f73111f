// Starts a program on the current X display and reports how long it took until a window of a
// given title was mapped, its peak resident memory a moment later, and the processor time and
// thread wake-ups it used while left alone after that.
//
// Usage: startup_probe TITLE SETTLE_MS IDLE_MS PROGRAM [ARGUMENTS...]
// Prints one line: "mapped_ms=… hwm_kib=… rss_kib=… idle_cpu_ms=… idle_wakeups=…", then ends
// the program. Exits 1 when the window never appears (within 30 s) or the program ends first.
//
// The clock starts just before fork(), and the map is seen as the X server's MapNotify on the
// root window, selected before the program exists: no polling, nothing missed.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The window's title, from _NET_WM_NAME (UTF-8) or else WM_NAME.
std::string Title(xcb_connection_t* x, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8)
{
    for (auto [property, type] : { std::pair { netWmName, utf8 },
             std::pair<xcb_atom_t, xcb_atom_t> { XCB_ATOM_WM_NAME, XCB_ATOM_STRING } }) {
        const xcb_get_property_cookie_t cookie
            = xcb_get_property(x, 0, window, property, type, 0, 1024);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(x, cookie, nullptr), &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
}

// A "Key:   123 kB" line of /proc/PID/status or /proc/PID/task/TID/status.
long StatusValue(const std::string& path, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    }
    return -1;
}

// utime + stime of the whole process, in clock ticks (fields 14 and 15 of /proc/PID/stat).
long CpuTicks(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t paren = text.rfind(')'); // the command name may hold spaces
    if (paren == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(paren + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

// Context switches of every thread: each one is a thread waking up (a timer, a socket, …).
long Wakeups(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    long total = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string status = tasks + "/" + entry->d_name + "/status";
            total += StatusValue(status, "voluntary_ctxt_switches")
                + StatusValue(status, "nonvoluntary_ctxt_switches");
        }
        closedir(dir);
    }
    return total;
}

bool Alive(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

void End(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (!Alive(pid))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS IDLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);
    const int idleMs = std::atoi(argv[3]);

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = Atom(x, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(x, "UTF8_STRING");
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[4], argv + 4);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    double mappedMs = -1;
    const int fd = xcb_get_file_descriptor(x);
    while (mappedMs < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const Clock::time_point seen = Clock::now();
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (Title(x, map->window, netWmName, utf8) == title)
                    mappedMs = std::chrono::duration<double, std::milli>(seen - start).count();
            }
            std::free(event);
        }
        if (mappedMs >= 0)
            break;
        if (!Alive(pid) || Clock::now() - start > std::chrono::seconds(30)) {
            std::fprintf(stderr, "startup_probe: no window titled '%s'\n", title.c_str());
            End(pid);
            return 1;
        }
        pollfd wait { fd, POLLIN, 0 };
        poll(&wait, 1, 50);
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    const long hwm = StatusValue(status, "VmHWM");
    const long rss = StatusValue(status, "VmRSS");

    const long ticks0 = CpuTicks(pid);
    const long wakeups0 = Wakeups(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    const long ticks1 = CpuTicks(pid);
    const long wakeups1 = Wakeups(pid);
    const bool alive = Alive(pid);
    End(pid);
    xcb_disconnect(x);
    if (!alive) {
        std::fprintf(stderr, "startup_probe: the program ended on its own\n");
        return 1;
    }

    const double msPerTick = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::printf("mapped_ms=%.1f hwm_kib=%ld rss_kib=%ld idle_cpu_ms=%.0f idle_wakeups=%ld\n",
        mappedMs, hwm, rss, static_cast<double>(ticks1 - ticks0) * msPerTick, wakeups1 - wakeups0);
    return 0;
}

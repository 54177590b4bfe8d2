// Starts a program and prints how many milliseconds after the fork its top-level window with the
// given title was mapped, the window's size and how many processes the program had started by the
// end of the settle time: "12.3 714x673 0". It then kills the program and reaps it, so that
// /usr/bin/time -f %M around this watcher reports the program's peak memory (the kernel folds a
// reaped child's peak into its parent's).
//   map_watch [--settle MS] [--timeout MS] TITLE PROGRAM [ARG...]
// Exit status: 0 measured, 1 no such window in time or the program ended first, 2 usage or X error.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace
{

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A window may be gone again by the time we look at it.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

std::string windowTitle(Display* display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &rest, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

// Processes whose parent is `parent`, from /proc.
int childCount(pid_t parent)
{
    int count = 0;
    DIR* proc = opendir("/proc");
    if (proc == nullptr)
        return -1;
    while (const dirent* entry = readdir(proc)) {
        const std::string path = std::string("/proc/") + entry->d_name + "/stat";
        FILE* stat = std::fopen(path.c_str(), "r");
        if (stat == nullptr)
            continue;
        // pid (comm) state ppid: comm may hold blanks and parentheses, so read after the last ')'.
        char line[1024] = {};
        const std::size_t length = std::fread(line, 1, sizeof line - 1, stat);
        std::fclose(stat);
        const char* close = std::strrchr(line, ')');
        int ppid = 0;
        if (length > 0 && close != nullptr && std::sscanf(close + 1, " %*c %d", &ppid) == 1 &&
            ppid == parent)
            ++count;
    }
    closedir(proc);
    return count;
}

void stop(pid_t child)
{
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    long settleMs = 500;
    long timeoutMs = 20000;
    int arg = 1;
    for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
        if (std::strcmp(argv[arg], "--settle") == 0)
            settleMs = std::atol(argv[arg + 1]);
        else if (std::strcmp(argv[arg], "--timeout") == 0)
            timeoutMs = std::atol(argv[arg + 1]);
        else
            break;
    }
    if (argc - arg < 2) {
        std::fprintf(stderr,
                     "usage: map_watch [--settle MS] [--timeout MS] TITLE PROGRAM [ARG...]\n");
        return 2;
    }
    const std::string wanted = argv[arg];
    char** command = argv + arg + 1;

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_watch: cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    // Without a window manager the program's top-level windows are children of the root,
    // so their mapping reaches us as MapNotify on the root.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("map_watch: fork");
        return 2;
    }
    if (child == 0) {
        execvp(command[0], command);
        std::perror("map_watch: exec");
        _exit(127);
    }

    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            if (windowTitle(display, event.xmap.window) != wanted)
                continue;
            const double mappedMs = millisecondsSince(start);
            XWindowAttributes attributes{};
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
            std::printf("%.1f %dx%d %d\n", mappedMs, attributes.width, attributes.height,
                        childCount(child));
            std::fflush(stdout);
            stop(child);
            XCloseDisplay(display);
            return 0;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "map_watch: %s ended before showing \"%s\"\n", command[0],
                         wanted.c_str());
            return 1;
        }
        if (millisecondsSince(start) > static_cast<double>(timeoutMs)) {
            std::fprintf(stderr, "map_watch: no window \"%s\" within %ld ms\n", wanted.c_str(),
                         timeoutMs);
            stop(child);
            return 1;
        }
        poll(&connection, 1, 20);
    }
}

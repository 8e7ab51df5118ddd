// Starts a program and reports, in ms, how long until its top-level window
// with the given title is mapped, then closes it politely and reports its
// peak RSS. Polling tools such as `xdotool search --sync` look only every
// half second; this takes the X server's MapNotify as it happens.
//
//   wait_for_map TITLE PROGRAM [ARGS...]
//   prints: map_ms=12.34 rss_kb=45678 exit=0
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowTitle(Display* display, Window window) {
  // _NET_WM_NAME is UTF-8 and set by both toolkits; WM_NAME is the fallback.
  const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, net_wm_name, 0, 1024, False, utf8, &type, &format, &count, &after,
                         &data) == Success &&
      data != nullptr) {
    std::string title(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    std::string title(name);
    XFree(name);
    return title;
  }
  return {};
}

bool WaitReadable(int fd, int timeout_ms) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, timeout_ms) > 0;
}

// WM_DELETE_WINDOW, as a window manager's close button sends it.
void AskToClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: wait_for_map TITLE PROGRAM [ARGS...]\n");
    return 2;
  }
  const std::string wanted = argv[1];
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "wait_for_map: cannot open the X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }

  Window mapped = None;
  const auto deadline = start + std::chrono::seconds(60);
  while (mapped == None && Clock::now() < deadline) {
    if (XPending(display) == 0 && !WaitReadable(ConnectionNumber(display), 5)) continue;
    XEvent event;
    XNextEvent(display, &event);
    // Titles are set before mapping, so the map event is the moment to look.
    if (event.type == MapNotify && !event.xmap.override_redirect &&
        WindowTitle(display, event.xmap.window) == wanted) {
      mapped = event.xmap.window;
    }
  }
  const double map_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

  if (mapped != None) AskToClose(display, mapped);
  int status = 0;
  rusage usage{};
  for (int waited = 0; waited < 1000; ++waited) {  // up to 10 s for a clean exit
    if (wait4(child, &status, WNOHANG, &usage) == child) break;
    if (waited == 999) {
      kill(child, SIGKILL);
      wait4(child, &status, 0, &usage);
    }
    usleep(10000);
  }
  XCloseDisplay(display);

  if (mapped == None) {
    std::fprintf(stderr, "wait_for_map: no window titled '%s' was mapped\n", wanted.c_str());
    return 1;
  }
  std::printf("map_ms=%.2f rss_kb=%ld exit=%d\n", map_ms, usage.ru_maxrss,
              WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
  return 0;
}

// The real program in a real X server: Xvfb, the demo started as a user would, a real mouse
// (xdotool) pressing Draw and dragging zoom rectangles, and the screen read back with Xlib.
#include <gtest/gtest.h>

#include <QImage>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"

#ifdef HAVE_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace demo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A child process that dies with the test (also when the test process crashes) and is
// ended and reaped when this goes out of scope.
class TChild {
 public:
  // `env`: extra NAME=value entries; `unset`: names removed from the inherited environment.
  TChild(std::vector<std::string> argv, std::vector<std::string> env, std::vector<std::string> unset,
         int keepFd = -1) {
    FPid = fork();
    if (FPid != 0) return;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (const auto& name : unset) unsetenv(name.c_str());
    for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    if (!std::getenv("E2E_VERBOSE")) {
      dup2(null, 1);
      dup2(null, 2);
    }
    for (int fd = 3; fd < 1024; ++fd)
      if (fd != keepFd) close(fd);
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;
  ~TChild() {
    if (FPid <= 0 || FExited) return;
    kill(FPid, SIGTERM);
    if (!WaitExit(3s)) {
      kill(FPid, SIGKILL);
      waitpid(FPid, nullptr, 0);
    }
  }
  bool Started() const { return FPid > 0; }
  // Waits for the process to end; its exit status, or nothing on timeout.
  std::optional<int> WaitExit(std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
      int status = 0;
      if (waitpid(FPid, &status, WNOHANG) == FPid) {
        FExited = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
  }

 private:
  pid_t FPid = -1;
  bool FExited = false;
};

// Runs a shell command with a time limit; its standard output.
std::string RunCommand(const std::string& command) {
  std::string out;
  if (FILE* p = popen(("timeout 20 " + command).c_str(), "r")) {
    char buf[256];
    while (fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
  }
  return out;
}

#ifdef HAVE_X11

struct TScreenshot {
  QImage Image;  // the window's client area
  bool operator==(const TScreenshot& o) const { return Image == o.Image; }
};

class WindowE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    // Xvfb picks a free display itself and writes its number once it accepts clients.
    FXvfb.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                           "1280x1024x24", "-dpi", "96", "-nolisten", "tcp"},
                  std::vector<std::string>{}, std::vector<std::string>{}, fds[1]);
    close(fds[1]);
    ASSERT_TRUE(FXvfb->Started());
    std::string number;
    pollfd pfd{fds[0], POLLIN, 0};
    while (poll(&pfd, 1, 15000) == 1) {
      char c;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    FDisplayName = ":" + number;
    FDisplay = XOpenDisplay(FDisplayName.c_str());
    ASSERT_NE(FDisplay, nullptr);

    // In a sanitizer build the leak check stays on for our code; the system libraries
    // Qt loads keep a few allocations until the process ends.
    FDemo.emplace(std::vector<std::string>{SPECTRUM_DEMO_PATH},
                  std::vector<std::string>{"DISPLAY=" + FDisplayName, "QT_QPA_PLATFORM=xcb",
                                           "LSAN_OPTIONS=suppressions=" LSAN_SUPPRESSIONS_FILE},
                  std::vector<std::string>{"WAYLAND_DISPLAY", "QT_SCALE_FACTOR"});
    ASSERT_TRUE(FDemo->Started());
    const std::string id = RunCommand(Xdotool() + " search --sync --onlyvisible --name '^Form1$'");
    ASSERT_FALSE(id.empty()) << "the demo's window did not appear";
    FWindow = std::stoul(id.substr(0, id.find('\n')));
    XWindowAttributes a{};
    XGetWindowAttributes(FDisplay, FWindow, &a);
    Window child;
    XTranslateCoordinates(FDisplay, FWindow, DefaultRootWindow(FDisplay), 0, 0, &FOriginX, &FOriginY, &child);
    FWidth = a.width;
    FHeight = a.height;
    ASSERT_GE(FWidth, 905);
    ASSERT_GE(FHeight, 573);
  }

  void TearDown() override {
    if (FDisplay) XCloseDisplay(FDisplay);
    FDemo.reset();
    FXvfb.reset();
  }

  std::string Xdotool() const { return "env DISPLAY=" + FDisplayName + " xdotool"; }

  TScreenshot Capture() {
    TScreenshot shot;
    shot.Image = QImage(FWidth, FHeight, QImage::Format_RGB32);
    XImage* image = XGetImage(FDisplay, FWindow, 0, 0, FWidth, FHeight, AllPlanes, ZPixmap);
    if (!image) return shot;
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        shot.Image.setPixel(x, y, 0xFF000000u | static_cast<QRgb>(XGetPixel(image, x, y)));
    XDestroyImage(image);
    return shot;
  }
  QImage Chart() { return Capture().Image.copy(0, 0, 905, 525); }
  // The chart's picture once `ready` holds for it and it has stopped changing; the last
  // picture seen when that does not happen in time.
  template <class Ready>
  QImage WaitFor(Ready ready, std::chrono::milliseconds timeout = 10s) {
    const auto end = Clock::now() + timeout;
    QImage last = Chart();
    while (Clock::now() < end) {
      std::this_thread::sleep_for(100ms);
      QImage now = Chart();
      if (now == last && ready(now)) return now;
      last = std::move(now);
    }
    return last;
  }

  void Click(int x, int y) {
    RunCommand(Xdotool() + " mousemove " + std::to_string(FOriginX + x) + " " + std::to_string(FOriginY + y) +
               " sleep 0.1 click 1");
  }
  // A left drag with a few intermediate moves, as a hand makes it. No --sync: it waits for
  // the pointer to move, forever when it is already there.
  void Drag(int x0, int y0, int x1, int y1) {
    std::string cmd = Xdotool() + " mousemove " + std::to_string(FOriginX + x0) + " " +
                      std::to_string(FOriginY + y0) + " sleep 0.1 mousedown 1";
    for (int i = 1; i <= 4; ++i)
      cmd += " sleep 0.05 mousemove " + std::to_string(FOriginX + x0 + (x1 - x0) * i / 4) + " " +
             std::to_string(FOriginY + y0 + (y1 - y0) * i / 4);
    cmd += " sleep 0.1";
    cmd += " mouseup 1";
    RunCommand(cmd);
  }
  // Asks the window to close as a window manager would.
  void Close() {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = FWindow;
    e.xclient.message_type = XInternAtom(FDisplay, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(FDisplay, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(FDisplay, FWindow, False, NoEventMask, &e);
    XFlush(FDisplay);
  }
  static void Save(const QImage& image, const char* name) { testing::SaveArtifact(image, name); }

  std::optional<TChild> FXvfb, FDemo;
  std::string FDisplayName;
  Display* FDisplay = nullptr;
  Window FWindow = 0;
  int FOriginX = 0, FOriginY = 0, FWidth = 0, FHeight = 0;
};

// Rows and columns where a colour shows in a picture.
struct TColourSpread {
  int Count = 0, Top = 1 << 30, Bottom = -1, Left = 1 << 30, Right = -1;
  int TopX = -1, BottomX = -1;
};
TColourSpread SpreadOf(const QImage& image, QRgb colour) {
  TColourSpread s;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) != (colour & 0xFFFFFFu)) continue;
      ++s.Count;
      if (y < s.Top) s.Top = y, s.TopX = x;
      if (y > s.Bottom) s.Bottom = y, s.BottomX = x;
      s.Left = std::min(s.Left, x);
      s.Right = std::max(s.Right, x);
    }
  return s;
}

TEST_F(WindowE2E, DrawZoomAndBackInARealWindow) {
  // The first paint (no longer the black of a fresh X window), nothing plotted yet.
  const QImage empty = WaitFor([](const QImage& c) { return (c.pixel(450, 300) & 0xFFFFFFu) != 0; });
  Save(Capture().Image, "e2e_before_draw.png");
  EXPECT_EQ(SpreadOf(empty, qRgb(255, 0, 255)).Count, 0);

  Click(352 + 189 / 2, 536 + 37 / 2);  // the Draw button
  const QImage drawn = WaitFor([](const QImage& c) { return SpreadOf(c, qRgb(255, 0, 255)).Count > 800; });
  Save(drawn, "e2e_drawn.png");

  // The three curves where the form's chart puts them: the window arching up to the top of
  // the plot in the middle, its negation down to the bottom, the spectrum flat on the zero
  // line between them with its spike at the left end.
  const TColourSpread window = SpreadOf(drawn, qRgb(255, 0, 255));
  const TColourSpread restored = SpreadOf(drawn, qRgb(0, 0, 128));
  const TColourSpread spectrum = SpreadOf(drawn, qRgb(0, 128, 0));
  ASSERT_GT(window.Count, 800);
  ASSERT_GT(restored.Count, 800);
  ASSERT_GT(spectrum.Count, 700);
  EXPECT_LT(window.Top, 60);
  EXPECT_GT(restored.Bottom, 460);
  EXPECT_NEAR(window.TopX, 452, 30);
  EXPECT_NEAR(restored.BottomX, 452, 30);
  EXPECT_LT(window.Left, 50);
  EXPECT_GT(window.Right, 860);
  // The spectrum lies on the zero line, halfway between the two arches' extremes.
  int zeroRow = 0, greenOnZero = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    int n = 0;
    for (int x = 0; x < drawn.width(); ++x) n += (drawn.pixel(x, y) & 0xFFFFFFu) == 0x008000u;
    if (n > greenOnZero) greenOnZero = n, zeroRow = y;
  }
  EXPECT_GT(greenOnZero, 700);
  EXPECT_NEAR(zeroRow, (window.Top + restored.Bottom) / 2, 3);
  EXPECT_NEAR(restored.Top, zeroRow, 2);
  EXPECT_NEAR(window.Bottom, zeroRow, 2);
  EXPECT_LT(spectrum.Top, zeroRow - 150);  // the spike of about 1.02 at X 0
  EXPECT_LT(spectrum.TopX, 60);

  // Zoom into the upper middle of the window curve.
  Drag(300, 60, 600, 250);
  // Zoomed in there, the negated curve is out of view.
  const QImage zoomed = WaitFor([](const QImage& c) { return SpreadOf(c, qRgb(0, 0, 128)).Count == 0; });
  Save(zoomed, "e2e_zoomed.png");
  EXPECT_NE(zoomed, drawn);
  const TColourSpread zoomedWindow = SpreadOf(zoomed, qRgb(255, 0, 255));
  EXPECT_GT(zoomedWindow.Right - zoomedWindow.Left, 600);  // the arch now spans the plot
  EXPECT_EQ(SpreadOf(zoomed, qRgb(0, 0, 128)).Count, 0);

  // Dragging back (towards the top-left) restores the picture exactly.
  Drag(600, 250, 300, 60);
  const QImage back = WaitFor([&](const QImage& c) { return c == drawn; });
  Save(back, "e2e_back.png");
  EXPECT_EQ(back, drawn);

  // Closing the window ends the program normally (finalisations run, exit status 0).
  Close();
  const std::optional<int> status = FDemo->WaitExit(10s);
  ASSERT_TRUE(status.has_value()) << "the demo did not exit after its window closed";
  EXPECT_EQ(*status, 0);
}

#else

TEST(WindowE2E, NeedsXlib) { FAIL() << "built without Xlib (libx11-dev): the real-window test cannot run"; }

#endif

}  // namespace
}  // namespace demo

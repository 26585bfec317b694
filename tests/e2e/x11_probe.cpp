// What the end-to-end test needs from the X server that xdotool cannot do: close a window the
// way a window manager would, see the pointer a person sees, and take a picture of a window.
#include <QImage>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/select.h>

namespace {
using Clock = std::chrono::steady_clock;

int usage() {
    std::fprintf(stderr, "usage: x11_probe close WINDOW | cursor | watch-cursor SECONDS |\n"
                         "                 screenshot WINDOW FILE.png\n");
    return 2;
}

Window parseWindow(const char* text) {
    return Window(std::strtoul(text, nullptr, 0));
}

// Waits for the next event for at most until the deadline; false when the time is up.
bool nextEvent(Display* display, XEvent* event, Clock::time_point deadline) {
    while (!XPending(display)) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        const long micros =
            long(std::chrono::duration_cast<std::chrono::microseconds>(left).count());
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        timeval wait{micros / 1000000, micros % 1000000};
        select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait);
    }
    XNextEvent(display, event);
    return true;
}

// The window manager's close button: a WM_DELETE_WINDOW message, which the program answers by
// running its own closing path.
int closeWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

std::string cursorLine(Display* display, unsigned long serial, Atom name) {
    char* text = name != None ? XGetAtomName(display, name) : nullptr;
    std::string line = std::to_string(serial) + " " + (text ? text : "-");
    if (text)
        XFree(text);
    return line;
}

// Prints the shown pointer as "serial name".
int printCursor(Display* display) {
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image)
        return 1;
    std::printf("%s\n", cursorLine(display, image->cursor_serial, image->atom).c_str());
    XFree(image);
    return 0;
}

// Prints the shown pointer now and at every change, one line each, until the time is up.
int watchCursor(Display* display, double seconds) {
    XFixesSelectCursorInput(display, DefaultRootWindow(display), XFixesDisplayCursorNotifyMask);
    XSync(display, False);
    printCursor(display);
    std::fflush(stdout);
    int eventBase = 0;
    int errorBase = 0;
    XFixesQueryExtension(display, &eventBase, &errorBase);
    const auto deadline = Clock::now() + std::chrono::milliseconds(long(seconds * 1000));
    XEvent event;
    while (nextEvent(display, &event, deadline)) {
        if (event.type != eventBase + XFixesCursorNotify)
            continue;
        const auto* notify = reinterpret_cast<XFixesCursorNotifyEvent*>(&event);
        std::printf("%s\n",
                    cursorLine(display, notify->cursor_serial, notify->cursor_name).c_str());
        std::fflush(stdout);
    }
    return 0;
}
// Saves what the window shows as a PNG file.
int takeScreenshot(Display* display, Window window, const char* file) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return 1;
    XImage* image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return 1;
    bool saved = false;
    if (image->bits_per_pixel == 32 && image->byte_order == LSBFirst) {
        const QImage picture(reinterpret_cast<const uchar*>(image->data), image->width,
                             image->height, image->bytes_per_line, QImage::Format_RGB32);
        saved = picture.save(QString::fromLocal8Bit(file), "PNG");
    } else {
        std::fprintf(stderr, "x11_probe: only 32-bit little-endian screens are supported\n");
    }
    XDestroyImage(image);
    return saved ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2)
        return usage();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_probe: cannot open the display\n");
        return 1;
    }
    const std::string command = argv[1];
    int result = 2;
    if (command == "close" && argc == 3)
        result = closeWindow(display, parseWindow(argv[2]));
    else if (command == "cursor" && argc == 2)
        result = printCursor(display);
    else if (command == "watch-cursor" && argc == 3)
        result = watchCursor(display, std::atof(argv[2]));
    else if (command == "screenshot" && argc == 4)
        result = takeScreenshot(display, parseWindow(argv[2]), argv[3]);
    else
        result = usage();
    XCloseDisplay(display);
    return result;
}

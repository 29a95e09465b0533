// The end-to-end test's hands and eyes where xdotool has none: reads the
// screenshots the program writes, and asks a window to close the way a window
// manager's close button does.
//
//   window_probe colour FILE RRGGBB  prints "left top right bottom" of the
//                                    pixels of that colour, or "none"
//   window_probe same A.png B.png    exit 0 when both pictures are equal
//   window_probe close WINDOW-ID     sends WM_DELETE_WINDOW
//   window_probe unfocus             gives the keyboard focus to the root
//                                    window, away from every program
//   window_probe shows WINDOW SHOT   exit 0 when the window shows the 240 x 320
//                                    SHOT at the largest whole scale that
//                                    fits, centred between black bars
//   window_probe dialog TITLE OWNER  prints the id of a top-level window
//                                    titled TITLE that belongs to the window
//                                    OWNER, or exits 1

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // 3 bytes a pixel, row-major
};

bool readPng(const char* path, Picture* picture) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) {
        std::fprintf(stderr, "%s: %s\n", path, image.message);
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    picture->width = static_cast<int>(image.width);
    picture->height = static_cast<int>(image.height);
    picture->rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture->rgb.data(), 0, nullptr)) {
        std::fprintf(stderr, "%s: %s\n", path, image.message);
        return false;
    }
    return true;
}

// Prints the box around every pixel of exactly `colour` (0xRRGGBB).
int colourBox(const char* path, unsigned long colour) {
    Picture p;
    if (!readPng(path, &p)) return 2;
    const unsigned char want[3] = {static_cast<unsigned char>(colour >> 16),
                                   static_cast<unsigned char>(colour >> 8),
                                   static_cast<unsigned char>(colour)};
    int left = p.width, top = p.height, right = -1, bottom = -1;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (std::memcmp(&p.rgb[(static_cast<size_t>(y) * p.width + x) * 3], want, 3) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        std::printf("none\n");
    } else {
        std::printf("%d %d %d %d\n", left, top, right, bottom);
    }
    return 0;
}

int same(const char* a, const char* b) {
    Picture pa, pb;
    if (!readPng(a, &pa) || !readPng(b, &pb)) return 2;
    if (pa.width != pb.width || pa.height != pb.height) {
        std::printf("sizes differ: %dx%d and %dx%d\n", pa.width, pa.height, pb.width, pb.height);
        return 1;
    }
    size_t differ = 0;
    for (size_t i = 0; i < pa.rgb.size(); i += 3) {
        if (std::memcmp(&pa.rgb[i], &pb.rgb[i], 3) != 0) {
            if (differ == 0) {
                size_t pixel = i / 3;
                std::printf("first difference at (%zu, %zu)\n", pixel % pa.width, pixel / pa.width);
            }
            ++differ;
        }
    }
    if (differ != 0) std::printf("%zu pixels differ\n", differ);
    return differ == 0 ? 0 : 1;
}

int withDisplay(int (*action)(Display*, const char*), const char* argument) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    int status = action(display, argument);
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}

int closeWindow(Display* display, const char* id) {
    Window window = static_cast<Window>(std::strtoul(id, nullptr, 0));
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    return XSendEvent(display, window, False, NoEventMask, &event) != 0 ? 0 : 1;
}

int unfocus(Display* display, const char*) {
    XSetInputFocus(display, DefaultRootWindow(display), RevertToNone, CurrentTime);
    return 0;
}

std::string title(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string text;
    // xdotool reads only the legacy name; SDL sets the UTF-8 one.
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                           False, utf8, &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        text.assign(reinterpret_cast<char*>(data), count);
    }
    if (data != nullptr) XFree(data);
    return text;
}

std::string expectedShot;

int shift(unsigned long mask) {
    int n = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++n;
    }
    return n;
}

// What the window must show, worked out from the picture alone: every device
// pixel a square of s x s window pixels, s the largest whole scale that fits,
// the picture centred and the rest black.
int windowShows(Display* display, const char* id) {
    Picture shot;
    if (!readPng(expectedShot.c_str(), &shot)) return 2;
    Window window = static_cast<Window>(std::strtoul(id, nullptr, 0));
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 2;
    int w = attributes.width, h = attributes.height;
    int s = std::min(w / shot.width, h / shot.height);
    if (s < 1) {
        std::printf("window %dx%d is smaller than the picture\n", w, h);
        return 2;
    }
    int left = (w - shot.width * s) / 2, top = (h - shot.height * s) / 2;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (image == nullptr) return 2;
    int rs = shift(image->red_mask), gs = shift(image->green_mask), bs = shift(image->blue_mask);
    size_t differ = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            unsigned long p = XGetPixel(image, x, y);
            unsigned char got[3] = {static_cast<unsigned char>((p & image->red_mask) >> rs),
                                    static_cast<unsigned char>((p & image->green_mask) >> gs),
                                    static_cast<unsigned char>((p & image->blue_mask) >> bs)};
            unsigned char want[3] = {0, 0, 0};
            int dx = x - left, dy = y - top;
            if (dx >= 0 && dy >= 0 && dx < shot.width * s && dy < shot.height * s) {
                std::memcpy(want,
                            &shot.rgb[(static_cast<size_t>(dy / s) * shot.width + dx / s) * 3], 3);
            }
            if (std::memcmp(got, want, 3) != 0) {
                if (differ == 0) {
                    std::printf("window pixel (%d, %d) is %02x%02x%02x, expected %02x%02x%02x\n", x,
                                y, got[0], got[1], got[2], want[0], want[1], want[2]);
                }
                ++differ;
            }
        }
    }
    XDestroyImage(image);
    if (differ != 0) std::printf("%zu window pixels differ (scale %d)\n", differ, s);
    return differ == 0 ? 0 : 1;
}

std::string dialogTitle;

int findDialog(Display* display, const char* owner) {
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return 1;
    }
    Window ownerId = static_cast<Window>(std::strtoul(owner, nullptr, 0));
    int status = 1;
    for (unsigned int i = 0; i < count && status != 0; ++i) {
        Window transientFor = 0;
        if (title(display, children[i]) == dialogTitle &&
            XGetTransientForHint(display, children[i], &transientFor) && transientFor == ownerId) {
            std::printf("%lu\n", children[i]);
            status = 0;
        }
    }
    if (children != nullptr) XFree(children);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "colour" && argc == 4)
        return colourBox(argv[2], std::strtoul(argv[3], nullptr, 16));
    if (command == "same" && argc == 4) return same(argv[2], argv[3]);
    if (command == "close" && argc == 3) return withDisplay(&closeWindow, argv[2]);
    if (command == "unfocus" && argc == 2) return withDisplay(&unfocus, nullptr);
    if (command == "shows" && argc == 4) {
        expectedShot = argv[3];
        return withDisplay(&windowShows, argv[2]);
    }
    if (command == "dialog" && argc == 4) {
        dialogTitle = argv[2];
        return withDisplay(&findDialog, argv[3]);
    }
    std::fprintf(stderr,
                 "usage: window_probe colour FILE RRGGBB | same A B | close "
                 "WINDOW-ID | unfocus | "
                 "shows WINDOW-ID SHOT | dialog TITLE OWNER-ID\n");
    return 2;
}

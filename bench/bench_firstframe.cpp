// Start-up time as the X server sees it: from just before the program is started to the
// moment its first complete frame is in the screen's framebuffer.
//
//   bench_firstframe [--timeout-ms N] [--probe X,Y,R,G,B]... [--shot FILE.ppm] [--verbose]
//                    -- program [args...]
//
// Prints one line: "map_ms=<window mapped> frame_ms=<first frame> cpu_ms=<its CPU time>
// map_hwm_kib=<its peak resident memory when the window was mapped>
// window=<title>".
// --shot saves the window as the frame was found; --verbose lists every damage event.
//
// Nothing in the program under test is changed or traced (tracing would slow it down).
// The X server reports every drawing operation on the screen through a Damage object on
// the root window, so the first frame is seen as it lands, not by polling. A frame counts
// as complete when the damage since the window was mapped covers the whole window and the
// probe pixels (window coordinates, menu bar included) show their expected colours; the
// time is taken when the damage event that completed it arrived.

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Probe {
    int x = 0, y = 0;
    int r = 0, g = 0, b = 0;
};

// The peak resident set size so far (VmHWM), in KiB; -1 when it cannot be read.
long peakRssKib(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *f = std::fopen(path.c_str(), "r");
    if (!f)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    std::fclose(f);
    return kib;
}

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "bench_firstframe: %s\n", what);
    std::exit(2);
}

// Which pixels of the window have been drawn since it was mapped.
class Coverage {
public:
    void reset(int w, int h) {
        w_ = w;
        h_ = h;
        drawn_.assign(size_t(w) * size_t(h), 0);
        left_ = size_t(w) * size_t(h);
    }
    void add(int x, int y, int w, int h) {
        const int x0 = std::max(0, x), y0 = std::max(0, y);
        const int x1 = std::min(w_, x + w), y1 = std::min(h_, y + h);
        for (int row = y0; row < y1; ++row) {
            for (int col = x0; col < x1; ++col) {
                unsigned char &cell = drawn_[size_t(row) * size_t(w_) + size_t(col)];
                if (!cell) {
                    cell = 1;
                    --left_;
                }
            }
        }
    }
    bool complete() const { return w_ > 0 && left_ == 0; }

private:
    int w_ = 0, h_ = 0;
    size_t left_ = 0;
    std::vector<unsigned char> drawn_;
};

bool probesMatch(xcb_connection_t *c, xcb_window_t window, const std::vector<Probe> &probes) {
    for (const Probe &p : probes) {
        auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(p.x),
                                    int16_t(p.y), 1, 1, ~0U);
        xcb_get_image_reply_t *reply = xcb_get_image_reply(c, cookie, nullptr);
        if (!reply)
            return false;
        const uint8_t *px = xcb_get_image_data(reply);
        const int len = xcb_get_image_data_length(reply);
        // 24/32-bit TrueColor, little-endian: blue, green, red, pad.
        const bool ok = len >= 3 && px[2] == p.r && px[1] == p.g && px[0] == p.b;
        free(reply);
        if (!ok)
            return false;
    }
    return true;
}

// The window's pixels as a binary PPM, to check by eye what was counted as the first frame.
void saveShot(xcb_connection_t *c, xcb_window_t window, int w, int h, const char *path) {
    auto cookie =
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, uint16_t(w), uint16_t(h), ~0U);
    xcb_get_image_reply_t *reply = xcb_get_image_reply(c, cookie, nullptr);
    if (!reply)
        return;
    const uint8_t *px = xcb_get_image_data(reply);
    if (FILE *f = std::fopen(path, "wb")) {
        std::fprintf(f, "P6\n%d %d\n255\n", w, h);
        for (int i = 0; i < w * h; ++i) {
            const uint8_t rgb[3] = {px[4 * i + 2], px[4 * i + 1], px[4 * i]};
            std::fwrite(rgb, 1, 3, f);
        }
        std::fclose(f);
    }
    free(reply);
}

std::string windowTitle(xcb_connection_t *c, xcb_window_t window) {
    auto cookie =
        xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply)
        return {};
    std::string title(static_cast<const char *>(xcb_get_property_value(reply)),
                      size_t(xcb_get_property_value_length(reply)));
    free(reply);
    for (char &ch : title)
        if (ch == ' ')
            ch = '_';
    return title;
}

} // namespace

int main(int argc, char **argv) {
    int timeoutMs = 20000;
    std::vector<Probe> probes;
    const char *shot = nullptr;
    bool verbose = false;
    int arg = 1;
    for (; arg < argc; ++arg) {
        if (std::strcmp(argv[arg], "--") == 0) {
            ++arg;
            break;
        }
        if (std::strcmp(argv[arg], "--timeout-ms") == 0 && arg + 1 < argc) {
            timeoutMs = std::atoi(argv[++arg]);
        } else if (std::strcmp(argv[arg], "--shot") == 0 && arg + 1 < argc) {
            shot = argv[++arg];
        } else if (std::strcmp(argv[arg], "--verbose") == 0) {
            verbose = true;
        } else if (std::strcmp(argv[arg], "--probe") == 0 && arg + 1 < argc) {
            Probe p;
            if (std::sscanf(argv[++arg], "%d,%d,%d,%d,%d", &p.x, &p.y, &p.r, &p.g, &p.b) != 5)
                fail("--probe wants X,Y,R,G,B");
            probes.push_back(p);
        } else {
            fail("usage: bench_firstframe [--timeout-ms N] [--probe X,Y,R,G,B]... -- program "
                 "[args...]");
        }
    }
    if (arg >= argc)
        fail("no program given");

    int screenNo = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNo);
    // Seen now and then on a busy machine right after the previous run's program was
    // killed; a second try a moment later succeeds.
    for (int tries = 0; xcb_connection_has_error(c) && tries < 5; ++tries) {
        xcb_disconnect(c);
        usleep(100000);
        c = xcb_connect(nullptr, &screenNo);
    }
    if (int error = xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_firstframe: cannot connect to the X server (xcb error %d)\n",
                     error);
        return 2;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNo; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;

    // Damage works only after both versions have been negotiated.
    const xcb_query_extension_reply_t *damageExt = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExt || !damageExt->present)
        fail("the X server has no Damage extension");
    free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 5, 0), nullptr));
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_damage_damage_t damage = xcb_generate_id(c);
    xcb_damage_create(c, damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    // A round trip, so that both are in force before the program starts.
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        execvp(argv[arg], argv + arg);
        _exit(127);
    }

    xcb_window_t target = XCB_NONE;
    int wx = 0, wy = 0, ww = 0, wh = 0;
    Coverage coverage;
    double mapMs = -1, frameMs = -1;
    long mapHwmKib = -1;
    const int fd = xcb_get_file_descriptor(c);
    while (frameMs < 0) {
        const double left = start + timeoutMs - nowMs();
        if (left <= 0)
            break;
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                break;
            pollfd pfd{fd, POLLIN, 0};
            poll(&pfd, 1, int(left) + 1);
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr,
                             "bench_firstframe: the program ended before its first frame\n");
                return 1;
            }
            continue;
        }
        const double at = nowMs();
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && target == XCB_NONE) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect) {
                auto *geo = xcb_get_geometry_reply(c, xcb_get_geometry(c, map->window), nullptr);
                if (geo && geo->width > 1 && geo->height > 1) {
                    target = map->window;
                    mapMs = at - start;
                    mapHwmKib = peakRssKib(child);
                    wx = geo->x;
                    wy = geo->y;
                    ww = geo->width;
                    wh = geo->height;
                    if (verbose)
                        std::fprintf(stderr, "%8.2f ms map %dx%d+%d+%d\n", mapMs, ww, wh, wx, wy);
                    coverage.reset(geo->width, geo->height);
                }
                free(geo);
            }
        } else if (type == damageExt->first_event + XCB_DAMAGE_NOTIFY && target != XCB_NONE) {
            const auto *d = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (verbose)
                std::fprintf(stderr, "%8.2f ms damage %dx%d+%d+%d\n", at - start, d->area.width,
                             d->area.height, d->area.x, d->area.y);
            coverage.add(d->area.x - wx, d->area.y - wy, d->area.width, d->area.height);
            if (coverage.complete() && probesMatch(c, target, probes)) {
                frameMs = at - start;
                if (shot)
                    saveShot(c, target, ww, wh, shot);
            }
        }
        free(event);
    }

    const std::string title = target != XCB_NONE ? windowTitle(c, target) : std::string();
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    // Its CPU time up to the frame (and a little after): tells work from waiting.
    const double cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    xcb_disconnect(c);
    if (frameMs < 0) {
        std::fprintf(stderr,
                     "bench_firstframe: no complete first frame within %d ms (map %.1f ms)\n",
                     timeoutMs, mapMs);
        return 1;
    }
    std::printf("map_ms=%.2f frame_ms=%.2f cpu_ms=%.2f map_hwm_kib=%ld window=%s\n", mapMs, frameMs,
                cpuMs, mapHwmKib, title.c_str());
    return 0;
}

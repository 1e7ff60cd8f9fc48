// Start-up as a user sees it on an X display: from starting a program to its main window
// mapped on the screen and painted, for the editor and for a bare Qt main window, in turn.
// The X server tells: MapNotify on the root window for the mapping, and a DAMAGE event on
// the window for its first drawing. Each program is closed as a window manager would close
// it (WM_DELETE_WINDOW), so the editor ends normally and keeps its settings like a user's.
//
//   bench_startup <editor> <bare window program> [pairs, at least 1, default 21]
//
// Needs DISPLAY; scripts/bench.sh runs it in Xvfb with a session bus. The editor's
// settings live in a fresh folder for the run; one unmeasured pair first fills it, so
// every measured start is a later start (preferences read, Tip of the Day shown).
// "mapped" is the MapNotify, "painted" the window's first drawing after it: what a user sees.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Both programs give their main window this title.
constexpr const char* kTitle = "Vantorel 99/00 V2.5";
constexpr auto kTimeout = std::chrono::seconds(60);

double msSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[std::size_t(q * double(v.size() - 1) + 0.5)];
}

double median(const std::vector<double>& v) {
    return quantile(v, 0.5);
}

struct StartTimes {
    double mappedMs = 0;
    double paintedMs = 0;
};

class Display {
public:
    Display() {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present)
            throw std::runtime_error("the X server has no DAMAGE extension");
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1),
                                            nullptr));
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_protocols = atom("WM_PROTOCOLS");
        m_deleteWindow = atom("WM_DELETE_WINDOW");
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Starts the program and waits for its window of kTitle to be mapped and painted.
    StartTimes start(const std::string& program, pid_t& pid) {
        m_window.reset();
        StartTimes times;
        std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
        const Clock::time_point started = Clock::now();
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
            throw std::runtime_error("cannot start " + program);
        bool painted = false;
        while (!painted) {
            xcb_generic_event_t* event = nextEvent(started + kTimeout);
            if (!event)
                throw std::runtime_error(program + " showed no window of its title in time");
            const Clock::time_point at = Clock::now();
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watch every new top-level window for drawing from its creation on.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                xcb_damage_create(m_connection, xcb_generate_id(m_connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(m_connection);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!m_window && title(mapped->window) == kTitle) {
                    m_window = mapped->window;
                    times.mappedMs = msSince(started, at);
                }
            } else if (type == m_damageEvent) {
                const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (m_window && damaged->drawable == *m_window) {
                    times.paintedMs = msSince(started, at);
                    painted = true;
                }
            }
            free(event);
        }
        return times;
    }

    // Asks the shown window to close, as a window manager's close button does.
    void close() {
        if (!m_window)
            return;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = *m_window;
        message.type = m_protocols;
        message.data.data32[0] = m_deleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, *m_window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }

    // Drops the events that came after the measure.
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            free(event);
    }

private:
    xcb_atom_t atom(const char* name) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(m_connection,
                                  xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name),
                                  nullptr),
            &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    std::string title(xcb_window_t window) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(
                m_connection,
                xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 64), nullptr),
            &free);
        if (!reply)
            return {};
        return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           std::size_t(xcb_get_property_value_length(reply.get())));
    }

    xcb_generic_event_t* nextEvent(Clock::time_point deadline) {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
                return event;
            if (xcb_connection_has_error(m_connection))
                throw std::runtime_error("lost the X display");
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return nullptr;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    std::uint8_t m_damageEvent = 0;
    xcb_atom_t m_protocols = XCB_ATOM_NONE;
    xcb_atom_t m_deleteWindow = XCB_ATOM_NONE;
    std::optional<xcb_window_t> m_window;
};

// Waits for the program to end after the close request; kills it if it does not.
void awaitEnd(Display& display, pid_t pid, const std::string& program) {
    const Clock::time_point deadline = Clock::now() + kTimeout;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "%s did not close; killed\n", program.c_str());
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        display.drain();
        usleep(2000);
    }
}

StartTimes measure(Display& display, const std::string& program) {
    pid_t pid = 0;
    StartTimes times;
    try {
        times = display.start(program, pid);
    } catch (...) {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        throw;
    }
    display.close();
    awaitEnd(display, pid, program);
    display.drain();
    return times;
}

struct Series {
    std::vector<double> mapped, painted;
    void add(const StartTimes& t) {
        mapped.push_back(t.mappedMs);
        painted.push_back(t.paintedMs);
    }
};

std::vector<double> ratios(const std::vector<double>& editor, const std::vector<double>& bare) {
    std::vector<double> r;
    for (std::size_t i = 0; i < editor.size(); ++i)
        r.push_back(editor[i] / bare[i]);
    return r;
}

void report(const char* what, const std::vector<double>& editor, const std::vector<double>& bare) {
    const std::vector<double> pairRatios = ratios(editor, bare);
    std::printf("  %-8s bare %6.1f ms, editor %6.1f ms: ratio of medians %.2f; pair ratios %.2f "
                "(quartiles %.2f-%.2f)\n",
                what, median(bare), median(editor), median(editor) / median(bare), median(pairRatios),
                quantile(pairRatios, 0.25), quantile(pairRatios, 0.75));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <editor> <bare window program> [pairs]\n", argv[0]);
        return 2;
    }
    const std::string editor = argv[1];
    const std::string bare = argv[2];
    const int pairs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;

    char folderTemplate[] = "/tmp/vantorel-startup-XXXXXX";
    if (!mkdtemp(folderTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    // The programs' settings and their runtime folder, as a desktop session gives them.
    const std::filesystem::path folder = folderTemplate;
    const std::filesystem::path runtime = folder / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);

    int status = 0;
    try {
        Display display;
        measure(display, bare);
        measure(display, editor); // the first start writes the settings
        Series bareTimes, editorTimes;
        for (int i = 0; i < pairs; ++i) {
            bareTimes.add(measure(display, bare));
            editorTimes.add(measure(display, editor));
        }
        std::printf("start to the main window on the X display (%s, session bus %s), %d pairs\n",
                    std::getenv("DISPLAY"), std::getenv("DBUS_SESSION_BUS_ADDRESS") ? "yes" : "no", pairs);
        report("mapped", editorTimes.mapped, bareTimes.mapped);
        report("painted", editorTimes.painted, bareTimes.painted);
        std::printf("RESULT\tstartup\tX start-up to painted window, bare Qt window\t%.1f\tms\n",
                    median(bareTimes.painted));
        std::printf("RESULT\tstartup\tX start-up to painted window, editor\t%.1f\tms\n",
                    median(editorTimes.painted));
        std::printf("RESULT\tstartup\tX start-up ratio editor / bare (painted)\t%.2f\tx\n",
                    median(editorTimes.painted) / median(bareTimes.painted));
        std::printf("RESULT\tstartup\tX start-up ratio editor / bare (mapped)\t%.2f\tx\n",
                    median(editorTimes.mapped) / median(bareTimes.mapped));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        status = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}

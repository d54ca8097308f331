// SPDX-License-Identifier: MIT
/* soakdrive: drives the running launcher for bench/soak.sh, as fast as a user
 * types, and counts the maps of its menu window.
 *
 *   soakdrive -w MENU -v VENDRASK [-T X,Y] [-l LOG] [-t ms] [-s ms] PHASE COUNT [FIRST]
 *
 * Keys are typed once the window that takes them has the focus and -s ms
 * (default 40) have passed; -t is how long a window may take (3000).
 *
 * PHASE:
 *   callups  COUNT call-ups, each followed by a hide; shown by the hot key, a
 *            tray click (xdotool) or `vendrask toggle` in turn, hidden by those
 *            or Escape
 *   starts   hot key, then letter A; LOG (one line per start) must grow
 *   edits    edit FIRST.. FIRST+COUNT-1 through the keyboard: an odd edit
 *            copies item B..E and pastes it onto Y, an even one deletes Y,
 *            each confirmed with Return in the confirmation window
 *   configs  configuration windows: `vendrask configure` or the menu's
 *            keyboard path in turn, closed with Escape, then the menu too
 *
 * Prints one line: phase=.. requested=N maps=M lost=L; exit 0 when every
 * request was honoured, 3 when some was lost.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static Display* dpy;
static Window root, menu;
static Atom a_active, a_netname, a_utf8;
static long maps, unmaps;
static int shown;
static Window active;
static const char *vendrask, *startlog;
static int trayx = -1, trayy = -1, timeout_ms = 3000;
static long lost;

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static Window read_active(void) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    Window w = 0;
    if (XGetWindowProperty(dpy, root, a_active, 0, 1, False, XA_WINDOW, &type, &format, &n, &after,
                           &data) == Success &&
        data && n == 1)
        w = (Window)(*(unsigned long*)data & 0xffffffffUL);
    if (data)
        XFree(data);
    return w;
}

/* The window's title, _NET_WM_NAME first; "" when it has none or is gone. */
static void window_name(Window w, char* out, size_t size) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    out[0] = 0;
    if (!w)
        return;
    if (XGetWindowProperty(dpy, w, a_netname, 0, 64, False, a_utf8, &type, &format, &n, &after,
                           &data) == Success &&
        data && n > 0)
        snprintf(out, size, "%.*s", (int)n, (char*)data);
    if (data)
        XFree(data);
}

static int ignore_errors(Display* d, XErrorEvent* e) {
    (void)d;
    (void)e;
    return 0; /* a window closed between the event and our question */
}

static void pump(int wait_ms) {
    if (!XPending(dpy)) {
        struct pollfd p = {.fd = ConnectionNumber(dpy), .events = POLLIN};
        poll(&p, 1, wait_ms);
    }
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == MapNotify && e.xmap.window == menu) {
            maps++;
            shown = 1;
            /* Left from the last showing (the window manager has not said
             * otherwise yet): this showing's focus is still to come. */
            if (active == menu)
                active = 0;
        } else if (e.type == UnmapNotify && e.xunmap.window == menu) {
            unmaps++;
            shown = 0;
        } else if (e.type == PropertyNotify && e.xproperty.atom == a_active)
            active = read_active();
    }
}

typedef int (*pred_fn)(const void*);
static int wait_for(pred_fn pred, const void* arg) {
    double t0 = now_ms();
    while (!pred(arg)) {
        if (now_ms() - t0 > timeout_ms)
            return 0;
        pump(5);
    }
    return 1;
}
static int p_maps(const void* n) {
    return maps >= *(const long*)n;
}
static int p_hidden(const void* a) {
    (void)a;
    return !shown;
}
static int p_active_named(const void* name) {
    char buf[128];
    window_name(active, buf, sizeof buf);
    return strcmp(buf, (const char*)name) == 0;
}
static int p_menu_active(const void* a) {
    (void)a;
    return shown && active == menu;
}

static void run(char* const argv[]) {
    pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        execvp(argv[0], argv);
        _exit(127);
    }
    if (pid > 0)
        waitpid(pid, NULL, 0);
}
static void verb(const char* v) {
    char* argv[] = {(char*)vendrask, (char*)v, NULL};
    run(argv);
}
/* Set at the start: the phase before (another run of this program) may
 * have clicked the tray a moment ago. */
static double last_tray_click;
static void tray_click(void) {
    /* Two clicks within the double-click time are a double click, which
     * toggles nothing (as the second press of one on the design's icon). */
    double since = now_ms() - last_tray_click;
    if (since < 500)
        usleep((useconds_t)((500 - since) * 1000));
    char x[16], y[16];
    snprintf(x, sizeof x, "%d", trayx);
    snprintf(y, sizeof y, "%d", trayy);
    char* argv[] = {"xdotool", "mousemove", x, y, "click", "1", NULL};
    run(argv);
    /* From the click's end: a slow start of xdotool must not shorten it. */
    last_tray_click = now_ms();
}

/* "ctrl+alt", "ctrl+c", "Return": press in order, release in reverse. */
static void chord(const char* keys) {
    char buf[64];
    KeyCode codes[4];
    int n = 0;
    snprintf(buf, sizeof buf, "%s", keys);
    for (char* tok = strtok(buf, "+"); tok && n < 4; tok = strtok(NULL, "+")) {
        const char* name = !strcmp(tok, "ctrl") ? "Control_L" : !strcmp(tok, "alt") ? "Alt_L" : tok;
        codes[n++] = XKeysymToKeycode(dpy, XStringToKeysym(name));
    }
    for (int i = 0; i < n; i++)
        XTestFakeKeyEvent(dpy, codes[i], True, CurrentTime);
    for (int i = n - 1; i >= 0; i--)
        XTestFakeKeyEvent(dpy, codes[i], False, CurrentTime);
}
static void keys(const char* k, int times) {
    for (int i = 0; i < times; i++)
        chord(k);
    XFlush(dpy);
}

enum { BY_HOTKEY, BY_TRAY, BY_TOGGLE, BY_ESCAPE };
static const char* method_name[] = {"hot key", "tray click", "vendrask toggle", "Escape"};
static void trigger(int method) {
    switch (method) {
    case BY_HOTKEY:
        keys("ctrl+alt", 1);
        break;
    case BY_TRAY:
        tray_click();
        break;
    case BY_TOGGLE:
        verb("toggle");
        break;
    default:
        keys("Escape", 1);
        break;
    }
}

static void fail(const char* phase, long i, const char* what) {
    lost++;
    fprintf(stderr, "soakdrive: %s #%ld: %s\n", phase, i, what);
    /* Back to a hidden menu with nothing open, whatever happened. */
    for (int k = 0; k < 3; k++) {
        keys("Escape", 1);
        pump(50);
    }
    verb("hide");
    wait_for(p_hidden, NULL);
}

static double spent_ms[2][4];
static long used[2][4];

static int show(const char* phase, long i, int method) {
    long want = maps + 1;
    double t0 = now_ms();
    trigger(method);
    spent_ms[0][method] += now_ms() - t0;
    used[0][method]++;
    if (!wait_for(p_maps, &want)) {
        char why[64];
        snprintf(why, sizeof why, "no map after %s", method_name[method]);
        fail(phase, i, why);
        return 0;
    }
    return 1;
}
static int hide(const char* phase, long i, int method) {
    double t0 = now_ms();
    if (method >= 0)
        trigger(method);
    int ok = wait_for(p_hidden, NULL);
    if (method >= 0) {
        spent_ms[1][method] += now_ms() - t0;
        used[1][method]++;
    }
    if (!ok) {
        char why[64];
        snprintf(why, sizeof why, "still shown after %s", method >= 0 ? method_name[method] : "it");
        fail(phase, i, why);
        return 0;
    }
    return 1;
}
static int expect_active(const char* phase, long i, const char* name) {
    if (wait_for(p_active_named, name))
        return 1;
    char why[96];
    snprintf(why, sizeof why, "\"%s\" did not get the keyboard", name);
    fail(phase, i, why);
    return 0;
}
static int expect_menu_back(const char* phase, long i) {
    if (wait_for(p_menu_active, NULL))
        return 1;
    fail(phase, i, "the keyboard did not come back to the menu");
    return 0;
}

/* A key typed the very moment the focus arrives is lost now and then (about
 * one Escape in 50); a typist is never that quick. */
static int settle_ms = 40;
static int ready_to_type(const char* phase, long i) {
    if (!expect_menu_back(phase, i))
        return 0;
    usleep(settle_ms * 1000);
    return 1;
}

static long lines(const char* path) {
    FILE* f = fopen(path, "r");
    long n = 0;
    int c;
    if (!f)
        return 0;
    while ((c = fgetc(f)) != EOF)
        n += c == '\n';
    fclose(f);
    return n;
}

/* Tray clicks kept apart, so that few of them wait out the double-click time. */
static const int show_by[12] = {BY_HOTKEY, BY_TRAY,   BY_HOTKEY, BY_TOGGLE, BY_HOTKEY, BY_TOGGLE,
                                BY_HOTKEY, BY_HOTKEY, BY_TOGGLE, BY_HOTKEY, BY_TOGGLE, BY_HOTKEY};
static const int hide_by[12] = {BY_TOGGLE, BY_HOTKEY, BY_ESCAPE, BY_HOTKEY, BY_ESCAPE, BY_HOTKEY,
                                BY_HOTKEY, BY_TRAY,   BY_HOTKEY, BY_ESCAPE, BY_TOGGLE, BY_HOTKEY};

static void callups(long count) {
    for (long i = 0; i < count; i++) {
        int by = show_by[i % 12], away = hide_by[i % 12];
        if (!show("callup", i, by))
            continue;
        if (away == BY_ESCAPE && !ready_to_type("callup", i))
            continue;
        hide("callup", i, away);
    }
}

static void starts(long count) {
    for (long i = 0; i < count; i++) {
        long want = maps + 1, target = lines(startlog) + 1;
        keys("ctrl+alt", 1);
        if (!wait_for(p_maps, &want)) {
            fail("start", i, "no map after hot key");
            continue;
        }
        if (!ready_to_type("start", i))
            continue;
        keys("a", 1);
        if (!hide("start", i, -1))
            continue;
        double t0 = now_ms();
        while (lines(startlog) < target && now_ms() - t0 < timeout_ms)
            usleep(1000);
        if (lines(startlog) < target)
            fail("start", i, "item A did not start");
    }
}

static void edits(long count, long first) {
    for (long n = first; n < first + count; n++) {
        const int paste = n % 2 == 1;
        const int source = (int)((n / 2) % 4) + 1; /* B..E */
        if (!show("edit", n, BY_HOTKEY) || !ready_to_type("edit", n))
            continue;
        keys("0", 1); /* group 0 and its button focused: no item has the focus */
        if (paste) {
            keys("Down", source + 1); /* A is the first Down */
            keys("ctrl+c", 1);
            keys("Up", source + 2); /* back over A and Z onto Y */
            keys("ctrl+v", 1);
        } else {
            keys("Up", 2); /* Z, then Y */
            keys("ctrl+d", 1);
        }
        if (!expect_active("edit", n, "Vendrask Confirmation"))
            continue;
        usleep(settle_ms * 1000);
        keys("Return", 1);
        if (!expect_menu_back("edit", n))
            continue;
        usleep(settle_ms * 1000);
        hide("edit", n, BY_ESCAPE);
    }
}

static void configs(long count, long first) {
    for (long n = first; n < first + count; n++) {
        if (n % 2 == 0) {
            long want = maps + 1;
            verb("configure");
            if (!wait_for(p_maps, &want)) {
                fail("config", n, "no map after configure");
                continue;
            }
        } else {
            if (!show("config", n, BY_HOTKEY) || !ready_to_type("config", n))
                continue;
            /* From the group button Up focuses Z; "Configuration" follows it
             * in the tab order. */
            keys("0", 1);
            keys("Up", 1);
            keys("Tab", 1);
            keys("Return", 1);
        }
        if (!expect_active("config", n, "Vendrask Configuration"))
            continue;
        /* Return clicked the button with the real pointer; off the menu
         * again, or the next show hands the focus to the button under it. */
        XTestFakeMotionEvent(dpy, -1, 40, DisplayHeight(dpy, DefaultScreen(dpy)) - 40, CurrentTime);
        usleep(settle_ms * 1000);
        keys("Escape", 1);
        if (!ready_to_type("config", n))
            continue;
        hide("config", n, BY_ESCAPE);
    }
}

int main(int argc, char** argv) {
    int opt;
    while ((opt = getopt(argc, argv, "w:v:T:l:t:s:")) != -1) {
        switch (opt) {
        case 'w':
            menu = strtoul(optarg, NULL, 0);
            break;
        case 'v':
            vendrask = optarg;
            break;
        case 'T':
            if (sscanf(optarg, "%d,%d", &trayx, &trayy) != 2)
                return 1;
            break;
        case 'l':
            startlog = optarg;
            break;
        case 't':
            timeout_ms = atoi(optarg);
            break;
        case 's':
            settle_ms = atoi(optarg);
            break;
        default:
            return 1;
        }
    }
    if (!menu || !vendrask || optind + 2 > argc) {
        fprintf(stderr, "usage: soakdrive -w MENU -v VENDRASK [-T X,Y] [-l LOG] "
                        "callups|starts|edits|configs COUNT [FIRST]\n");
        return 1;
    }
    const char* phase = argv[optind];
    long count = atol(argv[optind + 1]);
    long first = optind + 2 < argc ? atol(argv[optind + 2]) : 0;
    if ((!strcmp(phase, "callups") && trayx < 0) || (!strcmp(phase, "starts") && !startlog)) {
        fprintf(stderr, "soakdrive: callups needs -T, starts needs -l\n");
        return 1;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "soakdrive: no display\n");
        return 1;
    }
    XSetErrorHandler(ignore_errors);
    root = DefaultRootWindow(dpy);
    a_active = XInternAtom(dpy, "_NET_ACTIVE_WINDOW", False);
    a_netname = XInternAtom(dpy, "_NET_WM_NAME", False);
    a_utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    XSelectInput(dpy, root, PropertyChangeMask);
    XSelectInput(dpy, menu, StructureNotifyMask);
    XWindowAttributes wa;
    if (!XGetWindowAttributes(dpy, menu, &wa)) {
        fprintf(stderr, "soakdrive: no window\n");
        return 1;
    }
    shown = wa.map_state != IsUnmapped;
    active = read_active();
    XSync(dpy, False);

    last_tray_click = now_ms();
    long before = maps;
    if (!strcmp(phase, "callups"))
        callups(count);
    else if (!strcmp(phase, "starts"))
        starts(count);
    else if (!strcmp(phase, "edits"))
        edits(count, first);
    else if (!strcmp(phase, "configs"))
        configs(count, first);
    else {
        fprintf(stderr, "soakdrive: unknown phase %s\n", phase);
        return 1;
    }
    pump(0);
    for (int k = 0; k < 2; k++)
        for (int m = 0; m < 4; m++)
            if (used[k][m])
                printf("%s by %s: %.1f ms each over %ld\n", k ? "hide" : "show", method_name[m],
                       spent_ms[k][m] / used[k][m], used[k][m]);
    printf("phase=%s requested=%ld maps=%ld lost=%ld\n", phase, count, maps - before, lost);
    return lost || maps - before != count ? 3 : 0;
}

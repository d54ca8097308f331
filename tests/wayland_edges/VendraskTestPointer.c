// SPDX-License-Identifier: MIT
/* A second program on the test compositor: a virtual pointer (the wlr
 * virtual-pointer protocol), moved and pressed by commands on stdin, one per
 * line, each answered with "ok" once the compositor has seen it:
 *   move X Y       absolute, in the layout's pixels (extent W x H)
 *   press | release | click | doubleclick   the left button
 *   line X0 Y0 X1 Y1 N   N moves from one point to the other, 1 ms apart
 *   window         maps a plain white window (the compositor places it)
 * Usage: vendrask-test-pointer W H */
#define _GNU_SOURCE
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>

static struct zwlr_virtual_pointer_manager_v1* manager;
static struct wl_seat* seat;
static struct wl_compositor* compositor;
static struct wl_shm* shm;
static struct xdg_wm_base* wm_base;
static struct wl_surface* window;
static struct wl_buffer* buffer;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, wl_seat_interface.name) == 0 && seat == NULL)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, wl_compositor_interface.name) == 0)
        compositor = wl_registry_bind(registry, name, &wl_compositor_interface, 1);
    else if (strcmp(interface, wl_shm_interface.name) == 0)
        shm = wl_registry_bind(registry, name, &wl_shm_interface, 1);
    else if (strcmp(interface, xdg_wm_base_interface.name) == 0)
        wm_base = wl_registry_bind(registry, name, &xdg_wm_base_interface, 1);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global, global_remove};

static void ping(void* data, struct xdg_wm_base* base, uint32_t serial) {
    (void)data;
    xdg_wm_base_pong(base, serial);
}
static const struct xdg_wm_base_listener wm_base_listener = {ping};

static void surface_configure(void* data, struct xdg_surface* surface, uint32_t serial) {
    (void)data;
    xdg_surface_ack_configure(surface, serial);
    wl_surface_attach(window, buffer, 0, 0);
    wl_surface_commit(window);
}
static const struct xdg_surface_listener surface_listener = {surface_configure};

static void toplevel_configure(void* data, struct xdg_toplevel* toplevel, int32_t width,
                               int32_t height, struct wl_array* states) {
    (void)data;
    (void)toplevel;
    (void)width;
    (void)height;
    (void)states;
}
static void toplevel_close(void* data, struct xdg_toplevel* toplevel) {
    (void)data;
    (void)toplevel;
}
static const struct xdg_toplevel_listener toplevel_listener = {.configure = toplevel_configure,
                                                               .close = toplevel_close};

static void make_window(void) {
    /* Opaque white, larger than an output: the compositor shrinks nothing of
     * it that matters, the window covers where it is tiled. */
    const int width = 1280, height = 800, stride = width * 4, size = stride * height;
    int fd = memfd_create("vendrask-test-window", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0)
        exit(1);
    void* pixels = mmap(NULL, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED)
        exit(1);
    memset(pixels, 0xff, size);
    munmap(pixels, size);
    struct wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
    buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    xdg_wm_base_add_listener(wm_base, &wm_base_listener, NULL);
    window = wl_compositor_create_surface(compositor);
    struct xdg_surface* surface = xdg_wm_base_get_xdg_surface(wm_base, window);
    xdg_surface_add_listener(surface, &surface_listener, NULL);
    struct xdg_toplevel* toplevel = xdg_surface_get_toplevel(surface);
    xdg_toplevel_add_listener(toplevel, &toplevel_listener, NULL);
    xdg_toplevel_set_title(toplevel, "vendrask-test-window");
    wl_surface_commit(window);
}

static uint32_t now_ms(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static void button(struct zwlr_virtual_pointer_v1* pointer, int pressed) {
    zwlr_virtual_pointer_v1_button(pointer, now_ms(), BTN_LEFT,
                                   pressed ? WL_POINTER_BUTTON_STATE_PRESSED
                                           : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer);
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: vendrask-test-pointer WIDTH HEIGHT\n");
        return 2;
    }
    const uint32_t width = (uint32_t)atoi(argv[1]), height = (uint32_t)atoi(argv[2]);
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "vendrask-test-pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (manager == NULL) {
        fprintf(stderr, "vendrask-test-pointer: no virtual pointer here\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    setvbuf(stdout, NULL, _IOLBF, 0);
    char line[256];
    while (fgets(line, sizeof line, stdin) != NULL) {
        unsigned x = 0, y = 0, x1 = 0, y1 = 0, n = 0;
        if (sscanf(line, "line %u %u %u %u %u", &x, &y, &x1, &y1, &n) == 5 && n > 1) {
            /* As a 1 kHz mouse would. */
            for (unsigned i = 0; i < n; ++i) {
                const double t = (double)i / (n - 1);
                zwlr_virtual_pointer_v1_motion_absolute(
                    pointer, now_ms(), (uint32_t)(x + t * ((double)x1 - x) + 0.5),
                    (uint32_t)(y + t * ((double)y1 - y) + 0.5), width, height);
                zwlr_virtual_pointer_v1_frame(pointer);
                wl_display_flush(display);
                const struct timespec ms = {0, 1000000};
                nanosleep(&ms, NULL);
            }
        } else if (sscanf(line, "move %u %u", &x, &y) == 2) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strncmp(line, "press", 5) == 0) {
            button(pointer, 1);
        } else if (strncmp(line, "release", 7) == 0) {
            button(pointer, 0);
        } else if (strncmp(line, "click", 5) == 0) {
            button(pointer, 1);
            button(pointer, 0);
        } else if (strncmp(line, "doubleclick", 11) == 0) {
            for (int i = 0; i < 2; ++i) {
                button(pointer, 1);
                button(pointer, 0);
            }
        } else if (strncmp(line, "window", 6) == 0 && wm_base != NULL && shm != NULL) {
            make_window();
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        puts("ok");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}

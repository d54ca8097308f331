// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonLayerShellGlue.h"

#include "wlr-layer-shell-unstable-v1-client-protocol.h"

_Static_assert(sizeof(struct kelvo_layer_surface_listener) ==
                   sizeof(struct zwlr_layer_surface_v1_listener),
               "the listener mirrors the generated one");

const struct wl_interface* kelvo_layer_shell_interface(void) {
    return &zwlr_layer_shell_v1_interface;
}

struct zwlr_layer_surface_v1*
kelvo_layer_shell_get_surface(struct zwlr_layer_shell_v1* shell, struct wl_surface* surface,
                              struct wl_output* output, uint32_t layer, uint32_t anchor,
                              uint32_t width, uint32_t height, const char* purpose,
                              const struct kelvo_layer_surface_listener* listener, void* data) {
    struct zwlr_layer_surface_v1* layer_surface =
        zwlr_layer_shell_v1_get_layer_surface(shell, surface, output, layer, purpose);
    zwlr_layer_surface_v1_add_listener(
        layer_surface, (const struct zwlr_layer_surface_v1_listener*)listener, data);
    zwlr_layer_surface_v1_set_anchor(layer_surface, anchor);
    zwlr_layer_surface_v1_set_size(layer_surface, width, height);
    zwlr_layer_surface_v1_set_exclusive_zone(layer_surface, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layer_surface, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    return layer_surface;
}

void kelvo_layer_surface_ack_configure(struct zwlr_layer_surface_v1* surface, uint32_t serial) {
    zwlr_layer_surface_v1_ack_configure(surface, serial);
}

void kelvo_layer_surface_destroy(struct zwlr_layer_surface_v1* surface) {
    zwlr_layer_surface_v1_destroy(surface);
}

// SPDX-License-Identifier: MIT
#pragma once

// The layer-shell calls the hook makes. The generated protocol header names
// an argument "namespace", which C++ cannot compile, so only this C glue
// includes it.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

struct wl_interface;
struct wl_output;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// Laid out as the generated zwlr_layer_surface_v1_listener.
struct kelvo_layer_surface_listener {
    void (*configure)(void* data, struct zwlr_layer_surface_v1* surface, uint32_t serial,
                      uint32_t width, uint32_t height);
    void (*closed)(void* data, struct zwlr_layer_surface_v1* surface);
};

const struct wl_interface* kelvo_layer_shell_interface(void);
// A layer surface on that output and layer, anchored and sized as given,
// reserving no space and never taking the keyboard; the listener must
// outlive it.
struct zwlr_layer_surface_v1*
kelvo_layer_shell_get_surface(struct zwlr_layer_shell_v1* shell, struct wl_surface* surface,
                              struct wl_output* output, uint32_t layer, uint32_t anchor,
                              uint32_t width, uint32_t height, const char* purpose,
                              const struct kelvo_layer_surface_listener* listener, void* data);
void kelvo_layer_surface_ack_configure(struct zwlr_layer_surface_v1* surface, uint32_t serial);
void kelvo_layer_surface_destroy(struct zwlr_layer_surface_v1* surface);

#ifdef __cplusplus
}
#endif

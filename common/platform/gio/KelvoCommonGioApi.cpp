// SPDX-License-Identifier: MIT
#include "common/platform/gio/KelvoCommonGioApi.h"

#include "common/KelvoCommonLog.h"

#include <QElapsedTimer>
#include <cstring>
#include <dlfcn.h>

namespace {

template <typename Function>
void Bind(void* library, const char* name, Function& function, bool& complete) {
    void* symbol = dlsym(library, name);
    // Copied, not cast: ISO C++ has no cast from object to function pointer.
    std::memcpy(&function, &symbol, sizeof function);
    complete = complete && symbol != nullptr;
}

const KelvoGioApi& Load() {
    static KelvoGioApi api;
    QElapsedTimer clock;
    clock.start();
    // GObject comes with it and is found through it.
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        qFatal("cannot load GIO: %s", dlerror());
    bool complete = true;
#define KELVO_GIO_BIND(name) Bind(library, "g_" #name, api.name, complete);
    KELVO_GIO_FUNCTIONS(KELVO_GIO_BIND)
#undef KELVO_GIO_BIND
    if (!complete)
        qFatal("the GIO library lacks a function we use");
    qCDebug(lcKelvoCommon, "shell: GIO loaded in %.1f ms",
            static_cast<double>(clock.nsecsElapsed()) / 1e6);
    return api;
}

} // namespace

const KelvoGioApi& KelvoGio() {
    static const KelvoGioApi& loaded = Load();
    return loaded;
}

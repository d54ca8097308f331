// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11Listener.h"

#include "common/KelvoCommonLog.h"

#include <QGuiApplication>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace {

std::mutex g_instanceMutex;
std::weak_ptr<CKelvoCommonX11Listener> g_instance;
bool g_reported = false;

} // namespace

QByteArray CKelvoCommonX11Listener::QtDisplayName() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->display() == nullptr)
        return {};
    return QByteArray(DisplayString(x11->display()));
}

std::shared_ptr<CKelvoCommonX11Listener> CKelvoCommonX11Listener::Acquire() {
    std::lock_guard lock(g_instanceMutex);
    if (auto listener = g_instance.lock())
        return listener;
    const QByteArray name = QtDisplayName();
    if (name.isEmpty())
        return nullptr; // not X11: the caller says what this means

    std::shared_ptr<CKelvoCommonX11Listener> listener(new CKelvoCommonX11Listener);
    if (!listener->Open(name.constData())) {
        if (!g_reported)
            qCWarning(lcKelvoCommon) << "cannot open private connections to X display" << name;
        g_reported = true;
        return nullptr; // the destructor closes what was opened
    }
    listener->m_thread = std::thread([raw = listener.get()] { raw->Run(); });
    g_instance = listener;
    return listener;
}

bool CKelvoCommonX11Listener::Open(const char* displayName) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_wakeRead = fds[0];
    m_wakeWrite = fds[1];

    int screen = 0;
    m_grab = xcb_connect(displayName, &screen);
    if (xcb_connection_has_error(m_grab) != 0)
        return false;
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(m_grab));
    for (int i = 0; i < screen && roots.rem > 0; ++i)
        xcb_screen_next(&roots);
    if (roots.rem == 0)
        return false;
    m_root = roots.data->root;

    m_raw = XOpenDisplay(displayName);
    if (m_raw == nullptr)
        return false;
    int event = 0, error = 0, opcode = 0;
    if (XQueryExtension(m_raw, "XInputExtension", &opcode, &event, &error) != 0) {
        int major = 2, minor = 2;
        if (XIQueryVersion(m_raw, &major, &minor) == 0 && (major > 2 || (major == 2 && minor >= 2)))
            m_xiOpcode = opcode;
    }
    if (m_xiOpcode == 0)
        qCWarning(lcKelvoCommon) << "the X server lacks XInput 2.2: no raw input events";
    return true;
}

CKelvoCommonX11Listener::~CKelvoCommonX11Listener() {
    if (m_thread.joinable()) {
        m_stop.store(true);
        Wake();
        m_thread.join();
    }
    if (m_raw != nullptr)
        XCloseDisplay(m_raw);
    if (m_grab != nullptr)
        xcb_disconnect(m_grab);
    if (m_wakeRead >= 0)
        ::close(m_wakeRead);
    if (m_wakeWrite >= 0)
        ::close(m_wakeWrite);
}

int CKelvoCommonX11Listener::AddRawHandler(std::uint32_t typeMask, RawHandler handler,
                                           BatchEndHandler batchEnd) {
    if (!HasRawEvents())
        return 0;
    int id = 0;
    RunAndWait([&] {
        id = m_nextId++;
        m_rawHandlers.emplace(id, RawEntry{typeMask, std::move(handler), std::move(batchEnd)});
        SelectRawEvents();
    });
    return id;
}

int CKelvoCommonX11Listener::AddCoreHandler(CoreHandler handler) {
    int id = 0;
    RunAndWait([&] {
        id = m_nextId++;
        m_coreHandlers.emplace(id, std::move(handler));
    });
    return id;
}

void CKelvoCommonX11Listener::RemoveHandler(int id) {
    if (id == 0)
        return;
    RunAndWait([&] {
        m_coreHandlers.erase(id);
        if (m_rawHandlers.erase(id) > 0)
            SelectRawEvents();
    });
}

void CKelvoCommonX11Listener::RunAndWait(const std::function<void()>& function) {
    if (IsListenerThread()) {
        function();
        return;
    }
    bool done = false;
    std::unique_lock lock(m_taskMutex);
    if (m_finished) {
        lock.unlock();
        function();
        return;
    }
    m_tasks.emplace_back([&] {
        function();
        std::lock_guard doneLock(m_taskMutex);
        done = true;
        m_taskDone.notify_all();
    });
    Wake();
    m_taskDone.wait(lock, [&] { return done; });
}

void CKelvoCommonX11Listener::Post(std::function<void()> function) {
    {
        std::lock_guard lock(m_taskMutex);
        m_tasks.push_back(std::move(function));
    }
    Wake();
}

void CKelvoCommonX11Listener::Wake() {
    const char byte = 1;
    // A full pipe already wakes the thread; nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(m_wakeWrite, &byte, 1);
}

void CKelvoCommonX11Listener::Run() {
    while (!m_stop.load()) {
        RunTasks();
        DrainRaw();
        DrainGrab();
        // Requests a handler or task made must reach the server before we sleep.
        XFlush(m_raw);
        if (!m_grabBroken)
            xcb_flush(m_grab);
        // Events read while flushing or by a round trip wait in the queues.
        if (XPending(m_raw) > 0)
            continue;

        pollfd fds[3] = {{m_wakeRead, POLLIN, 0},
                         {ConnectionNumber(m_raw), POLLIN, 0},
                         {m_grabBroken ? -1 : xcb_get_file_descriptor(m_grab), POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0 && errno != EINTR) {
            qCWarning(lcKelvoCommon) << "X11 listener: poll failed, errno" << errno;
            break;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            char buffer[64];
            while (::read(m_wakeRead, buffer, sizeof buffer) > 0) {
            }
        }
    }
    // Tasks still queued, or asked for from now on, must not leave their
    // callers waiting.
    {
        std::lock_guard lock(m_taskMutex);
        m_finished = true;
    }
    RunTasks();
}

void CKelvoCommonX11Listener::RunTasks() {
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(m_taskMutex);
            if (m_tasks.empty())
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}

void CKelvoCommonX11Listener::DrainRaw() {
    std::vector<int> reached;
    while (XPending(m_raw) > 0) {
        XEvent event;
        XNextEvent(m_raw, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_xiOpcode)
            continue;
        if (XGetEventData(m_raw, cookie) == 0)
            continue;
        const auto* xi = static_cast<const XIRawEvent*>(cookie->data);
        CKelvoCommonX11RawEvent raw;
        raw.type = xi->evtype;
        raw.detail = xi->detail;
        raw.time = static_cast<std::uint32_t>(xi->time);
        raw.sourceId = xi->sourceid;
        XFreeEventData(m_raw, cookie);

        // A handler may remove handlers: look each one up afresh.
        std::vector<int> ids;
        for (const auto& [id, entry] : m_rawHandlers) {
            if ((entry.typeMask & (1u << raw.type)) != 0)
                ids.push_back(id);
        }
        for (int id : ids) {
            auto entry = m_rawHandlers.find(id);
            if (entry == m_rawHandlers.end())
                continue;
            entry->second.handler(raw);
            if (std::find(reached.cbegin(), reached.cend(), id) == reached.cend())
                reached.push_back(id);
        }
    }
    for (int id : reached) {
        auto entry = m_rawHandlers.find(id);
        if (entry != m_rawHandlers.end() && entry->second.batchEnd)
            entry->second.batchEnd();
    }
}

void CKelvoCommonX11Listener::DrainGrab() {
    if (m_grabBroken)
        return;
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_grab)) {
        std::vector<int> ids;
        for (const auto& entry : m_coreHandlers)
            ids.push_back(entry.first);
        for (int id : ids) {
            auto entry = m_coreHandlers.find(id);
            if (entry != m_coreHandlers.end())
                entry->second(*event);
        }
        std::free(event);
    }
    if (xcb_connection_has_error(m_grab) != 0) {
        qCWarning(lcKelvoCommon) << "X11 listener: the grab connection broke";
        m_grabBroken = true;
    }
}

void CKelvoCommonX11Listener::SelectRawEvents() {
    std::uint32_t types = 0;
    for (const auto& entry : m_rawHandlers)
        types |= entry.second.typeMask;
    if (types == m_selectedTypes || m_xiOpcode == 0)
        return;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    for (int type = 0; type <= XI_LASTEVENT && type < 32; ++type) {
        if ((types & (1u << type)) != 0)
            XISetMask(bits, type);
    }
    XIEventMask mask;
    // Master devices only, or each event arrives once per device level.
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof bits;
    mask.mask = bits;
    XISelectEvents(m_raw, DefaultRootWindow(m_raw), &mask, 1);
    // The selection is in force before the caller goes on.
    XSync(m_raw, 0);
    m_selectedTypes = types;
}

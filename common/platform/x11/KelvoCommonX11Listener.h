// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <xcb/xcb.h>

struct _XDisplay;

// One raw input event of the whole display, as XInput2 reports it for the
// master devices.
struct CKelvoCommonX11RawEvent {
    int type = 0;           // XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, ...
    int detail = 0;         // key code or button number
    std::uint32_t time = 0; // server time
    int sourceId = 0;       // the physical (slave) device
};

// The process's X11 listener thread. It owns two private X connections:
// one that carries only passive key grabs, and one that selects XInput2 raw
// events on the root window and holds no grab (the server withholds raw
// events from a client while it holds a root grab). The thread sleeps in
// poll() on both and on a wake pipe, so it costs nothing while idle.
//
// Handlers run on the listener thread; they decide and post their results
// to the UI thread (QMetaObject::invokeMethod, queued). Both connections are
// touched only on the listener thread: other threads go through RunAndWait
// or Post. A handler must never wait for the UI thread, because removing a
// handler from the UI thread waits until no handler runs.
class CKelvoCommonX11Listener final {
public:
    using RawHandler = std::function<void(const CKelvoCommonX11RawEvent&)>;
    using CoreHandler = std::function<void(const xcb_generic_event_t&)>;
    using BatchEndHandler = std::function<void()>;

    // The listener of this process, started on first use and stopped when
    // the last user lets go. Null when Qt does not run on an X11 display
    // (an X11 display that cannot be reached is logged once).
    static std::shared_ptr<CKelvoCommonX11Listener> Acquire();
    // The name of the display Qt runs on; empty when Qt does not run on X11.
    static QByteArray QtDisplayName();

    ~CKelvoCommonX11Listener();
    CKelvoCommonX11Listener(const CKelvoCommonX11Listener&) = delete;
    CKelvoCommonX11Listener& operator=(const CKelvoCommonX11Listener&) = delete;

    // Whether the raw connection has XInput 2.2 or later.
    bool HasRawEvents() const { return m_xiOpcode != 0; }

    // Listener thread only (inside RunAndWait, Post or a handler):
    xcb_connection_t* GrabConnection() const { return m_grab; }
    xcb_window_t Root() const { return m_root; }
    _XDisplay* RawDisplay() const { return m_raw; }

    // Raw events of the given XInput2 types (a bit 1 << XI_RawKeyPress and
    // so on per type). batchEnd, if set, runs after each batch of events
    // that reached the handler (e.g. to merge a burst of motion). The union
    // of every handler's types is selected on the root window. Returns an
    // id for RemoveHandler; 0 when there are no raw events.
    int AddRawHandler(std::uint32_t typeMask, RawHandler handler, BatchEndHandler batchEnd = {});
    // Events arriving on the grab connection (key presses of the grabs,
    // mapping changes).
    int AddCoreHandler(CoreHandler handler);
    // When this returns, the handler neither runs nor will run again.
    void RemoveHandler(int id);

    // Runs the function on the listener thread and returns once it has run
    // (at once when called on the listener thread).
    void RunAndWait(const std::function<void()>& function);
    // Runs the function on the listener thread soon.
    void Post(std::function<void()> function);
    bool IsListenerThread() const { return std::this_thread::get_id() == m_thread.get_id(); }

private:
    struct RawEntry {
        std::uint32_t typeMask;
        RawHandler handler;
        BatchEndHandler batchEnd;
    };

    CKelvoCommonX11Listener() = default;
    bool Open(const char* displayName);
    void Run();
    void RunTasks();
    void DrainRaw();
    void DrainGrab();
    void SelectRawEvents();
    void Wake();

    _XDisplay* m_raw = nullptr;
    xcb_connection_t* m_grab = nullptr;
    xcb_window_t m_root = 0;
    int m_xiOpcode = 0;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::uint32_t m_selectedTypes = 0;
    bool m_grabBroken = false;

    // Listener thread only.
    int m_nextId = 1;
    std::map<int, RawEntry> m_rawHandlers;
    std::map<int, CoreHandler> m_coreHandlers;

    std::mutex m_taskMutex;
    std::condition_variable m_taskDone;
    std::deque<std::function<void()>> m_tasks;
    bool m_finished = false; // the thread has ended; tasks run where they are asked
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QPoint>
#include <QRect>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QObject;

// What the hook procedure learns about one mouse event.
struct CKelvoCommonHookMouseData {
    QPoint point;             // pointer position in screen pixels
    bool overDesktop = false; // the window under the pointer is the bare desktop (presses only)
};

// Which parts of the screen the hook acts on: edges of the screen and
// the bare desktop's double click.
struct CKelvoCommonHookMouseAreas {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    bool desktop = false;

    bool operator==(const CKelvoCommonHookMouseAreas&) const = default;
};

// The screens as the hook sees them. Written on the UI thread, read on any;
// a read during a change may see a mix for that one event.
class CKelvoCommonHookScreens final {
public:
    static constexpr std::size_t kMost = 8;
    void Store(const std::vector<QRect>& screens);
    std::vector<QRect> Load() const;

private:
    std::atomic<std::size_t> m_count{0};
    std::array<std::array<std::atomic<int>, 4>, kMost> m_rects{};
};

// Where the mouse hook's events come from: every pointer move and button
// press of the whole display, whichever program has the pointer. Left
// presses become single presses or double clicks here, by the desktop's
// double-click rule, the same way for every source.
class CKelvoCommonHookMouseSource {
public:
    // The mouse message ids the hook procedure sees.
    static constexpr int kMouseMove = 0x0200;
    static constexpr int kLeftButtonDown = 0x0201;
    static constexpr int kLeftButtonDoubleClick = 0x0203;
    static constexpr int kRightButtonDown = 0x0204;
    static constexpr int kMiddleButtonDown = 0x0207;

    using Sink = std::function<void(int message, const CKelvoCommonHookMouseData& data)>;

    virtual ~CKelvoCommonHookMouseSource();
    CKelvoCommonHookMouseSource(const CKelvoCommonHookMouseSource&) = delete;
    CKelvoCommonHookMouseSource& operator=(const CKelvoCommonHookMouseSource&) = delete;

    // Starts delivering events to the sink, on a thread of the source's
    // choosing. False when this session has no such events (said once).
    virtual bool Start(Sink sink) = 0;
    // When this returns, the sink neither runs nor will run again.
    virtual void Stop() = 0;
    // Where the pointer is now. UI thread.
    virtual QPoint CursorPos() = 0;
    // Every screen, in the pixels of the positions above. Any thread.
    std::vector<QRect> Screens() const { return m_screens.Load(); }
    // The areas the hook acts on now: before Start and at every change. A
    // source that sees the whole display anyway may ignore it; one that
    // must watch each area itself follows it at once. UI thread.
    virtual void SetAreas(const CKelvoCommonHookMouseAreas& areas);

    // A second left press within intervalMs of the first and at most
    // distance pixels away from it (each axis) completes a double click.
    void SetDoubleClickRule(int intervalMs, int distance);
    // The rule from the desktop's settings (Qt's style hints). UI thread.
    void TakeDoubleClickRuleFromDesktop();

protected:
    CKelvoCommonHookMouseSource();
    // kLeftButtonDoubleClick when this press completes a pair, else
    // kLeftButtonDown; a third quick press starts a new pair. timeMs wraps.
    int LeftPressMessage(QPoint point, std::uint32_t timeMs);
    // Another button between two left presses breaks the pair.
    void OtherButtonPressed() { m_havePress = false; }
    // Follows the desktop's screens from now on; devicePixels: the
    // positions come in device pixels (X11), else in Qt's logical ones. UI thread.
    void TrackScreens(bool devicePixels);
    void SetScreens(const std::vector<QRect>& screens) { m_screens.Store(screens); }

private:
    void ReadScreens(bool devicePixels);

    CKelvoCommonHookScreens m_screens;
    std::unique_ptr<QObject> m_screenWatch;
    std::unique_ptr<QObject> m_geometryWatch;
    std::atomic<int> m_intervalMs{400};
    std::atomic<int> m_distance{5};
    // The source's delivering thread only.
    bool m_havePress = false;
    QPoint m_lastPoint;
    std::uint32_t m_lastTime = 0;
};

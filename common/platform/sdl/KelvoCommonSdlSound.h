// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonSound.h"

#include <chrono>
#include <cstdint>
#include <memory>

class QTimer;

// Plays wave data through SDL's audio subsystem, which is started with the
// first sound. A wave is decoded and converted to the device's format on the
// calling thread; SDL's audio thread only copies it out. The device is closed
// again after a quiet spell, so an idle launcher keeps no audio stream open.
// Without a usable audio device every sound is silent, and that is logged
// once.
class CKelvoCommonSdlSound final : public CKelvoCommonSound {
public:
    // Waves beyond these are refused rather than decoded into memory.
    static constexpr std::int64_t kMaxWaveBytes = 64 * 1024 * 1024;
    static constexpr int kMaxSeconds = 300;
    // After a failed start, audio is not tried again for this long, so a
    // machine without sound costs nothing per hovered button.
    static constexpr std::chrono::seconds kRetryDelay{60};

    explicit CKelvoCommonSdlSound(std::chrono::milliseconds idleClose = std::chrono::seconds(10));
    ~CKelvoCommonSdlSound() override;
    CKelvoCommonSdlSound(const CKelvoCommonSdlSound&) = delete;
    CKelvoCommonSdlSound& operator=(const CKelvoCommonSdlSound&) = delete;

    // A new sound stops the current one even when it turns out to be
    // unplayable, as a request for "no sound" would.
    void Play(const QByteArray& data, int flags) override;
    void Stop() override;

    // Whether the device is still being fed a sound.
    bool IsPlaying() const;
    bool IsDeviceOpen() const { return m_device != 0; }

private:
    struct Voice;

    bool OpenDevice();
    void CloseDevice();
    void ScheduleIdleClose(std::chrono::milliseconds soundLength);

    std::chrono::milliseconds m_idleClose;
    // Read by SDL's audio thread; changed only under SDL_LockAudioDevice.
    std::unique_ptr<Voice> m_voice;
    std::unique_ptr<QTimer> m_idleTimer;
    std::uint32_t m_device = 0; // SDL_AudioDeviceID
    bool m_subsystemStarted = false;
    bool m_failureLogged = false;
    std::chrono::steady_clock::time_point m_retryAfter{};
};

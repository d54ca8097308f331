#include "KelvoCommonSdlSound.h"

#include "KelvoCommonLog.h"

#include <QCoreApplication>
#include <QTimer>
#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Every wave is converted to this one format, so the device never has to
// be reopened for a different one.
constexpr int kDeviceRate = 44100;
constexpr SDL_AudioFormat kDeviceFormat = AUDIO_S16SYS;
constexpr int kDeviceChannels = 2;
constexpr int kDeviceFrameBytes = 2 * kDeviceChannels;
// About 23 ms: short enough that a click follows the pointer.
constexpr Uint16 kDeviceFrames = 1024;

constexpr int kMaxChannels = 8;
constexpr int kMaxRate = 768000;

// The decoded length SDL reports is bounded by the input, but conversion
// multiplies it; refuse anything that could not be a sane sound.
constexpr Uint32 kMaxDecodedBytes = 256u * 1024 * 1024;

struct WaveDeleter {
    void operator()(Uint8* p) const { SDL_FreeWAV(p); }
};
struct StreamDeleter {
    void operator()(SDL_AudioStream* p) const { SDL_FreeAudioStream(p); }
};

std::vector<Uint8> Convert(const SDL_AudioSpec& audio, const Uint8* data, Uint32 length) {
    if (audio.format == kDeviceFormat && audio.channels == kDeviceChannels &&
        audio.freq == kDeviceRate)
        return std::vector<Uint8>(data, data + length - length % kDeviceFrameBytes);
    const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(SDL_NewAudioStream(
        audio.format, audio.channels, audio.freq, kDeviceFormat, kDeviceChannels, kDeviceRate));
    if (!stream || SDL_AudioStreamPut(stream.get(), data, static_cast<int>(length)) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0) {
        qCDebug(lcKelvoCommon) << "sound: cannot convert the wave:" << SDL_GetError();
        return {};
    }
    std::vector<Uint8> out(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    const int got = SDL_AudioStreamGet(stream.get(), out.data(), static_cast<int>(out.size()));
    out.resize(got > 0 ? static_cast<std::size_t>(got) - got % kDeviceFrameBytes : 0);
    return out;
}

// The wave in data as samples in the device's format; empty when data is
// not a wave SDL can read, is damaged, or is absurdly long.
std::vector<Uint8> Decode(const QByteArray& data) {
    if (data.size() > CKelvoCommonSdlSound::kMaxWaveBytes) {
        qCDebug(lcKelvoCommon) << "sound: wave data too large:" << data.size();
        return {};
    }
    SDL_AudioSpec audio{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(data.constData(), static_cast<int>(data.size()));
    if (source == nullptr || SDL_LoadWAV_RW(source, 1, &audio, &raw, &length) == nullptr) {
        qCDebug(lcKelvoCommon) << "sound: not a playable wave:" << SDL_GetError();
        return {};
    }
    const std::unique_ptr<Uint8, WaveDeleter> samples(raw);
    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(audio.format)) / 8 * audio.channels;
    if (frameBytes <= 0 || audio.channels > kMaxChannels || audio.freq <= 0 || audio.freq > kMaxRate ||
        length > kMaxDecodedBytes ||
        length / static_cast<Uint32>(frameBytes) >
            static_cast<Uint32>(audio.freq) * CKelvoCommonSdlSound::kMaxSeconds) {
        qCDebug(lcKelvoCommon) << "sound: wave refused: rate" << audio.freq << "channels"
                               << audio.channels << "bytes" << length;
        return {};
    }
    if (length < static_cast<Uint32>(frameBytes))
        return {};
    return Convert(audio, samples.get(), length);
}

} // namespace

struct CKelvoCommonSdlSound::Voice {
    std::vector<Uint8> samples;
    std::size_t position = 0;

    static void SDLCALL Fill(void* userdata, Uint8* stream, int length) {
        auto* voice = static_cast<Voice*>(userdata);
        const std::size_t wanted = static_cast<std::size_t>(length);
        const std::size_t left = voice->samples.size() - voice->position;
        const std::size_t count = std::min(wanted, left);
        if (count > 0)
            std::memcpy(stream, voice->samples.data() + voice->position, count);
        std::memset(stream + count, 0, wanted - count);
        voice->position += count;
    }
};

CKelvoCommonSdlSound::CKelvoCommonSdlSound(std::chrono::milliseconds idleClose)
    : m_idleClose(idleClose), m_voice(std::make_unique<Voice>()) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A data chunk cut short is a damaged file: play nothing of it.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
}

CKelvoCommonSdlSound::~CKelvoCommonSdlSound() {
    CloseDevice();
    if (m_subsystemStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void CKelvoCommonSdlSound::Play(const QByteArray& data, int flags) {
    if ((flags & NoStop) != 0 && IsPlaying())
        return;
    Stop();
    if (data.isEmpty())
        return;
    std::vector<Uint8> samples = Decode(data);
    if (samples.empty() || !OpenDevice())
        return;
    const auto length = std::chrono::milliseconds(samples.size() / kDeviceFrameBytes * 1000 /
                                                  static_cast<std::size_t>(kDeviceRate));
    SDL_LockAudioDevice(m_device);
    m_voice->samples.swap(samples);
    m_voice->position = 0;
    SDL_UnlockAudioDevice(m_device);
    // The previous buffer (now in samples) is freed here, outside the lock.
    ScheduleIdleClose(length);
}

void CKelvoCommonSdlSound::Stop() {
    if (m_device == 0)
        return;
    std::vector<Uint8> old;
    SDL_LockAudioDevice(m_device);
    m_voice->samples.swap(old);
    m_voice->position = 0;
    SDL_UnlockAudioDevice(m_device);
}

bool CKelvoCommonSdlSound::IsPlaying() const {
    if (m_device == 0)
        return false;
    SDL_LockAudioDevice(m_device);
    const bool playing = m_voice->position < m_voice->samples.size();
    SDL_UnlockAudioDevice(m_device);
    return playing;
}

bool CKelvoCommonSdlSound::OpenDevice() {
    if (m_device != 0)
        return true;
    if (std::chrono::steady_clock::now() < m_retryAfter)
        return false;
    if (!m_subsystemStarted) {
        if (QCoreApplication::instance() != nullptr &&
            !QCoreApplication::applicationName().isEmpty())
            SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME,
                        QCoreApplication::applicationName().toUtf8().constData());
        m_subsystemStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (m_subsystemStarted)
            qCDebug(lcKelvoCommon) << "sound: SDL audio driver" << SDL_GetCurrentAudioDriver();
    }
    if (m_subsystemStarted) {
        SDL_AudioSpec wanted{};
        wanted.freq = kDeviceRate;
        wanted.format = kDeviceFormat;
        wanted.channels = kDeviceChannels;
        wanted.samples = kDeviceFrames;
        wanted.callback = &Voice::Fill;
        wanted.userdata = m_voice.get();
        m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    }
    if (m_device == 0) {
        if (!m_failureLogged)
            qCWarning(lcKelvoCommon) << "no audio device, sounds stay silent:" << SDL_GetError();
        m_failureLogged = true;
        m_retryAfter = std::chrono::steady_clock::now() + kRetryDelay;
        if (m_subsystemStarted)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemStarted = false;
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void CKelvoCommonSdlSound::CloseDevice() {
    if (m_idleTimer)
        m_idleTimer->stop();
    if (m_device == 0)
        return;
    // Joins SDL's audio thread; the voice is ours alone afterwards.
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_voice->samples = {};
    m_voice->position = 0;
}

void CKelvoCommonSdlSound::ScheduleIdleClose(std::chrono::milliseconds soundLength) {
    // Without an event loop the device simply stays open.
    if (QCoreApplication::instance() == nullptr)
        return;
    if (!m_idleTimer) {
        m_idleTimer = std::make_unique<QTimer>();
        m_idleTimer->setSingleShot(true);
        QObject::connect(m_idleTimer.get(), &QTimer::timeout, m_idleTimer.get(), [this] {
            if (IsPlaying())
                m_idleTimer->start(m_idleClose);
            else
                CloseDevice();
        });
    }
    m_idleTimer->start(soundLength + m_idleClose);
}

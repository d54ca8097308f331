// SPDX-License-Identifier: MIT
#include "common/platform/sdl/KelvoCommonSdlSound.h"

#include "common/KelvoCommonLog.h"

#include <QCoreApplication>
#include <QTimer>
#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <vector>

namespace {

// SDL is opened with the first sound instead of at start: it brings some
// thirty libraries (sound servers, codecs, Wayland) that a launcher which
// plays nothing should not load, map and relocate at every start. These
// are the functions we call.
#define KELVO_SDL_FUNCTIONS(X)                                                                     \
    X(AudioStreamAvailable)                                                                        \
    X(AudioStreamFlush)                                                                            \
    X(AudioStreamGet)                                                                              \
    X(AudioStreamPut)                                                                              \
    X(CloseAudioDevice)                                                                            \
    X(FreeAudioStream)                                                                             \
    X(FreeWAV)                                                                                     \
    X(GetCurrentAudioDriver)                                                                       \
    X(GetError)                                                                                    \
    X(InitSubSystem)                                                                               \
    X(LoadWAV_RW)                                                                                  \
    X(LockAudioDevice)                                                                             \
    X(NewAudioStream)                                                                              \
    X(OpenAudioDevice)                                                                             \
    X(PauseAudioDevice)                                                                            \
    X(QuitSubSystem)                                                                               \
    X(RWFromConstMem)                                                                              \
    X(SetHint)                                                                                     \
    X(UnlockAudioDevice)

struct SdlApi {
#define KELVO_SDL_MEMBER(name) decltype(&SDL_##name) name = nullptr;
    KELVO_SDL_FUNCTIONS(KELVO_SDL_MEMBER)
#undef KELVO_SDL_MEMBER
};

template <typename Function>
void Bind(void* library, const char* name, Function& function, bool& complete) {
    void* symbol = dlsym(library, name);
    // Copied, not cast: ISO C++ has no cast from object to function pointer.
    std::memcpy(&function, &symbol, sizeof function);
    complete = complete && symbol != nullptr;
}

// The loaded library's functions, or null when it cannot be loaded.
const SdlApi* Sdl() {
    static const SdlApi* const loaded = []() -> const SdlApi* {
        void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            qCDebug(lcKelvoCommon) << "sound: cannot load SDL2:" << dlerror();
            return nullptr;
        }
        static SdlApi api;
        bool complete = true;
#define KELVO_SDL_BIND(name) Bind(library, "SDL_" #name, api.name, complete);
        KELVO_SDL_FUNCTIONS(KELVO_SDL_BIND)
#undef KELVO_SDL_BIND
        if (!complete) {
            qCDebug(lcKelvoCommon) << "sound: SDL2 lacks a function we use";
            return nullptr;
        }
        api.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // A data chunk cut short is a damaged file: play nothing of it.
        api.SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
        return &api;
    }();
    return loaded;
}

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
    void operator()(Uint8* p) const { Sdl()->FreeWAV(p); }
};
struct StreamDeleter {
    void operator()(SDL_AudioStream* p) const { Sdl()->FreeAudioStream(p); }
};

std::vector<Uint8> Convert(const SDL_AudioSpec& audio, const Uint8* data, Uint32 length) {
    if (audio.format == kDeviceFormat && audio.channels == kDeviceChannels &&
        audio.freq == kDeviceRate)
        return std::vector<Uint8>(data, data + length - length % kDeviceFrameBytes);
    const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(Sdl()->NewAudioStream(
        audio.format, audio.channels, audio.freq, kDeviceFormat, kDeviceChannels, kDeviceRate));
    if (!stream || Sdl()->AudioStreamPut(stream.get(), data, static_cast<int>(length)) != 0 ||
        Sdl()->AudioStreamFlush(stream.get()) != 0) {
        qCDebug(lcKelvoCommon) << "sound: cannot convert the wave:" << Sdl()->GetError();
        return {};
    }
    std::vector<Uint8> out(static_cast<std::size_t>(Sdl()->AudioStreamAvailable(stream.get())));
    const int got = Sdl()->AudioStreamGet(stream.get(), out.data(), static_cast<int>(out.size()));
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
    SDL_RWops* source = Sdl()->RWFromConstMem(data.constData(), static_cast<int>(data.size()));
    if (source == nullptr || Sdl()->LoadWAV_RW(source, 1, &audio, &raw, &length) == nullptr) {
        qCDebug(lcKelvoCommon) << "sound: not a playable wave:" << Sdl()->GetError();
        return {};
    }
    const std::unique_ptr<Uint8, WaveDeleter> samples(raw);
    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(audio.format)) / 8 * audio.channels;
    if (frameBytes <= 0 || audio.channels > kMaxChannels || audio.freq <= 0 ||
        audio.freq > kMaxRate || length > kMaxDecodedBytes ||
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
    : m_idleClose(idleClose), m_voice(std::make_unique<Voice>()) {}

CKelvoCommonSdlSound::~CKelvoCommonSdlSound() {
    CloseDevice();
    if (m_subsystemStarted)
        Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
}

void CKelvoCommonSdlSound::Play(const QByteArray& data, int flags) {
    if ((flags & NoStop) != 0 && IsPlaying())
        return;
    Stop();
    if (data.isEmpty())
        return;
    if (Sdl() == nullptr) {
        if (!m_failureLogged)
            qCWarning(lcKelvoCommon) << "no audio device, sounds stay silent: no SDL2 library";
        m_failureLogged = true;
        return;
    }
    std::vector<Uint8> samples = Decode(data);
    if (samples.empty() || !OpenDevice())
        return;
    const auto length = std::chrono::milliseconds(samples.size() / kDeviceFrameBytes * 1000 /
                                                  static_cast<std::size_t>(kDeviceRate));
    Sdl()->LockAudioDevice(m_device);
    m_voice->samples.swap(samples);
    m_voice->position = 0;
    Sdl()->UnlockAudioDevice(m_device);
    // The previous buffer (now in samples) is freed here, outside the lock.
    ScheduleIdleClose(length);
}

void CKelvoCommonSdlSound::Stop() {
    if (m_device == 0)
        return;
    std::vector<Uint8> old;
    Sdl()->LockAudioDevice(m_device);
    m_voice->samples.swap(old);
    m_voice->position = 0;
    Sdl()->UnlockAudioDevice(m_device);
}

bool CKelvoCommonSdlSound::IsPlaying() const {
    if (m_device == 0)
        return false;
    Sdl()->LockAudioDevice(m_device);
    const bool playing = m_voice->position < m_voice->samples.size();
    Sdl()->UnlockAudioDevice(m_device);
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
            Sdl()->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME,
                           QCoreApplication::applicationName().toUtf8().constData());
        m_subsystemStarted = Sdl()->InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (m_subsystemStarted)
            qCDebug(lcKelvoCommon) << "sound: SDL audio driver" << Sdl()->GetCurrentAudioDriver();
    }
    if (m_subsystemStarted) {
        SDL_AudioSpec wanted{};
        wanted.freq = kDeviceRate;
        wanted.format = kDeviceFormat;
        wanted.channels = kDeviceChannels;
        wanted.samples = kDeviceFrames;
        wanted.callback = &Voice::Fill;
        wanted.userdata = m_voice.get();
        m_device = Sdl()->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    }
    if (m_device == 0) {
        if (!m_failureLogged)
            qCWarning(lcKelvoCommon) << "no audio device, sounds stay silent:" << Sdl()->GetError();
        m_failureLogged = true;
        m_retryAfter = std::chrono::steady_clock::now() + kRetryDelay;
        if (m_subsystemStarted)
            Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemStarted = false;
        return false;
    }
    Sdl()->PauseAudioDevice(m_device, 0);
    return true;
}

void CKelvoCommonSdlSound::CloseDevice() {
    if (m_idleTimer)
        m_idleTimer->stop();
    if (m_device == 0)
        return;
    // Joins SDL's audio thread; the voice is ours alone afterwards.
    Sdl()->CloseAudioDevice(m_device);
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

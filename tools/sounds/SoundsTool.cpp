// SPDX-License-Identifier: MIT
#include "tools/sounds/SoundsTool.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <ostream>

namespace {

// Levels well below full scale: these sounds play often.
constexpr double kChimeLevel = 0.22;
constexpr double kClickLevel = 0.35;
constexpr double kHoverLevel = 0.18;
constexpr double kAttackMs = 2.0;
constexpr double kFadeInMs = 2.0;

using Mix = std::vector<double>;

std::size_t MsToSamples(double ms) {
    return static_cast<std::size_t>(ms * kSoundSampleRate / 1000.0);
}

// A struck tone with a soft onset: a fundamental with two weak overtones
// under an exponential decay, added into mix from startMs on.
void AddTone(Mix& mix, double startMs, double frequency, double level, double decayMs) {
    constexpr double kOvertone2 = 0.25;
    constexpr double kOvertone3 = 0.08;
    constexpr double kNorm = 1.0 + kOvertone2 + kOvertone3;
    const double w = 2.0 * std::numbers::pi * frequency;
    for (std::size_t i = MsToSamples(startMs); i < mix.size(); ++i) {
        const double t = static_cast<double>(i - MsToSamples(startMs)) / kSoundSampleRate;
        const double envelope =
            (1.0 - std::exp(-t * 1000.0 / kAttackMs)) * std::exp(-t * 1000.0 / decayMs);
        const double wave = std::sin(w * t) + kOvertone2 * std::sin(2.0 * w * t) +
                            kOvertone3 * std::sin(3.0 * w * t);
        mix[i] += level * envelope * wave / kNorm;
    }
}

// Raised-cosine ramps at both ends, so the sound starts and ends in silence
// and the speaker never pops.
void FadeEnds(Mix& mix, double inMs, double outMs) {
    const std::size_t in = std::min(MsToSamples(inMs), mix.size());
    const std::size_t out = std::min(MsToSamples(outMs), mix.size());
    for (std::size_t i = 0; i < in; ++i)
        mix[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                       static_cast<double>(in));
    for (std::size_t i = 0; i < out; ++i) {
        const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                                 static_cast<double>(out));
        mix[mix.size() - 1 - i] *= gain;
    }
}

std::vector<std::int16_t> ToPcm(const Mix& mix) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(mix.size());
    for (const double v : mix)
        pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0)));
    return pcm;
}

// Two overlapping notes, the second a fifth away: up for opening, down for
// closing.
std::vector<std::int16_t> Chime(double firstHz, double secondHz) {
    constexpr double kLengthMs = 140.0;
    constexpr double kSecondNoteMs = 45.0;
    constexpr double kFadeOutMs = 20.0;
    Mix mix(MsToSamples(kLengthMs), 0.0);
    AddTone(mix, 0.0, firstHz, kChimeLevel, 45.0);
    AddTone(mix, kSecondNoteMs, secondHz, kChimeLevel, 40.0);
    FadeEnds(mix, kFadeInMs, kFadeOutMs);
    return ToPcm(mix);
}

// A short, dull tick.
std::vector<std::int16_t> Tick(double lengthMs, double frequency, double level, double decayMs) {
    constexpr double kFadeOutMs = 8.0;
    Mix mix(MsToSamples(lengthMs), 0.0);
    AddTone(mix, 0.0, frequency, level, decayMs);
    FadeEnds(mix, kFadeInMs, kFadeOutMs);
    return ToPcm(mix);
}

void PutLe(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<DefaultSound> MakeDefaultSounds() {
    constexpr double kE5 = 659.26;
    constexpr double kB5 = 987.77;
    return {
        {"MenuOpen", Chime(kE5, kB5)},
        {"MenuClose", Chime(kB5, kE5)},
        {"ButtonClick", Tick(40.0, 1400.0, kClickLevel, 8.0)},
        {"ButtonHover", Tick(30.0, 2100.0, kHoverLevel, 6.0)},
    };
}

std::string WaveFileBytes(const std::vector<std::int16_t>& samples, int channels, int sampleRate) {
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto blockAlign = static_cast<std::uint32_t>(channels) * kBytesPerSample;
    std::string bytes;
    bytes.reserve(44 + dataSize);
    bytes += "RIFF";
    PutLe(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    PutLe(bytes, 16, 4);
    PutLe(bytes, 1, 2); // PCM
    PutLe(bytes, static_cast<std::uint32_t>(channels), 2);
    PutLe(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    PutLe(bytes, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    PutLe(bytes, blockAlign, 2);
    PutLe(bytes, kBytesPerSample * 8, 2);
    bytes += "data";
    PutLe(bytes, dataSize, 4);
    for (const std::int16_t s : samples)
        PutLe(bytes, static_cast<std::uint16_t>(s), 2);
    return bytes;
}

int RunSoundsTool(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: vendrask-sounds OUTDIR\n";
        return 2;
    }
    const std::filesystem::path dir(args[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        err << "vendrask-sounds: cannot create " << dir.string() << ": " << ec.message() << '\n';
        return 1;
    }
    for (const DefaultSound& sound : MakeDefaultSounds()) {
        const std::filesystem::path file = dir / (sound.name + ".wav");
        const std::string bytes = WaveFileBytes(sound.samples, 1, kSoundSampleRate);
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        stream.close();
        if (!stream) {
            err << "vendrask-sounds: cannot write " << file.string() << '\n';
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// vendrask-sounds OUTDIR: writes the launcher's default sounds (MenuOpen,
// MenuClose, ButtonClick, ButtonHover) as 16-bit PCM mono wave files into
// OUTDIR. They are synthesised, so the same build always writes the same
// bytes. Exit codes: 0 done, 1 a file could not be written, 2 bad usage.
int RunSoundsTool(const std::vector<std::string>& args, std::ostream& err);

inline constexpr int kSoundSampleRate = 44100;

struct DefaultSound {
    std::string name; // file name without ".wav"
    std::vector<std::int16_t> samples;
};

// The four sounds in the order MenuOpen, MenuClose, ButtonClick, ButtonHover.
std::vector<DefaultSound> MakeDefaultSounds();

// A RIFF/WAVE file of 16-bit PCM; samples are interleaved by channel.
std::string WaveFileBytes(const std::vector<std::int16_t>& samples, int channels, int sampleRate);

// SPDX-License-Identifier: MIT
#include "common/platform/sdl/KelvoCommonSdlSound.h"

#include "common/KelvoCommonLog.h"
#include "tests/support/TestSupport.h"
#include "tools/sounds/SoundsTool.h"

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using vendrask::test::ReadBytes;
using vendrask::test::TempDir;

namespace {

// The device plays 16-bit stereo at 44.1 kHz, so test waves in that format
// reach the disk driver's file unchanged and can be found sample for sample.
constexpr int kRate = 44100;

struct Frame {
    std::int16_t left;
    std::int16_t right;
};

// A wave whose frames say which sound they belong to (right = marker) and
// where in it they lie (left = 1 + index).
QByteArray MarkedWave(std::int16_t marker, std::chrono::milliseconds length) {
    const int frames = static_cast<int>(length.count() * kRate / 1000);
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i) {
        samples.push_back(static_cast<std::int16_t>(1 + i));
        samples.push_back(marker);
    }
    const std::string bytes = WaveFileBytes(samples, 2, kRate);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

int FrameCount(std::chrono::milliseconds length) {
    return static_cast<int>(length.count() * kRate / 1000);
}

// Where one marked sound shows up in the device's output.
struct Appearance {
    int count = 0;
    int firstIndex = -1;
    std::size_t firstPosition = 0;
    std::size_t lastPosition = 0;
    bool inOrder = true; // consecutive frames, consecutive indexes

    bool Whole(int frames) const { return count == frames && firstIndex == 0 && inOrder; }
};

Appearance Find(const std::vector<Frame>& output, std::int16_t marker) {
    Appearance found;
    for (std::size_t pos = 0; pos < output.size(); ++pos) {
        if (output[pos].right != marker || output[pos].left == 0)
            continue;
        const int index = output[pos].left - 1;
        if (found.count == 0) {
            found.firstIndex = index;
            found.firstPosition = pos;
        } else if (pos != found.lastPosition + 1 || index != found.firstIndex + found.count) {
            found.inOrder = false;
        }
        found.lastPosition = pos;
        ++found.count;
    }
    return found;
}

bool AllSilent(const std::vector<Frame>& output) {
    for (const Frame& f : output) {
        if (f.left != 0 || f.right != 0)
            return false;
    }
    return true;
}

QByteArray ToByteArray(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QStringList g_logLines;

void CaptureLog(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (context.category != nullptr && std::strcmp(context.category, "kelvo.common") == 0)
        g_logLines.append(text);
}

// Counts the library's log lines, debug ones included, while alive.
class LogCapture final {
public:
    LogCapture() : m_previous(qInstallMessageHandler(&CaptureLog)) {
        g_logLines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("kelvo.common.debug=true"));
    }
    ~LogCapture() {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(m_previous);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    qsizetype Count() const { return g_logLines.size(); }

private:
    QtMessageHandler m_previous;
};

// Each test starts SDL's audio afresh on the driver it names; the disk
// driver writes everything the device plays into a file, in real time.
class KelvoCommonSdlSoundTest : public ::testing::Test {
protected:
    void SetUp() override { UseDriver("disk"); }
    void TearDown() override {
        ::unsetenv("SDL_AUDIODRIVER");
        ::unsetenv("SDL_DISKAUDIOFILE");
    }

    void UseDriver(const char* driver) {
        ::setenv("SDL_AUDIODRIVER", driver, 1);
        ::setenv("SDL_DISKAUDIOFILE", m_output.string().c_str(), 1);
    }

    // The file is complete once the sound object (and so the device) is gone.
    std::vector<Frame> Output() const {
        const std::string bytes = ReadBytes(m_output);
        std::vector<Frame> frames(bytes.size() / sizeof(Frame));
        if (!frames.empty())
            std::memcpy(frames.data(), bytes.data(), frames.size() * sizeof(Frame));
        return frames;
    }

    TempDir m_dir;
    std::filesystem::path m_output = m_dir.File("played.raw");
};

TEST_F(KelvoCommonSdlSoundTest, PlaysEverySampleOfASound) {
    constexpr auto kLength = 60ms;
    {
        CKelvoCommonSdlSound sound;
        sound.Play(MarkedWave(1, kLength), 0);
        std::this_thread::sleep_for(kLength + 150ms);
        EXPECT_FALSE(sound.IsPlaying());
    }
    const Appearance played = Find(Output(), 1);
    EXPECT_TRUE(played.Whole(FrameCount(kLength)))
        << played.count << " frames from index " << played.firstIndex;
}

TEST_F(KelvoCommonSdlSoundTest, NewSoundReplacesThePlayingOne) {
    constexpr auto kFirst = 500ms;
    constexpr auto kSecond = 50ms;
    {
        CKelvoCommonSdlSound sound;
        sound.Play(MarkedWave(1, kFirst), 0);
        std::this_thread::sleep_for(100ms);
        sound.Play(MarkedWave(2, kSecond), 0);
        std::this_thread::sleep_for(kSecond + 150ms);
    }
    const std::vector<Frame> output = Output();
    const Appearance first = Find(output, 1);
    const Appearance second = Find(output, 2);
    EXPECT_GT(first.count, 0);
    EXPECT_LT(first.count, FrameCount(kFirst));
    EXPECT_TRUE(first.inOrder);
    EXPECT_TRUE(second.Whole(FrameCount(kSecond)));
    EXPECT_LT(first.lastPosition, second.firstPosition);
}

TEST_F(KelvoCommonSdlSoundTest, NoStopLeavesAPlayingSoundAloneAndPlaysWhenQuiet) {
    constexpr auto kFirst = 200ms;
    constexpr auto kHover = 40ms;
    {
        CKelvoCommonSdlSound sound;
        sound.Play(MarkedWave(1, kFirst), 0);
        std::this_thread::sleep_for(50ms);
        sound.Play(MarkedWave(2, kHover), CKelvoCommonSound::NoStop);
        std::this_thread::sleep_for(kFirst + 100ms);
        ASSERT_FALSE(sound.IsPlaying());
        sound.Play(MarkedWave(3, kHover), CKelvoCommonSound::NoStop);
        std::this_thread::sleep_for(kHover + 150ms);
    }
    const std::vector<Frame> output = Output();
    EXPECT_TRUE(Find(output, 1).Whole(FrameCount(kFirst)));
    EXPECT_EQ(Find(output, 2).count, 0);
    EXPECT_TRUE(Find(output, 3).Whole(FrameCount(kHover)));
}

TEST_F(KelvoCommonSdlSoundTest, StopSilencesTheDevice) {
    constexpr auto kLength = 500ms;
    std::size_t framesAfterStop = 0;
    {
        CKelvoCommonSdlSound sound;
        sound.Play(MarkedWave(1, kLength), 0);
        std::this_thread::sleep_for(100ms);
        sound.Stop();
        EXPECT_FALSE(sound.IsPlaying());
        std::this_thread::sleep_for(150ms);
    }
    const std::vector<Frame> output = Output();
    const Appearance played = Find(output, 1);
    EXPECT_GT(played.count, 0);
    EXPECT_LT(played.count, FrameCount(kLength));
    framesAfterStop = output.size() - played.lastPosition - 1;
    // The device kept running, playing silence.
    EXPECT_GT(framesAfterStop, static_cast<std::size_t>(FrameCount(50ms)));
    EXPECT_TRUE(AllSilent(
        {output.begin() + static_cast<std::ptrdiff_t>(played.lastPosition) + 1, output.end()}));
}

TEST_F(KelvoCommonSdlSoundTest, UnplayableDataIsSilent) {
    const std::string good = WaveFileBytes(std::vector<std::int16_t>(2000, 500), 1, kRate);
    auto patched = [&good](std::size_t offset, std::vector<unsigned char> bytes) {
        std::string copy = good;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            copy[offset + i] = static_cast<char>(bytes[i]);
        return ToByteArray(copy);
    };
    struct Row {
        const char* name;
        QByteArray data;
    };
    const Row rows[] = {
        {"empty", QByteArray()},
        {"text", QByteArrayLiteral("[Sound]\nFlag=1\n")},
        {"riff header only", ToByteArray(good.substr(0, 12))},
        {"no data chunk", ToByteArray(good.substr(0, 36))},
        {"data chunk cut short", ToByteArray(good.substr(0, good.size() / 2))},
        {"unknown encoding", patched(20, {0x55, 0x00})},
        {"no channels", patched(22, {0x00, 0x00})},
        {"no sample rate", patched(24, {0x00, 0x00, 0x00, 0x00})},
        {"absurd sample rate", patched(24, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"absurd bit depth", patched(34, {0xFF, 0x7F})},
        {"data size beyond the file", patched(40, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"over five minutes long",
         ToByteArray(WaveFileBytes(std::vector<std::int16_t>(301 * 8000, 500), 1, 8000))},
    };
    {
        CKelvoCommonSdlSound sound;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            sound.Play(row.data, 0);
            EXPECT_FALSE(sound.IsPlaying());
            sound.Play(row.data, CKelvoCommonSound::NoStop);
            EXPECT_FALSE(sound.IsPlaying());
        }
        std::this_thread::sleep_for(50ms);
    }
    // The device may never have opened; if it did, it played nothing.
    EXPECT_TRUE(AllSilent(Output()));
}

TEST_F(KelvoCommonSdlSoundTest, UnplayableSoundStillStopsThePlayingOne) {
    {
        CKelvoCommonSdlSound sound;
        sound.Play(MarkedWave(1, 500ms), 0);
        std::this_thread::sleep_for(50ms);
        sound.Play(QByteArrayLiteral("RIFF-not-really"), 0);
        EXPECT_FALSE(sound.IsPlaying());
        sound.Play(MarkedWave(2, 500ms), 0);
        std::this_thread::sleep_for(50ms);
        sound.Play(QByteArray(), 0);
        EXPECT_FALSE(sound.IsPlaying());
    }
    const std::vector<Frame> output = Output();
    EXPECT_LT(Find(output, 1).count, FrameCount(500ms));
    EXPECT_LT(Find(output, 2).count, FrameCount(500ms));
}

TEST_F(KelvoCommonSdlSoundTest, DefaultSoundPlaysWholeAfterConversion) {
    // 16-bit mono: the device gets it on both channels.
    const std::filesystem::path file =
        std::filesystem::path(VENDRASK_BINARY_DIR) / "sound" / "MenuOpen.wav";
    const std::string bytes = ReadBytes(file);
    ASSERT_GT(bytes.size(), 44u) << file;
    std::vector<std::int16_t> expected((bytes.size() - 44) / 2);
    std::memcpy(expected.data(), bytes.data() + 44, expected.size() * 2);
    {
        CKelvoCommonSdlSound sound;
        sound.Play(ToByteArray(bytes), 0);
        std::this_thread::sleep_for(300ms);
    }
    const std::vector<Frame> output = Output();
    // Line the two up at the first clearly audible sample; the faint ones
    // before it may round to silence.
    auto audible = [](int sample) { return std::abs(sample) > 100; };
    std::size_t firstExpected = 0;
    while (firstExpected < expected.size() && !audible(expected[firstExpected]))
        ++firstExpected;
    std::size_t firstPlayed = 0;
    while (firstPlayed < output.size() && !audible(output[firstPlayed].left))
        ++firstPlayed;
    ASSERT_GE(firstPlayed, firstExpected);
    const std::size_t start = firstPlayed - firstExpected;
    ASSERT_LE(start + expected.size(), output.size());
    int worst = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Frame f = output[start + i];
        worst = std::max({worst, std::abs(f.left - expected[i]), std::abs(f.right - expected[i])});
    }
    // Converting through floating point may round by a step.
    EXPECT_LE(worst, 2);
    EXPECT_TRUE(AllSilent(
        {output.begin() + static_cast<std::ptrdiff_t>(start + expected.size()), output.end()}));
}

TEST_F(KelvoCommonSdlSoundTest, ClosesTheDeviceAfterAQuietSpellAndReopens) {
    CKelvoCommonSdlSound sound(50ms);
    sound.Play(MarkedWave(1, 500ms), 0);
    QTest::qWait(200);
    EXPECT_TRUE(sound.IsDeviceOpen()) << "closed while playing";
    EXPECT_TRUE(sound.IsPlaying());
    for (int waited = 0; sound.IsDeviceOpen() && waited < 2000; waited += 10)
        QTest::qWait(10);
    EXPECT_FALSE(sound.IsDeviceOpen());
    sound.Play(MarkedWave(2, 300ms), 0);
    EXPECT_TRUE(sound.IsPlaying());
}

TEST_F(KelvoCommonSdlSoundTest, WithoutAnAudioDriverSoundsAreSilentAndLoggedOnce) {
    UseDriver("no-such-driver");
    LogCapture log;
    CKelvoCommonSdlSound sound;
    for (int i = 0; i < 3; ++i) {
        sound.Play(MarkedWave(1, 20ms), 0);
        EXPECT_FALSE(sound.IsPlaying());
    }
    sound.Stop();
    EXPECT_EQ(log.Count(), 1) << g_logLines.join(u'\n').toStdString();
}

TEST_F(KelvoCommonSdlSoundTest, DummyDriverPlaysQuietlyWithOneLogLine) {
    UseDriver("dummy");
    LogCapture log;
    {
        CKelvoCommonSdlSound sound;
        for (int i = 0; i < 3; ++i) {
            sound.Play(MarkedWave(1, 500ms), 0);
            EXPECT_TRUE(sound.IsPlaying());
        }
        sound.Stop();
    }
    EXPECT_EQ(log.Count(), 1) << g_logLines.join(u'\n').toStdString();
    EXPECT_FALSE(std::filesystem::exists(m_output));
}

// The default sounds the build writes next to the program.
struct WaveHeader {
    std::uint16_t encoding = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
    std::size_t dataOffset = 0;
    std::uint32_t dataSize = 0;
};

std::uint32_t Le(const std::string& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value =
            value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

// Walks the RIFF chunks; nullopt when the file is not a RIFF/WAVE file.
std::optional<WaveHeader> ParseWave(const std::string& bytes) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        Le(bytes, 4, 4) != bytes.size() - 8)
        return std::nullopt;
    WaveHeader header;
    for (std::size_t pos = 12; pos + 8 <= bytes.size();) {
        const std::string id = bytes.substr(pos, 4);
        const std::uint32_t size = Le(bytes, pos + 4, 4);
        if (pos + 8 + size > bytes.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            header.encoding = static_cast<std::uint16_t>(Le(bytes, pos + 8, 2));
            header.channels = static_cast<std::uint16_t>(Le(bytes, pos + 10, 2));
            header.rate = Le(bytes, pos + 12, 4);
            header.bits = static_cast<std::uint16_t>(Le(bytes, pos + 22, 2));
        } else if (id == "data") {
            header.dataOffset = pos + 8;
            header.dataSize = size;
        }
        pos += 8 + size + size % 2;
    }
    return header;
}

TEST(KelvoCommonDefaultSounds, AreShortSixteenBitPcmWavesThatStartAndEndInSilence) {
    for (const char* name : {"MenuOpen", "MenuClose", "ButtonClick", "ButtonHover"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path file =
            std::filesystem::path(VENDRASK_BINARY_DIR) / "sound" / (std::string(name) + ".wav");
        ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
        const std::string bytes = ReadBytes(file);
        const std::optional<WaveHeader> wave = ParseWave(bytes);
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->encoding, 1); // PCM
        EXPECT_EQ(wave->bits, 16);
        ASSERT_GT(wave->rate, 0u);
        ASSERT_GT(wave->channels, 0);
        const std::size_t frames = wave->dataSize / 2 / wave->channels;
        ASSERT_GT(frames, 0u);
        EXPECT_LT(frames * 1000 / wave->rate, 150u);

        int peak = 0;
        for (std::size_t i = 0; i < wave->dataSize / 2; ++i)
            peak = std::max(
                peak, std::abs(static_cast<std::int16_t>(Le(bytes, wave->dataOffset + 2 * i, 2))));
        EXPECT_GT(peak, 1000) << "too faint to hear";
        EXPECT_LT(peak, 16384) << "louder than a soft sound";
        // No click at either end.
        const auto first = static_cast<std::int16_t>(Le(bytes, wave->dataOffset, 2));
        const auto last =
            static_cast<std::int16_t>(Le(bytes, wave->dataOffset + wave->dataSize - 2, 2));
        EXPECT_LT(std::abs(first), 64);
        EXPECT_LT(std::abs(last), 64);
    }
}

} // namespace

// The sound effects built from assets/sounds: each must be a wave the mixer
// takes as it is and must behave as a cue: audible, silent at both ends (no
// click when it starts or stops), with headroom left for the other cue
// channels that are summed on top of it, and short enough not to hold up
// its channel's queue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;    // -1 .. 1
    double seconds() const { return static_cast<double>(samples.size()) / rate; }
};

uint32_t le(const std::string& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Reads a RIFF WAVE file into `w`; returns what is wrong with it, or "".
std::string readWave(const fs::path& path, Wave& w)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "missing";
    std::string b{std::istreambuf_iterator<char>(in), {}};
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return "not a RIFF WAVE file";
    if (le(b, 4, 4) + 8 != b.size())
        return "RIFF size does not match the file";
    int blockAlign = 0;
    uint32_t byteRate = 0;
    std::string data;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id = b.substr(at, 4);
        size_t size = le(b, at + 4, 4);
        if (at + 8 + size > b.size())
            return "chunk '" + id + "' runs past the end";
        if (id == "fmt ") {
            if (size < 16)
                return "short fmt chunk";
            w.format = static_cast<int>(le(b, at + 8, 2));
            w.channels = static_cast<int>(le(b, at + 10, 2));
            w.rate = static_cast<int>(le(b, at + 12, 4));
            byteRate = le(b, at + 16, 4);
            blockAlign = static_cast<int>(le(b, at + 20, 2));
            w.bits = static_cast<int>(le(b, at + 22, 2));
        } else if (id == "data") {
            data = b.substr(at + 8, size);
        }
        at += 8 + size + size % 2;
    }
    if (w.format != 1)
        return "not PCM";
    if (w.channels != 1 || (w.bits != 8 && w.bits != 16) || (w.rate != 11025 && w.rate != 22050))
        return "not mono 8/16-bit at 11025/22050 Hz";
    if (blockAlign != w.bits / 8 || byteRate != static_cast<uint32_t>(w.rate * blockAlign))
        return "block alignment or byte rate does not fit the format";
    if (data.empty() || data.size() % blockAlign != 0)
        return "no data or a part sample";
    for (size_t i = 0; i < data.size(); i += blockAlign) {
        if (w.bits == 8)
            w.samples.push_back((static_cast<unsigned char>(data[i]) - 128) / 128.0);
        else
            w.samples.push_back(static_cast<int16_t>(le(data, i, 2)) / 32768.0);
    }
    return "";
}

fs::path builtWave(const std::string& name)
{
    return fs::path(MIRUHE_BUILD_DIR) / "dat" / (name + ".wav");
}

std::vector<std::string> recipes()
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(fs::path(MIRUHE_SOURCE_DIR) / "assets" / "sounds"))
        if (e.path().extension() == ".sfx")
            names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SoundAsset : public testing::TestWithParam<std::string> {};

TEST_P(SoundAsset, BuildsIntoACleanCue)
{
    Wave w;
    ASSERT_EQ(readWave(builtWave(GetParam()), w), "");
    double peak = 0;
    for (double s : w.samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 0.05) << "practically silent";
    EXPECT_LT(peak, 0.6) << "too loud to mix with other cues";
    EXPECT_LE(std::abs(w.samples.front()), 0.02) << "does not start on silence";
    EXPECT_LE(std::abs(w.samples.back()), 0.02) << "does not end on silence";
    EXPECT_LE(w.seconds(), 1.5) << "too long for a cue";
}

INSTANTIATE_TEST_SUITE_P(Recipes, SoundAsset, testing::ValuesIn(recipes()),
                         [](const auto& info) { return info.param; });

// A blip is queued every six typed bytes, about every 30 ms, on one channel:
// a longer blip would fall behind the text.
TEST(SoundAssets, TypingBlipIsShorterThanItsInterval)
{
    Wave w;
    ASSERT_EQ(readWave(builtWave("pi"), w), "");
    EXPECT_LT(w.seconds(), 0.025);
}

// Cues fail silently in the game, so a missing recipe would only be heard as
// nothing: every name the game plays must have one.
TEST(SoundAssets, EveryCueHasARecipe)
{
    const char* cues[] = {"1", "2", "3", "4", "5", "6", "9", "10", "12", "13", "14", "15", "16", "17",
                          "18", "b", "no", "pi", "click", "score", "carma_up", "carma_down", "s_ken",
                          "koku", "coin", "toki", "jump", "bell", "life", "up", "die", "lvup",
                          "strdown", "tree", "mukuro", "paka", "list", "item", "item_e", "buy"};
    std::vector<std::string> have = recipes();
    for (const char* cue : cues)
        EXPECT_TRUE(std::binary_search(have.begin(), have.end(), std::string(cue))) << cue;
}

}  // namespace

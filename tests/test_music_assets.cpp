// The music: every tune in assets/music is built into dat/, all its voices
// end together, and FluidSynth plays it as at least a minute of sound that
// lasts up to its very end, so that looping it leaves no gap.
#include "support/app.h"

#include "core/midi_file.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSources = fs::path(MIRUHE_SOURCE_DIR) / "assets" / "music";
const fs::path kBuilt = fs::path(MIRUHE_BUILD_DIR) / "dat";

std::vector<std::string> tunes()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(kSources))
        if (entry.path().extension() == ".abc")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// End-of-track ticks of the tracks of a standard MIDI file that hold notes;
// empty when the file is not one.
std::vector<long> noteTrackEnds(const std::string &smf)
{
    auto byte = [&](size_t i) { return i < smf.size() ? unsigned(uint8_t(smf[i])) : 0u; };
    auto be32 = [&](size_t i) { return byte(i) << 24 | byte(i + 1) << 16 | byte(i + 2) << 8 | byte(i + 3); };
    std::vector<long> ends;
    if (smf.compare(0, 4, "MThd") != 0)
        return ends;
    size_t pos = 8 + be32(4);
    while (pos + 8 <= smf.size() && smf.compare(pos, 4, "MTrk") == 0) {
        const size_t end = std::min<size_t>(pos + 8 + be32(pos + 4), smf.size());
        size_t i = pos + 8;
        long tick = 0;
        unsigned status = 0;
        bool notes = false;
        auto varLen = [&] {
            unsigned v = 0;
            do v = v << 7 | (byte(i) & 0x7f); while (byte(i++) & 0x80 && i < end);
            return v;
        };
        while (i < end) {
            tick += varLen();
            if (byte(i) & 0x80)
                status = byte(i++);
            if (status == 0xff) { // meta event
                const unsigned type = byte(i++);
                i += varLen();
                if (type == 0x2f)
                    break;
            } else if (status == 0xf0 || status == 0xf7) {
                i += varLen();
            } else {
                const unsigned kind = status & 0xf0;
                notes |= kind == 0x90 && byte(i + 1) > 0;
                i += (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            }
        }
        if (notes)
            ends.push_back(tick);
        pos = end;
    }
    return ends;
}

// Loudness of a rendering, in windows of kWindow seconds, up to the moment
// the player reaches the file's last tick: where a looping player starts over.
constexpr double kWindow = 0.1;
constexpr int kRate = 22050;

std::vector<double> renderLevels(const std::string &midi)
{
    const char *small = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    const std::string soundfont = fs::exists(small) ? small : "/usr/share/sounds/sf2/default-GM.sf2";
    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setint(settings, "synth.reverb.active", 0); // no reverb to hide a silent end
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t *synth = new_fluid_synth(settings);
    fluid_player_t *player = new_fluid_player(synth);
    std::vector<double> levels;
    if (fluid_synth_sfload(synth, soundfont.c_str(), 1) != FLUID_FAILED
        && fluid_player_add(player, midi.c_str()) == FLUID_OK && fluid_player_play(player) == FLUID_OK) {
        const int frames = int(kRate * kWindow);
        std::vector<float> left(frames), right(frames);
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
            const int total = fluid_player_get_total_ticks(player);
            if (total > 0 && fluid_player_get_current_tick(player) >= total)
                break;
            fluid_synth_write_float(synth, frames, left.data(), 0, 1, right.data(), 0, 1);
            double sum = 0;
            for (int i = 0; i < frames; ++i)
                sum += left[i] * left[i] + right[i] * right[i];
            levels.push_back(10 * std::log10(sum / (2 * frames) + 1e-20));
        }
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return levels;
}

TEST(MusicAssets, EveryTrackTheGamePlaysHasItsTune)
{
    const std::vector<std::string> present = tunes();
    const std::set<std::string> have(present.begin(), present.end());
    for (const char *name : {"miruhe", "purplegrass", "freesoul", "thesword", "usakuma", "modesty", "iknewme",
                             "allto1"})
        EXPECT_TRUE(have.count(name)) << name << ".abc is missing";
}

class Tune : public ::testing::TestWithParam<std::string> {};

TEST_P(Tune, IsBuiltWithAllVoicesEndingTogether)
{
    const std::string smf = readFile((kBuilt / (GetParam() + ".mid")).string());
    ASSERT_FALSE(smf.empty()) << GetParam() << ".mid was not built into dat/";
    const std::vector<long> ends = noteTrackEnds(smf);
    ASSERT_GE(ends.size(), 3u) << "melody, harmony and bass at least";
    for (long end : ends)
        EXPECT_EQ(end, ends.front()) << "a voice ends before the others";
}

TEST_P(Tune, PlaysAMinuteOfSoundUpToItsEnd)
{
    const fs::path midi = kBuilt / (GetParam() + ".mid");
    ASSERT_TRUE(fs::exists(midi));
    const std::vector<double> levels = renderLevels(midi.string());
    const double seconds = levels.size() * kWindow;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LT(seconds, 240.0);

    // Heard: a window is sound when it is above -60 dBFS.
    constexpr double kHeard = -60;
    double sum = 0;
    for (double level : levels)
        sum += std::pow(10, level / 10);
    EXPECT_GT(10 * std::log10(sum / std::max<size_t>(levels.size(), 1) + 1e-20), -45.0) << "too quiet overall";

    // No pause longer than a second anywhere, and at the seam of the loop
    // (the silence at the end followed by that at the start) no more than
    // half a second.
    size_t longest = 0, run = 0;
    for (double level : levels) {
        run = level < kHeard ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    EXPECT_LE(longest * kWindow, 1.0) << "silent for " << longest * kWindow << " s";
    const auto isHeard = [](double level) { return level >= kHeard; };
    const auto lead = std::find_if(levels.begin(), levels.end(), isHeard) - levels.begin();
    const auto tail = std::find_if(levels.rbegin(), levels.rend(), isHeard) - levels.rbegin();
    EXPECT_LE((lead + tail) * kWindow, 0.5) << "silent seam: " << lead * kWindow << " s at the start, "
                                            << tail * kWindow << " s at the end";
}

// Every instrument FluidSynth chooses from the game's soundfont while it
// plays a tune is one the game finds in the tune's file first, to read its
// samples before the tune is heard (a synth of one voice, reading only the
// samples it plays, is enough to follow the choices).
TEST_P(Tune, ChoosesOnlyInstrumentsTheGameFindsInItsFile)
{
    const std::string midi = (kBuilt / (GetParam() + ".mid")).string();
    const std::string smf = readFile(midi);
    ASSERT_FALSE(smf.empty());
    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setint(settings, "synth.polyphony", 1);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    struct Choices {
        fluid_synth_t *synth;
        std::set<std::pair<int, int>> chosen;
    } choices{new_fluid_synth(settings), {}};
    fluid_player_t *player = new_fluid_player(choices.synth);
    fluid_player_set_playback_callback(
        player,
        [](void *data, fluid_midi_event_t *event) {
            auto &c = *static_cast<Choices *>(data);
            const int handled = fluid_synth_handle_midi_event(c.synth, event);
            int font = 0, bank = 0, program = 0;
            const int channel = fluid_midi_event_get_channel(event);
            if (fluid_midi_event_get_type(event) == 0xc0
                && fluid_synth_get_program(c.synth, channel, &font, &bank, &program) == FLUID_OK)
                c.chosen.insert({bank, program});
            return handled;
        },
        &choices);
    ASSERT_NE(fluid_synth_sfload(choices.synth, "/usr/share/sounds/sf2/default-GM.sf2", 1), FLUID_FAILED);
    ASSERT_EQ(fluid_player_add(player, midi.c_str()), FLUID_OK);
    ASSERT_EQ(fluid_player_play(player), FLUID_OK);
    std::vector<float> left(4096), right(4096);
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING
           && fluid_player_get_current_tick(player) < std::max(1, fluid_player_get_total_ticks(player)))
        fluid_synth_write_float(choices.synth, 4096, left.data(), 0, 1, right.data(), 0, 1);
    delete_fluid_player(player);
    delete_fluid_synth(choices.synth);
    delete_fluid_settings(settings);

    const std::set<std::pair<int, int>> found = midiInstruments(smf);
    EXPECT_GE(choices.chosen.size(), 3u);
    for (const auto &instrument : choices.chosen)
        EXPECT_TRUE(found.count(instrument)) << "bank " << instrument.first << ", program " << instrument.second;
    // A file cut short gives what was found before the cut.
    const std::set<std::pair<int, int>> cut = midiInstruments(smf.substr(0, smf.size() / 2));
    EXPECT_TRUE(std::includes(found.begin(), found.end(), cut.begin(), cut.end()));
}

INSTANTIATE_TEST_SUITE_P(Music, Tune, ::testing::ValuesIn(tunes()),
                         [](const ::testing::TestParamInfo<std::string> &info) { return info.param; });

} // namespace

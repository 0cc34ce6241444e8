// Renders a MIDI file to a 16-bit stereo 44100 Hz WAV with FluidSynth, for
// checking the music by ear or by measurement.
// Usage: midi2wav <in.mid> <out.wav> [soundfont.sf2]
#include <fluidsynth.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int kRate = 44100;

void put16(std::ofstream &out, uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream &out, uint32_t v) { put16(out, uint16_t(v & 0xffff)); put16(out, uint16_t(v >> 16)); }

bool writeWav(const char *path, const std::vector<int16_t> &samples)
{
    std::ofstream out(path, std::ios::binary);
    const uint32_t bytes = uint32_t(samples.size() * 2);
    out.write("RIFF", 4); put32(out, 36 + bytes); out.write("WAVE", 4);
    out.write("fmt ", 4); put32(out, 16); put16(out, 1); put16(out, 2);
    put32(out, kRate); put32(out, kRate * 4); put16(out, 4); put16(out, 16);
    out.write("data", 4); put32(out, bytes);
    out.write(reinterpret_cast<const char *>(samples.data()), bytes); // little-endian host
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: midi2wav <in.mid> <out.wav> [soundfont.sf2]\n");
        return 2;
    }
    const char *soundfont = argc == 4 ? argv[3] : "/usr/share/sounds/sf2/default-GM.sf2";

    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setstr(settings, "player.timing-source", "sample"); // driven by rendering, not the clock
    fluid_synth_t *synth = new_fluid_synth(settings);
    fluid_player_t *player = new_fluid_player(synth);
    int status = 1;
    if (fluid_synth_sfload(synth, soundfont, 1) == FLUID_FAILED)
        std::fprintf(stderr, "midi2wav: cannot load soundfont %s\n", soundfont);
    else if (fluid_player_add(player, argv[1]) == FLUID_FAILED || fluid_player_play(player) == FLUID_FAILED)
        std::fprintf(stderr, "midi2wav: cannot play %s\n", argv[1]);
    else {
        // The player reaches the file's last tick when the music ends (where a
        // looping player starts again); it is done once the last notes have
        // rung out, which is where the rendering stops.
        std::vector<int16_t> samples;
        std::vector<int16_t> block(2 * 512);
        size_t musicEnd = 0;
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
            fluid_synth_write_s16(synth, 512, block.data(), 0, 2, block.data(), 1, 2);
            samples.insert(samples.end(), block.begin(), block.end());
            const int total = fluid_player_get_total_ticks(player);
            if (musicEnd == 0 && total > 0 && fluid_player_get_current_tick(player) >= total)
                musicEnd = samples.size() / 2;
        }
        if (!writeWav(argv[2], samples))
            std::fprintf(stderr, "midi2wav: cannot write %s\n", argv[2]);
        else {
            std::printf("%s: music %.2f s, rendered %.2f s\n", argv[2], double(musicEnd) / kRate,
                        double(samples.size() / 2) / kRate);
            status = 0;
        }
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return status;
}

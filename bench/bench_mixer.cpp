// The mixer's block fill with 1, 2, 4 and 8 sounds playing, one 2048-byte
// block per iteration, against SDL's own mixing of the same sounds
// (SDL_MixAudioFormat, one call per sound) and a plain copy of the same
// bytes. The last line gives the ratios for 4 sounds.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>

#include "mixer/audio_output.h"
#include "mixer/mix_internal.h"

namespace {

constexpr size_t Block = 2048;
constexpr size_t WaveBytes = 4 * Block;

// k different sounds of noise, as the mixer holds them.
std::vector<std::vector<uint8_t>> sounds(int k)
{
    std::mt19937 draw(7);
    std::vector<std::vector<uint8_t>> out(k, std::vector<uint8_t>(WaveBytes));
    for (auto& s : out)
        for (uint8_t& b : s)
            b = uint8_t(draw());
    return out;
}

std::string riffImage(const std::vector<uint8_t>& data)
{
    auto le = [](uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += char(v >> (8 * i));
        return s;
    };
    std::string fmt = le(1, 2) + le(1, 2) + le(11025, 4) + le(11025, 4) + le(1, 2) + le(8, 2);
    std::string body = "WAVEfmt " + le(16, 4) + fmt + "data" + le(uint32_t(data.size()), 4)
        + std::string(data.begin(), data.end());
    return "RIFF" + le(uint32_t(body.size()), 4) + body;
}

void mixerFill(benchmark::State& state)
{
    const int k = int(state.range(0));
    useVirtualAudio(VirtualAudio::Manual);
    MixSession* s = MixerInit(nullptr);
    MixerActivate(s, true);
    MixerOpenChannel(s, 8, MixOpenFirst);
    std::vector<MixWave*> waves;
    for (const auto& data : sounds(k)) {
        std::string image = riffImage(data);
        MixWaveName name;
        name.buffer = image.data();
        name.size = image.size();
        waves.push_back(MixerOpenWave(s, name, MixOpenMemory));
    }
    // All start together (the first ones wait for the last) and loop for ever.
    for (int i = 0; i < k; ++i) {
        MixPlayParams p;
        p.session = s;
        p.channel = i;
        p.wave = waves[size_t(i)];
        p.flags = i + 1 < k ? uint32_t(MixWait) : 0;
        p.loops = 0xFFFF;
        MixerPlay(&p);
    }
    auto block = std::make_unique<MixBlock>();
    for (auto _ : state) {
        fillBlock(s, block.get(), false);
        benchmark::DoNotOptimize(block->data);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * k * int64_t(Block));
    for (MixWave* w : waves)
        MixerFreeWave(s, w);
    MixerCloseSession(s);
    closeAudio();
}

void sdlMix(benchmark::State& state)
{
    const int k = int(state.range(0));
    auto in = sounds(k);
    std::vector<uint8_t> out(Block);
    size_t at = 0;
    for (auto _ : state) {
        std::memset(out.data(), 128, Block);
        for (const auto& s : in)
            SDL_MixAudioFormat(out.data(), s.data() + at, AUDIO_U8, Block, SDL_MIX_MAXVOLUME);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        at = (at + Block) % WaveBytes;
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * k * int64_t(Block));
}

void copyBytes(benchmark::State& state)
{
    const int k = int(state.range(0));
    auto in = sounds(k);
    std::vector<uint8_t> out(size_t(k) * Block);
    size_t at = 0;
    for (auto _ : state) {
        for (int i = 0; i < k; ++i)
            std::memcpy(out.data() + size_t(i) * Block, in[size_t(i)].data() + at, Block);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        at = (at + Block) % WaveBytes;
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * k * int64_t(Block));
}

BENCHMARK(mixerFill)->Arg(1)->Arg(2)->Arg(4)->Arg(8);
BENCHMARK(sdlMix)->Arg(1)->Arg(2)->Arg(4)->Arg(8);
BENCHMARK(copyBytes)->Arg(1)->Arg(2)->Arg(4)->Arg(8);

// Keeps the time per iteration of every run for the closing line.
class Reporter : public benchmark::ConsoleReporter {
public:
    Reporter() : ConsoleReporter(OO_Tabular) {}   // no colours: the closing line stays plain text
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double mixer = reporter.times["mixerFill/4"];
    if (mixer > 0)
        std::printf("mixer: %.2f times SDL_MixAudioFormat, %.2f of memcpy speed\n",
            reporter.times["sdlMix/4"] / mixer, reporter.times["copyBytes/4"] / mixer);
    return 0;
}

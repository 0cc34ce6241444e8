// Renders a sound recipe (.sfx) into a PCM RIFF WAVE file.
//   synth <recipe.sfx> <out.wav>
//
// A recipe is plain text; a word that begins with '#' starts a comment that
// runs to the end of the line (so F#5 is a note). The first line says the
// output format, the rest is a list of voices that are summed:
//
//   format 8 11025          # bits (8 or 16), samples per second (11025 or 22050)
//
//   voice square            # sine, square, triangle, saw or noise
//     at 40                 # start, ms after the beginning (default 0)
//     length 120            # ms, envelope included (required)
//     pitch A5 -> E5 in 60  # Hz or a note name (C4, F#5, Bb3); optional
//                           #   exponential glide, over the whole length
//                           #   unless "in" says how many ms it takes.
//                           #   For noise: how often a new random value
//                           #   is drawn (default: every sample).
//     volume 0.3            # peak level, 1 = full scale (default 0.3)
//     envelope 2 30 0.5 40  # attack ms, decay ms, sustain level, release ms:
//                           #   up from silence, down to the sustain level,
//                           #   and back to silence over the last release ms
//                           #   (default 2 0 1 5)
//     duty 0.25             # square only: share of the period spent high;
//                           #   the wave stays centred on silence, so a
//                           #   narrow pulse peaks above its volume
//     vibrato 6 0.3         # rate Hz, depth in semitones
//     tremolo 20 0.5        # rate Hz, depth 0..1
//     lowpass 3000 -> 500   # one-pole filters; the cutoff may glide over
//     highpass 200          #   the voice's length like the pitch
//     notes C5 E5 G5 every 70   # one copy of the voice per note, each the
//                           #   given ms after the one before, starting on
//                           #   that note (a glide keeps its ratio);
//                           #   "every 0" sounds them together as a chord
//     echo 2 every 90 fade 0.4  # this many more copies, each later by the
//                           #   given ms and quieter by the given factor
//
// Noise is drawn from a fixed seed, so the same recipe always gives the same
// file. Attack and release must be above zero so every voice starts and ends
// at silence; a recipe whose sum leaves full scale is refused.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum class Wave { Sine, Square, Triangle, Saw, Noise };

struct Sweep {      // a value that glides exponentially from `from` to `to` in `ms`
    double from = 0, to = 0, ms = -1;   // ms < 0: over the whole voice
    double at(double t, double length) const
    {
        double span = ms < 0 ? length : ms;
        double x = span > 0 ? std::min(t / span, 1.0) : 1.0;
        return from * std::pow(to / from, x);
    }
};

struct Voice {
    Wave wave = Wave::Sine;
    double start = 0, length = 0, volume = 0.3;
    Sweep pitch;                 // from 0: not given
    double attack = 2, decay = 0, sustain = 1, release = 5;
    double duty = 0.5;
    double vibratoRate = 0, vibratoDepth = 0, tremoloRate = 0, tremoloDepth = 0;
    Sweep lowpass, highpass;     // from 0: off
    std::vector<double> notes;
    double noteStep = 0;
    int echoes = 0;
    double echoStep = 0, echoFade = 1;
    uint32_t seed = 1;
};

struct Recipe {
    int bits = 0, rate = 0;
    std::vector<Voice> voices;
};

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

double number(const std::string& s, const std::string& where)
{
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(s, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != s.size() || !std::isfinite(v))
        fail(where, "not a number: " + s);
    return v;
}

// A frequency in Hz, or a note name: letter, optional # or b, octave (A4 = 440 Hz).
double frequency(const std::string& s, const std::string& where)
{
    static const int semitone[] = {9, 11, 0, 2, 4, 5, 7};   // A B C D E F G
    if (!s.empty() && s[0] >= 'A' && s[0] <= 'G') {
        int n = semitone[s[0] - 'A'];
        size_t i = 1;
        if (i < s.size() && (s[i] == '#' || s[i] == 'b'))
            n += s[i++] == '#' ? 1 : -1;
        int octave = static_cast<int>(number(s.substr(i), where));
        return 440.0 * std::pow(2.0, (12 * (octave + 1) + n - 69) / 12.0);
    }
    double f = number(s, where);
    if (f <= 0)
        fail(where, "a frequency must be above 0");
    return f;
}

// "F", "F -> G" or "F -> G in MS".
Sweep sweep(const std::vector<std::string>& w, const std::string& where)
{
    bool glide = w.size() >= 4 && w[2] == "->";
    if (!(w.size() == 2 || (glide && w.size() == 4) || (glide && w.size() == 6 && w[4] == "in")))
        fail(where, "expected: " + w[0] + " F [-> F [in MS]]");
    Sweep s;
    s.from = s.to = frequency(w[1], where);
    if (glide)
        s.to = frequency(w[3], where);
    if (w.size() == 6)
        s.ms = number(w[5], where);
    return s;
}

Recipe parse(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": cannot open");
    Recipe r;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        std::string where = path + ":" + std::to_string(lineNo);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word && word[0] != '#';)
            w.push_back(word);
        if (w.empty())
            continue;
        auto expect = [&](size_t n, const char* form) {
            if (w.size() != n)
                fail(where, std::string("expected: ") + form);
        };
        auto num = [&](size_t i) { return number(w[i], where); };
        if (r.rate == 0) {
            expect(3, "format BITS RATE");
            if (w[0] != "format")
                fail(where, "a recipe begins with its format line");
            r.bits = static_cast<int>(num(1));
            r.rate = static_cast<int>(num(2));
            if ((r.bits != 8 && r.bits != 16) || (r.rate != 11025 && r.rate != 22050))
                fail(where, "format is 8 or 16 bits at 11025 or 22050");
            continue;
        }
        if (w[0] == "voice") {
            static const std::vector<std::string> names = {"sine", "square", "triangle", "saw", "noise"};
            expect(2, "voice sine|square|triangle|saw|noise");
            auto it = std::find(names.begin(), names.end(), w[1]);
            if (it == names.end())
                fail(where, "unknown wave: " + w[1]);
            r.voices.emplace_back();
            r.voices.back().wave = static_cast<Wave>(it - names.begin());
            continue;
        }
        if (r.voices.empty())
            fail(where, "'" + w[0] + "' before the first voice");
        Voice& v = r.voices.back();
        if (w[0] == "at") {
            expect(2, "at MS");
            v.start = num(1);
        } else if (w[0] == "length") {
            expect(2, "length MS");
            v.length = num(1);
        } else if (w[0] == "pitch") {
            v.pitch = sweep(w, where);
        } else if (w[0] == "volume") {
            expect(2, "volume LEVEL");
            v.volume = num(1);
        } else if (w[0] == "envelope") {
            expect(5, "envelope ATTACK DECAY SUSTAIN RELEASE");
            v.attack = num(1), v.decay = num(2), v.sustain = num(3), v.release = num(4);
        } else if (w[0] == "duty") {
            expect(2, "duty SHARE");
            v.duty = num(1);
        } else if (w[0] == "vibrato") {
            expect(3, "vibrato RATE SEMITONES");
            v.vibratoRate = num(1), v.vibratoDepth = num(2);
        } else if (w[0] == "tremolo") {
            expect(3, "tremolo RATE DEPTH");
            v.tremoloRate = num(1), v.tremoloDepth = num(2);
        } else if (w[0] == "lowpass") {
            v.lowpass = sweep(w, where);
        } else if (w[0] == "highpass") {
            v.highpass = sweep(w, where);
        } else if (w[0] == "notes") {
            if (w.size() < 4 || w[w.size() - 2] != "every")
                fail(where, "expected: notes NOTE... every MS");
            v.notes.clear();
            for (size_t i = 1; i + 2 < w.size(); ++i)
                v.notes.push_back(frequency(w[i], where));
            v.noteStep = num(w.size() - 1);
        } else if (w[0] == "echo") {
            expect(6, "echo COUNT every MS fade FACTOR");
            if (w[2] != "every" || w[4] != "fade")
                fail(where, "expected: echo COUNT every MS fade FACTOR");
            v.echoes = static_cast<int>(num(1)), v.echoStep = num(3), v.echoFade = num(5);
        } else {
            fail(where, "unknown word: " + w[0]);
        }
    }
    if (r.rate == 0)
        throw std::runtime_error(path + ": empty recipe");
    for (size_t i = 0; i < r.voices.size(); ++i) {
        const Voice& v = r.voices[i];
        std::string which = path + ": voice " + std::to_string(i + 1);
        if (v.length <= 0)
            fail(which, "has no length");
        if (v.attack <= 0 || v.release <= 0 || v.attack + v.release > v.length)
            fail(which, "attack and release must be above 0 and fit in the length");
        if (v.pitch.from == 0 && v.notes.empty() && v.wave != Wave::Noise)
            fail(which, "has no pitch");
        if (v.start < 0 || v.volume < 0 || v.echoes < 0 || v.duty <= 0 || v.duty >= 1)
            fail(which, "needs a start, volume and echo count not below 0 and a duty between 0 and 1");
    }
    return r;
}

// The notes and echoes of each voice become voices of their own.
std::vector<Voice> expand(const std::vector<Voice>& voices)
{
    std::vector<Voice> out;
    for (const Voice& v : voices) {
        std::vector<Voice> played;
        if (v.notes.empty())
            played.push_back(v);
        for (size_t i = 0; i < v.notes.size(); ++i) {
            Voice n = v;
            n.pitch.from = v.notes[i];
            n.pitch.to = v.pitch.from > 0 ? v.pitch.to * v.notes[i] / v.pitch.from : v.notes[i];
            n.start += i * v.noteStep;
            played.push_back(n);
        }
        for (const Voice& p : played) {
            Voice e = p;
            for (int k = 0; k <= v.echoes; ++k) {
                e.seed = static_cast<uint32_t>(out.size() + 1);
                out.push_back(e);
                e.start += v.echoStep;
                e.volume *= v.echoFade;
            }
        }
    }
    return out;
}

// Band-limited step correction for the edges of square and saw waves.
double blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

double envelope(const Voice& v, double t)
{
    double level;
    if (t < v.attack)
        level = t / v.attack;
    else if (t < v.attack + v.decay) {
        double x = 1 - (t - v.attack) / v.decay;
        level = v.sustain + (1 - v.sustain) * x * x;
    } else
        level = v.sustain;
    return level * std::clamp((v.length - t) / v.release, 0.0, 1.0);
}

void render(const Voice& v, int rate, std::vector<double>& mix)
{
    const double pi2 = 2 * std::numbers::pi;
    size_t first = static_cast<size_t>(std::ceil(v.start * rate / 1000));
    double phase = 0, held = 0, low = 0, lowOfHigh = 0;
    uint32_t noise = v.seed * 2654435761u + 1;
    auto draw = [&noise] {
        noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
        return noise / 2147483648.0 - 1;
    };
    for (size_t i = first; i < mix.size(); ++i) {
        double t = i * 1000.0 / rate - v.start;   // ms into the voice
        if (t >= v.length)
            break;
        double f = v.pitch.from > 0 ? v.pitch.at(t, v.length) : rate;
        if (v.vibratoRate > 0)
            f *= std::pow(2.0, v.vibratoDepth / 12 * std::sin(pi2 * v.vibratoRate * t / 1000));
        double dt = std::min(f / rate, 1.0);
        double x = 0;
        switch (v.wave) {
        case Wave::Sine: x = std::sin(pi2 * phase); break;
        case Wave::Triangle: x = 1 - 4 * std::abs(std::fmod(phase + 0.25, 1.0) - 0.5); break;
        case Wave::Saw: x = 2 * phase - 1 - blep(phase, dt); break;
        case Wave::Square:
            // less its average, so a narrow pulse carries no offset
            x = (phase < v.duty ? 1 : -1) + blep(phase, dt) - blep(std::fmod(phase + 1 - v.duty, 1.0), dt)
                - (2 * v.duty - 1);
            break;
        case Wave::Noise:
            if (i == first || phase + dt >= 1)
                held = draw();
            x = held;
            break;
        }
        phase = std::fmod(phase + dt, 1.0);
        if (v.lowpass.from > 0) {
            low += (1 - std::exp(-pi2 * v.lowpass.at(t, v.length) / rate)) * (x - low);
            x = low;
        }
        if (v.highpass.from > 0) {
            lowOfHigh += (1 - std::exp(-pi2 * v.highpass.at(t, v.length) / rate)) * (x - lowOfHigh);
            x -= lowOfHigh;
        }
        if (v.tremoloRate > 0)
            x *= 1 - v.tremoloDepth * (0.5 - 0.5 * std::cos(pi2 * v.tremoloRate * t / 1000));
        mix[i] += v.volume * envelope(v, t) * x;
    }
}

void put(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

std::string wave(const Recipe& r, const std::vector<double>& mix)
{
    std::string data;
    for (double x : mix) {
        if (r.bits == 8)
            put(data, static_cast<uint32_t>(std::lround(128 + 127 * x)), 1);
        else
            put(data, static_cast<uint32_t>(static_cast<int32_t>(std::lround(32767 * x))), 2);
    }
    int align = r.bits / 8;
    std::string out = "RIFF";
    put(out, static_cast<uint32_t>(36 + data.size() + data.size() % 2), 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);                 // PCM
    put(out, 1, 2);                 // mono
    put(out, static_cast<uint32_t>(r.rate), 4);
    put(out, static_cast<uint32_t>(r.rate * align), 4);
    put(out, static_cast<uint32_t>(align), 2);
    put(out, static_cast<uint32_t>(r.bits), 2);
    out += "data";
    put(out, static_cast<uint32_t>(data.size()), 4);
    out += data;
    if (data.size() % 2)
        out += '\0';                // chunks are padded to an even size
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: synth <recipe.sfx> <out.wav>\n";
        return 2;
    }
    try {
        Recipe r = parse(argv[1]);
        std::vector<Voice> voices = expand(r.voices);
        if (voices.empty())
            throw std::runtime_error(std::string(argv[1]) + ": no voices");
        double end = 0;
        for (const Voice& v : voices)
            end = std::max(end, v.start + v.length);
        // One sample past the last voice's end, so the file ends on silence.
        std::vector<double> mix(static_cast<size_t>(std::ceil(end * r.rate / 1000)) + 1, 0.0);
        for (const Voice& v : voices)
            render(v, r.rate, mix);
        double peak = 0;
        for (double x : mix)
            peak = std::max(peak, std::abs(x));
        if (peak > 1)
            throw std::runtime_error(std::string(argv[1]) + ": clips (peak " + std::to_string(peak) + ")");
        std::ofstream out(argv[2], std::ios::binary);
        out << wave(r, mix);
        out.close();
        if (!out)
            throw std::runtime_error(std::string(argv[2]) + ": cannot write");
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}

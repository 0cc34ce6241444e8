// Writes the seed corpus of a fuzz target from the game's own files, so
// that fuzzing starts from the inputs the parsers really meet:
//   seeds save     <dir> <my.dat>                      saves, whole and damaged
//   seeds datafile <dir> <my.dat> <item.dat> <map.dat>  the three data files
//   seeds riff     <dir> <wave>...                     the game's sound effects
//   seeds ini      <dir>                               a MIXER.INI
//   seeds midi     <dir> <tune>...                     the game's tunes
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path.string() + ": cannot open");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeSeed(const fs::path& dir, const std::string& name, const std::string& bytes)
{
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

std::vector<std::string> linesOf(const std::string& file)
{
    std::vector<std::string> lines;
    for (size_t pos = 0; pos < file.size();) {
        size_t end = file.find("\r\n", pos);
        if (end == std::string::npos)
            end = file.size();
        lines.push_back(file.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines, const char* end = "\r\n")
{
    std::string out;
    for (const std::string& line : lines)
        out += line + end;
    return out;
}

// The save, and the ways it is met: in an area and on the map, in the
// last area of the table, written by other hands, and damaged.
void saveSeeds(const fs::path& dir, const std::string& save)
{
    const std::vector<std::string> lines = linesOf(save);
    if (lines.size() != 667)
        throw std::runtime_error("my.dat: " + std::to_string(lines.size()) + " lines, expected 667");
    const auto with = [&](std::vector<std::pair<int, std::string>> changes) {
        std::vector<std::string> out = lines;
        for (const auto& [line, text] : changes)
            out[line - 1] = text;
        return joined(out);
    };
    writeSeed(dir, "initial", save);
    writeSeed(dir, "in-area", with({{5, "soul "}, {8, "12"}, {266, "3"}, {9, "41"}, {623, "-5"}, {625, "6000"},
                                    {659, "1"}, {380, "1"}, {367, "1"}, {638, "soul [NOMAL]"}}));
    writeSeed(dir, "on-map", with({{266, "-1"}, {268, "1"}, {275, "2"}, {660, "1"}, {663, "1"}}));
    writeSeed(dir, "last-area", with({{266, "98"}, {659, "7"}, {667, "3"}}));
    writeSeed(dir, "line-feeds", joined(lines, "\n"));
    writeSeed(dir, "by-hand", with({{5, "a\tb\x01"}, {1, "  +7 words"}, {640, ""}}) + "\r\nextra\r\n");
    writeSeed(dir, "cut-short", save.substr(0, 1000));
    writeSeed(dir, "not-a-number", with({{300, "x"}}));
    writeSeed(dir, "area-outside", with({{266, "99"}}));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: seeds save|datafile|riff|ini|midi <dir> <file>...\n");
        return 2;
    }
    const std::string kind = argv[1];
    const fs::path dir = argv[2];
    try {
        fs::create_directories(dir);
        if (kind == "save" && argc == 4) {
            saveSeeds(dir, readBytes(argv[3]));
        } else if (kind == "datafile" && argc == 6) {
            // The first byte picks which values are strings (bit i % 8 of
            // value i): my.dat starts int int int int string; the tables
            // go string string int int.
            writeSeed(dir, "my", std::string(1, '\x10') + readBytes(argv[3]));
            writeSeed(dir, "item", std::string(1, '\x33') + readBytes(argv[4]));
            writeSeed(dir, "map", std::string(1, '\x33') + readBytes(argv[5]));
        } else if (kind == "riff") {
            // The first byte picks the output format; each wave gets another.
            for (int i = 3; i < argc; ++i)
                writeSeed(dir, fs::path(argv[i]).stem().string(), std::string(1, char(i % 6)) + readBytes(argv[i]));
        } else if (kind == "midi") {
            for (int i = 3; i < argc; ++i)
                writeSeed(dir, fs::path(argv[i]).stem().string(), readBytes(argv[i]));
        } else if (kind == "ini" && argc == 3) {
            writeSeed(dir, "MIXER.INI",
                      "; settings of the realtime mixer\r\n[general]\r\nWaveOutDevice=0\r\n\r\n[default]\r\n"
                      "Remix=1\r\nGoodWavePos=0\r\nWaveBlocks=3\r\nWaveBlockLen=2048\r\nSamplesPerSec=22\r\n\r\n"
                      "[not compatible]\r\nOld Sound Card=1\r\n\r\n[Virtual wave output]\r\nRemix = 2\r\n"
                      "GoodWavePos=1\r\nWaveBlocks=8\r\nWaveBlockLen=-4096\r\nSamplesPerSec=44\r\n");
        } else {
            std::fprintf(stderr, "seeds: unknown kind or wrong number of files\n");
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}

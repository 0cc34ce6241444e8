// Turns a readable UTF-8 table into the game's data file: CP932 text with
// CRLF line ends. Checks the line count, so a table cannot silently shift.
//   text2dat <in.txt> <out.dat> <lines>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/text.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: text2dat <in.txt> <out.dat> <lines>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    std::string out, line;
    int count = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto converted = toCp932(line);
        if (!converted) {
            std::cerr << argv[1] << ":" << count + 1 << ": no CP932 form: " << line << "\n";
            return 1;
        }
        out += *converted + "\r\n";
        ++count;
    }
    if (count != std::stoi(argv[3])) {
        std::cerr << argv[1] << ": " << count << " lines, expected " << argv[3] << "\n";
        return 1;
    }
    std::ofstream(argv[2], std::ios::binary) << out;
    return 0;
}

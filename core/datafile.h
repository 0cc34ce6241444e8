// The data files: plain CP932 text, one value per line, CRLF line ends.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

// An input/output error on a data file. what() is the CP932 text shown in
// the message box ("ﾌｧｲﾙが見つかりません", "入力値が数値ではありません", ...).
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The box text for an errno value.
std::string ioErrorText(int err);

// Reads values as the game always has: an integer skips blanks and line
// ends before its token and discards the rest of its line; a string is the
// whole next line. Past the end an integer is 0 and a string is empty.
// LF-only line ends and a leading "+" are accepted too.
class DataReader {
public:
    explicit DataReader(std::string bytes) : buf_(std::move(bytes)) {}
    // Reads a whole file; EInOutError when it cannot be opened or read.
    static DataReader open(const std::string& path);

    int32_t readInt();          // EInOutError when the token is not a number
    std::string readString();

private:
    void skipLine();
    std::string buf_;
    size_t pos_ = 0;
};

// Collects values with their line ends.
class DataWriter {
public:
    void writeInt(int32_t v) { out_ += std::to_string(v) + "\r\n"; }
    void writeString(const std::string& s) { out_ += s + "\r\n"; }
    const std::string& bytes() const { return out_; }

private:
    std::string out_;
};

// Replaces `path` safely: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and the file is renamed over `path`.
// On failure the old file stays whole and EInOutError is thrown.
void replaceFile(const std::string& path, const std::string& bytes);

// The data files: plain CP932 text, one value per line, CRLF line ends.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// An input/output error on a data file. what() is the CP932 text shown in
// the message box ("ﾌｧｲﾙが見つかりません", "入力値が数値ではありません", ...),
// followed, for a named file, by a line that says where: "(my.dat 300行目)".
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The box text for an errno value.
std::string ioErrorText(int err);
// The error of a file: the text for the errno, then "(my.dat)" on its own line.
EInOutError fileError(int err, const std::string& path);

// A value is one line: every control character (below 0x20) becomes a blank.
std::string blankControls(std::string s);

// What reading past the end of a file gives: 0 and "" (the tables may be
// short), or an error (a save that ends early is damaged).
enum class PastEnd { Empty, Error };

// The largest data file read: a save is a few kilobytes.
constexpr long maxDataFileSize = 16 << 20;
// The last part of a path, as the boxes name it (CP932).
std::string fileName(const std::string& path);
// A whole file's bytes; EInOutError naming the file when it cannot be read,
// is not a regular file (a folder, a device, a pipe: access is refused) or
// holds more than maxDataFileSize bytes.
std::string readDataFile(const std::string& path);

// Reads values as the game always has: an integer skips blanks and line
// ends before its token and discards the rest of its line; a string is the
// whole next line, its control characters read as blanks. LF-only line
// ends and a leading "+" are accepted too. Errors name the file and the
// line when the reader has a name.
class DataReader {
public:
    explicit DataReader(std::string bytes, std::string name = {}, PastEnd pastEnd = PastEnd::Empty)
        : buf_(std::move(bytes)), name_(std::move(name)), pastEnd_(pastEnd) {}
    // Reads a whole file, named by its file name; EInOutError when it
    // cannot be opened or read.
    static DataReader open(const std::string& path, PastEnd pastEnd = PastEnd::Empty);

    // EInOutError when the token is not a number or lies outside low..high.
    int32_t readInt(int32_t low = INT32_MIN, int32_t high = INT32_MAX);
    std::string readString();

private:
    void skipLine();
    [[noreturn]] void fail(const std::string& text, int line) const;
    std::string buf_;
    std::string name_;
    PastEnd pastEnd_;
    size_t pos_ = 0;
    int line_ = 1;   // the line pos_ is on
};

// Collects values with their line ends; a string's control characters are
// written as blanks, so that every value stays one line.
class DataWriter {
public:
    void writeInt(int32_t v) { out_ += std::to_string(v) + "\r\n"; }
    void writeString(const std::string& s) { out_ += blankControls(s) + "\r\n"; }
    const std::string& bytes() const { return out_; }

private:
    std::string out_;
};

// A file's new bytes, written to a temporary file in the same folder and
// flushed to the disk, waiting to be renamed over the file. Files made
// ready first are put in place together: a failure before then leaves each
// as it was. A file without write permission (read-only, for root too), or
// not a regular file, is refused as the platform refuses to write it. The
// new file keeps the old one's mode, or takes the mode and time of
// `timeOf`. Failures throw EInOutError naming the file.
class PendingFile {
public:
    PendingFile(std::string path, const std::string& bytes, const struct stat* timeOf = nullptr);
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();   // the new bytes are removed unless they were put in place
    void commit();

private:
    std::string path_;
    std::string tmp_;
};
// Replaces `path` safely: on failure the old file stays whole.
void replaceFile(const std::string& path, const std::string& bytes);
// Replaces `to` as safely with the bytes of the data file `from`, its mode
// and time too.
void copyFile(const std::string& from, const std::string& to);
// Writes a file that is not there yet, whole or not at all; EInOutError
// when it cannot, or when the file is there already.
void createFile(const std::string& path, const std::string& bytes);
// The temporary file these write for `path`: each process has its own, so
// two instances never share one.
std::string replaceTempPath(const std::string& path, long pid = ::getpid());
// Removes the temporary files that replaceFile of `path` left when a
// process was killed midway (those of processes still running stay);
// `path` itself is whole either way.
void discardUnfinishedReplace(const std::string& path);

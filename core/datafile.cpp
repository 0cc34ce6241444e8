#include "core/datafile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text.h"

std::string ioErrorText(int err)
{
    switch (err) {
    case ENOENT:
        return "ﾌｧｲﾙが見つかりません"_sj;
    case ENOTDIR:
        return "ﾊﾟｽが見つかりません"_sj;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return "ﾌｧｲﾙ ｱｸｾｽが拒否されました"_sj;
    case ENOSPC:
    case EDQUOT:
        return "ﾃﾞｨｽｸがいっぱいです"_sj;
    default:
        return fill("入出力ｴﾗｰ %1"_sj, {num(err)});
    }
}

std::string blankControls(std::string s)
{
    // CP932 trail bytes are 0x40 or above: only whole characters are blanked.
    for (char& c : s)
        if ((unsigned char)c < 0x20)
            c = ' ';
    return s;
}

std::string readDataFile(const std::string& path)
{
    const std::string name = path.substr(path.rfind('/') + 1);
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw EInOutError(ioErrorText(errno) + "\r(" + name + ")");
    std::string bytes;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    int err = std::ferror(f) ? EIO : 0;
    std::fclose(f);
    if (err)
        throw EInOutError(ioErrorText(err) + "\r(" + name + ")");
    return bytes;
}

DataReader DataReader::open(const std::string& path, PastEnd pastEnd)
{
    return DataReader(readDataFile(path), path.substr(path.rfind('/') + 1), pastEnd);
}

void DataReader::fail(const std::string& text, int line) const
{
    if (name_.empty())
        throw EInOutError(text);
    throw EInOutError(text + "\r" + fill("(%1 %2行目)"_sj, {name_, num(line)}));
}

void DataReader::skipLine()
{
    while (pos_ < buf_.size() && buf_[pos_] != '\r' && buf_[pos_] != '\n')
        ++pos_;
    if (pos_ < buf_.size() && buf_[pos_] == '\r')
        ++pos_;
    if (pos_ < buf_.size() && buf_[pos_] == '\n')
        ++pos_;
    ++line_;   // at the end of the file too: the next value is wanted from the next line
}

int32_t DataReader::readInt(int32_t low, int32_t high)
{
    for (; pos_ < buf_.size() && (unsigned char)buf_[pos_] <= 32; ++pos_)
        if (buf_[pos_] == '\n' || (buf_[pos_] == '\r' && (pos_ + 1 == buf_.size() || buf_[pos_ + 1] != '\n')))
            ++line_;
    if (pos_ >= buf_.size()) {
        if (pastEnd_ == PastEnd::Error)
            fail("ﾌｧｲﾙの終わりを越えて読み込もうとしました"_sj, line_);
        return 0;
    }
    const int line = line_;
    size_t start = pos_;
    while (pos_ < buf_.size() && (unsigned char)buf_[pos_] > 32 && pos_ - start < 32)
        ++pos_;
    const std::string token = buf_.substr(start, pos_ - start);
    skipLine();

    size_t i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
    if (i == token.size())
        fail("入力値が数値ではありません"_sj, line);
    int64_t value = 0;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9')
            fail("入力値が数値ではありません"_sj, line);
        value = value * 10 + (token[i] - '0');
        if (value > int64_t(INT32_MAX) + 1)
            fail("入力値が数値ではありません"_sj, line);
    }
    if (token[0] == '-')
        value = -value;
    if (value > INT32_MAX)
        fail("入力値が数値ではありません"_sj, line);
    if (value < low || value > high)
        fail("入力値が範囲外です"_sj, line);
    return int32_t(value);
}

std::string DataReader::readString()
{
    if (pos_ >= buf_.size() && pastEnd_ == PastEnd::Error)
        fail("ﾌｧｲﾙの終わりを越えて読み込もうとしました"_sj, line_);
    size_t start = pos_;
    while (pos_ < buf_.size() && buf_[pos_] != '\r' && buf_[pos_] != '\n')
        ++pos_;
    std::string value = blankControls(buf_.substr(start, pos_ - start));
    skipLine();
    return value;
}

namespace {

// Writes the bytes to a new file `tmp` (mode from `mode` when given) and
// flushes them to the disk; returns 0 or the errno of the failure, having
// removed what it wrote.
int writeNew(const std::string& tmp, const std::string& bytes, const struct stat* mode)
{
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    // The new file takes the old one's mode; only a regular file's mode is
    // ours to set.
    struct stat made;
    int err = 0;
    if (mode && ::fstat(fd, &made) == 0 && S_ISREG(made.st_mode) && ::fchmod(fd, mode->st_mode & 07777) != 0)
        err = errno;
    size_t done = 0;
    while (done < bytes.size() && !err) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            err = errno;
        else if (n > 0)
            done += size_t(n);
    }
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (err)
        ::unlink(tmp.c_str());
    return err;
}

} // namespace

std::string replaceTempPath(const std::string& path, long pid) { return path + "." + std::to_string(pid) + ".tmp"; }

void replaceFile(const std::string& path, const std::string& bytes)
{
    // The rename below would go round a file's mode, so a file without
    // write permission is refused here; root, whom the system lets write
    // anything, is held to the mode bits too.
    struct stat old;
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0))
        throw EInOutError(ioErrorText(EACCES));

    const std::string tmp = replaceTempPath(path);
    int err = writeNew(tmp, bytes, exists ? &old : nullptr);
    if (!err && std::rename(tmp.c_str(), path.c_str()) != 0) {
        err = errno;
        ::unlink(tmp.c_str());
    }
    if (err)
        throw EInOutError(ioErrorText(err));
}

void createFile(const std::string& path, const std::string& bytes)
{
    const std::string tmp = replaceTempPath(path);
    int err = writeNew(tmp, bytes, nullptr);
    if (!err) {
        // A link is never made over a file that is there already.
        if (::link(tmp.c_str(), path.c_str()) != 0)
            err = errno;
        ::unlink(tmp.c_str());
    }
    if (err)
        throw EInOutError(ioErrorText(err));
}

// Another instance's temporary file is left alone while that instance runs.
void discardUnfinishedReplace(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string prefix = file.filename().string() + ".";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(file.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            !name.ends_with(".tmp"))
            continue;
        const std::string pid = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9)
            continue;
        const long owner = std::stol(pid);
        if (owner == ::getpid() || (::kill(pid_t(owner), 0) != 0 && errno == ESRCH))
            ::unlink(entry.path().c_str());
    }
    ::unlink((path + ".tmp").c_str());   // as earlier versions named it
}

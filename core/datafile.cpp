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
    case EFBIG:
        return "ﾌｧｲﾙが大きすぎます"_sj;
    case EEXIST:
        return "ﾌｧｲﾙが既に存在します"_sj;
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

std::string fileName(const std::string& path)
{
    const std::string name = path.substr(path.rfind('/') + 1);
    return toCp932(name).value_or(name);
}

EInOutError fileError(int err, const std::string& path)
{
    return EInOutError(ioErrorText(err) + "\r(" + fileName(path) + ")");
}

std::string readDataFile(const std::string& path)
{
    // Opened without waiting, so that a pipe put in a file's place cannot
    // hold the game up; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw fileError(errno, path);
    struct stat st;
    int err = ::fstat(fd, &st) != 0 ? errno : !S_ISREG(st.st_mode) ? EACCES : st.st_size > maxDataFileSize ? EFBIG : 0;
    std::string bytes;
    char chunk[65536];
    for (ssize_t n = 1; !err && n != 0;) {
        n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno != EINTR)
            err = errno;
        if (n > 0)
            bytes.append(chunk, size_t(n));
        if (bytes.size() > size_t(maxDataFileSize))
            err = EFBIG;   // it grew while it was read
    }
    ::close(fd);
    if (err)
        throw fileError(err, path);
    return bytes;
}

DataReader DataReader::open(const std::string& path, PastEnd pastEnd)
{
    return DataReader(readDataFile(path), fileName(path), pastEnd);
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
    // Only blanks, tabs and line ends come before a number: any other
    // control character there is damage, and is named on its own line.
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    for (; pos_ < buf_.size() && blank(buf_[pos_]); ++pos_)
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

// Writes the bytes to a new file `tmp` and flushes them to the disk, with
// the mode of `like` when given and its time when `keepTime`; returns 0 or
// the errno of the failure, having removed what it wrote.
int writeNew(const std::string& tmp, const std::string& bytes, const struct stat* like, bool keepTime = false)
{
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    // The new file takes the old one's mode; only a regular file's mode is
    // ours to set.
    struct stat made;
    int err = 0;
    if (like && ::fstat(fd, &made) == 0 && S_ISREG(made.st_mode) && ::fchmod(fd, like->st_mode & 07777) != 0)
        err = errno;
    size_t done = 0;
    while (done < bytes.size() && !err) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            err = errno;
        else if (n > 0)
            done += size_t(n);
    }
    const struct timespec times[2] = {like ? like->st_atim : timespec{}, like ? like->st_mtim : timespec{}};
    if (!err && keepTime && ::futimens(fd, times) != 0)
        err = errno;
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

PendingFile::PendingFile(std::string path, const std::string& bytes, const struct stat* timeOf)
    : path_(std::move(path)), tmp_(replaceTempPath(path_))
{
    // The rename would go round a file's mode, so a file without write
    // permission is refused here; root, whom the system lets write
    // anything, is held to the mode bits too. Only a regular file is
    // replaced.
    struct stat old;
    const bool exists = ::stat(path_.c_str(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 || ::access(path_.c_str(), W_OK) != 0))
        throw fileError(EACCES, path_);
    const struct stat* like = timeOf ? timeOf : exists ? &old : nullptr;
    if (int err = writeNew(tmp_, bytes, like, timeOf != nullptr))
        throw fileError(err, path_);
}

PendingFile::~PendingFile()
{
    if (!tmp_.empty())
        ::unlink(tmp_.c_str());
}

void PendingFile::commit()
{
    if (std::rename(tmp_.c_str(), path_.c_str()) != 0)
        throw fileError(errno, path_);   // the destructor removes the new bytes
    tmp_.clear();
}

void replaceFile(const std::string& path, const std::string& bytes) { PendingFile(path, bytes).commit(); }

void copyFile(const std::string& from, const std::string& to)
{
    const std::string bytes = readDataFile(from);
    struct stat st;
    if (::stat(from.c_str(), &st) != 0)
        throw fileError(errno, from);
    PendingFile(to, bytes, &st).commit();
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
        throw fileError(err, path);
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

#include "core/datafile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
        return "入出力ｴﾗｰ "_sj + num(err);
    }
}

DataReader DataReader::open(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw EInOutError(ioErrorText(errno));
    std::string bytes;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    int err = std::ferror(f) ? EIO : 0;
    std::fclose(f);
    if (err)
        throw EInOutError(ioErrorText(err));
    return DataReader(std::move(bytes));
}

void DataReader::skipLine()
{
    while (pos_ < buf_.size() && buf_[pos_] != '\r' && buf_[pos_] != '\n')
        ++pos_;
    if (pos_ < buf_.size() && buf_[pos_] == '\r')
        ++pos_;
    if (pos_ < buf_.size() && buf_[pos_] == '\n')
        ++pos_;
}

int32_t DataReader::readInt()
{
    while (pos_ < buf_.size() && (unsigned char)buf_[pos_] <= 32)
        ++pos_;
    if (pos_ >= buf_.size())
        return 0;
    size_t start = pos_;
    while (pos_ < buf_.size() && (unsigned char)buf_[pos_] > 32 && pos_ - start < 32)
        ++pos_;
    const std::string token = buf_.substr(start, pos_ - start);
    skipLine();

    size_t i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
    if (i == token.size())
        throw EInOutError("入力値が数値ではありません"_sj);
    int64_t value = 0;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9')
            throw EInOutError("入力値が数値ではありません"_sj);
        value = value * 10 + (token[i] - '0');
        if (value > int64_t(INT32_MAX) + 1)
            throw EInOutError("入力値が数値ではありません"_sj);
    }
    if (token[0] == '-')
        value = -value;
    if (value > INT32_MAX)
        throw EInOutError("入力値が数値ではありません"_sj);
    return int32_t(value);
}

std::string DataReader::readString()
{
    size_t start = pos_;
    while (pos_ < buf_.size() && buf_[pos_] != '\r' && buf_[pos_] != '\n')
        ++pos_;
    std::string value = buf_.substr(start, pos_ - start);
    skipLine();
    return value;
}

void replaceFile(const std::string& path, const std::string& bytes)
{
    const std::string tmp = path + ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw EInOutError(ioErrorText(errno));
    size_t done = 0;
    int err = 0;
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
    if (!err && std::rename(tmp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(tmp.c_str());
        throw EInOutError(ioErrorText(err));
    }
}

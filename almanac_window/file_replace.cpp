#include "almanac_window/file_replace.h"

#include "almanac_window/shown_name.h"
#include "calendar/rules/system_reasons.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vadelon {

namespace {

// Closes the descriptor it holds when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd)
    { }
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes it now; false (errno set) when the close reported an error.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Short whatever the target's name is: name + suffix would not fit NAME_MAX
// for a name of 249 bytes or more.
std::string TemporaryName()
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".vadelon-";
    for (int i = 0; i < 6; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

constexpr int kAttempts = 100;  // names taken by chance before giving up

// Writes bytes over the file open as fd, which keeps its name, its other
// names, its owner and its mode. The room for the new contents is taken
// first, so that a full disk or a file-size limit stops the save before
// the old contents are touched.
std::optional<WriteFault> WriteInPlace(int fd, const QByteArray& bytes)
{
    const off_t size = off_t(bytes.size());
    // It returns the error instead of setting errno.
    const int reserved = size > 0 ? ::posix_fallocate(fd, 0, size) : 0;
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL)
        return WriteFault{WriteFault::System, reserved};
    if (::lseek(fd, 0, SEEK_SET) != 0 || !WriteAll(fd, bytes) || ::ftruncate(fd, size) != 0 || ::fsync(fd) != 0)
        return WriteFault{WriteFault::System, errno};
    return std::nullopt;
}

}  // namespace

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

std::optional<WriteFault> ReplaceFile(const QString& path, const QByteArray& bytes)
{
    IgnoreFileSizeSignal();
    std::string target = QFile::encodeName(path).toStdString();
    struct stat old { };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists) {
        if (errno != ENOENT)
            return WriteFault{WriteFault::System, errno};
        struct stat link { };
        if (::lstat(target.c_str(), &link) == 0)
            return WriteFault{WriteFault::DanglingLink};
    } else if (S_ISDIR(old.st_mode)) {
        return WriteFault{WriteFault::System, EISDIR};
    } else if (!S_ISREG(old.st_mode)) {
        return WriteFault{WriteFault::SpecialFile};
    } else {
        // The file a symbolic link names is replaced; the link stays.
        char* real = ::realpath(target.c_str(), nullptr);
        if (real == nullptr)
            return WriteFault{WriteFault::System, errno};
        target = real;
        std::free(real);
    }
    // Opened for writing, not truncated: a file this user may not write is
    // refused as the system refuses it, and not replaced by a rename that
    // needs only the folder's leave.
    Descriptor original;
    if (exists) {
        original.reset(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat opened { };
        if (original.get() < 0)
            return WriteFault{WriteFault::System, errno};
        if (::fstat(original.get(), &opened) != 0)
            return WriteFault{WriteFault::System, errno};
        if (!S_ISREG(opened.st_mode))
            return WriteFault{WriteFault::SpecialFile};
        old = opened;
    }
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    // O_PATH: a folder that may be written but not listed will do.
    const Descriptor dir(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return WriteFault{WriteFault::System, errno};

    // A file the user may write in a folder the user may not: written in
    // place, as no new file can be made beside it.
    const auto noTemporary = [&](int error) {
        if (exists && (error == EACCES || error == EPERM))
            return WriteInPlace(original.get(), bytes);
        return std::optional<WriteFault>(WriteFault{WriteFault::System, error});
    };
    std::string temporary;
    Descriptor file(::openat(dir.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        // EOPNOTSUPP (and EISDIR from old kernels): no unnamed files here.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return noTemporary(errno);
        for (int attempt = 0; file.get() < 0; ++attempt) {
            temporary = TemporaryName();
            file.reset(::openat(dir.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (file.get() < 0 && (errno != EEXIST || attempt == kAttempts))
                return noTemporary(errno);
        }
    }
    const auto fail = [&](WriteFault fault) {
        if (!temporary.empty())
            ::unlinkat(dir.get(), temporary.c_str(), 0);
        return fault;
    };
    if (exists) {
        // Owner, group and mode as the old file had them (the owner first: a
        // change of owner clears the set-ID bits). A file with other names,
        // or whose owner or group this user cannot give the new one, is
        // written in place instead: a rename would part its names or hand it
        // to this user.
        if (old.st_nlink > 1 || ::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
            if (!temporary.empty())
                ::unlinkat(dir.get(), temporary.c_str(), 0);
            return WriteInPlace(original.get(), bytes);
        }
        // A failure here loses nothing of the text.
        [[maybe_unused]] const int moded = ::fchmod(file.get(), old.st_mode & 07777);
    }
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0)
        return fail({WriteFault::System, errno});
    if (temporary.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(file.get());
        for (int attempt = 0;; ++attempt) {
            temporary = TemporaryName();
            if (::linkat(AT_FDCWD, self.c_str(), dir.get(), temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
                break;
            const int error = errno;
            temporary.clear();
            if (error != EEXIST || attempt == kAttempts)
                return WriteFault{WriteFault::System, error};
        }
    }
    if (!file.close())
        return fail({WriteFault::System, errno});
    // Once more just before the rename: whatever took the name meanwhile, only
    // a regular file is replaced.
    struct stat now { };
    if (::fstatat(dir.get(), name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(now.st_mode))
        return fail({S_ISDIR(now.st_mode) ? WriteFault::System : WriteFault::SpecialFile, EISDIR});
    if (::renameat(dir.get(), temporary.c_str(), dir.get(), name.c_str()) != 0)
        return fail({WriteFault::System, errno});
    // The new name on the disk as well; the contents are there already.
    const Descriptor listing(::openat(dir.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listing.get() >= 0)
        ::fsync(listing.get());
    return std::nullopt;
}

QString CreateFailureMessage(const QString& path, const WriteFault& fault)
{
    QString reason;
    switch (fault.kind) {
    case WriteFault::System: reason = QString::fromStdString(SystemReason(fault.error)); break;
    case WriteFault::SpecialFile: reason = QString::fromUtf16(kSpecialFileReason); break;
    case WriteFault::DanglingLink: reason = QStringLiteral("リンク先のないリンク"); break;
    }
    return QStringLiteral("ファイル %1 を作成できません（%2）").arg(ShownFileName(path), reason);
}

}  // namespace vadelon

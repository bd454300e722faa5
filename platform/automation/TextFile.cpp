#include "TextFile.h"

#include "AutomationError.h"
#include "Utf8.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane
{

namespace
{

[[noreturn]] void AccessError(const std::filesystem::path &path, const std::string &what)
{
    throw AutomationError(ErrorNumber::PathAccess,
                          "Path/File access error: " + PrintableText(path.native()) + ": " + what);
}

[[noreturn]] void SystemError(const std::filesystem::path &path, int error)
{
    AccessError(path, std::strerror(error));
}

[[noreturn]] void NotRegular(const std::filesystem::path &path, mode_t mode)
{
    AccessError(path,
                S_ISDIR(mode)                        ? "is a directory"
                    : S_ISFIFO(mode)                 ? "is a FIFO, not a regular file"
                    : S_ISCHR(mode) || S_ISBLK(mode) ? "is a device, not a regular file"
                                                     : "is not a regular file");
}

// Closes the descriptor when it leaves scope.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) noexcept
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int Get() const noexcept { return m_fd; }
    // Closes now and reports close's own failure (a deferred write error on some file systems).
    int Close() noexcept
    {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

// The file a save must replace: path itself, or the end of the symbolic-link chain starting there
// (which need not exist yet).
std::filesystem::path FinalTarget(const std::filesystem::path &path)
{
    std::filesystem::path target = path;
    for (int hops = 0;; ++hops) {
        struct stat info {
        };
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        if (hops == 40)
            SystemError(path, ELOOP);
        std::error_code ec;
        const std::filesystem::path link = std::filesystem::read_symlink(target, ec);
        if (ec)
            AccessError(path, ec.message());
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
}

void KeepOwner(int fd, const struct stat &info) noexcept
{
    if (::fchown(fd, info.st_uid, info.st_gid) == 0)
        return;
    if (::fchown(fd, uid_t(-1), info.st_gid) == 0)
        return;
}

bool WriteAll(int fd, std::string_view text) noexcept
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

// Creates a new file beside target under a name nobody can predict; returns its descriptor and sets
// temporary. O_EXCL with O_NOFOLLOW: a file or link planted under that name makes the call fail
// instead of being written through.
int CreateTemporary(const std::filesystem::path &target, mode_t mode, std::filesystem::path &temporary)
{
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device entropy;
    std::uniform_int_distribution<int> digit(0, 35);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + target.filename().string() + ".";
        for (int i = 0; i < 12; ++i)
            name.push_back(kDigits[digit(entropy)]);
        temporary = folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            SystemError(target, errno);
    }
    SystemError(target, EEXIST);
}

// Best effort: makes the rename itself durable. A folder that cannot be synced changes nothing
// about the save, which has already happened.
void SyncFolder(const std::filesystem::path &target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string ReadTextFile(const std::filesystem::path &path)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer; fstat then refuses it.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        if (errno == ENOENT)
            throw AutomationError(ErrorNumber::FileNotFound, "File not found: " + PrintableText(path.native()));
        SystemError(path, errno);
    }
    struct stat info {
    };
    if (::fstat(file.Get(), &info) != 0)
        SystemError(path, errno);
    if (!S_ISREG(info.st_mode))
        NotRegular(path, info.st_mode);
    std::string text;
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            SystemError(path, errno);
        }
        if (got == 0)
            return text;
        text.append(buffer, std::size_t(got));
    }
}

void WriteTextFile(const std::filesystem::path &path, std::string_view text)
{
    if (path.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec)
            AccessError(path.parent_path(), ec.message());
    }
    const std::filesystem::path target = FinalTarget(path);
    struct stat info {
    };
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT)
        SystemError(target, errno);
    if (exists && !S_ISREG(info.st_mode))
        NotRegular(target, info.st_mode);
    // The rename needs only the folder's permission; the file's own decides whether we may replace it.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        SystemError(target, errno);

    std::filesystem::path temporary;
    // A new file gets what a plain create would give it (0666 less the umask).
    FileDescriptor file(CreateTemporary(target, exists ? S_IRUSR | S_IWUSR : 0666, temporary));
    const auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        SystemError(target, error);
    };
    if (!WriteAll(file.Get(), text))
        fail(errno);
    if (exists) {
        // Keeping the owner takes privileges a plain user lacks; the group usually works. Either way
        // the save goes on, as editors' saves do.
        if (info.st_uid != ::geteuid() || info.st_gid != ::getegid())
            KeepOwner(file.Get(), info);
        // After the owner: a change of owner clears the set-id bits.
        if (::fchmod(file.Get(), info.st_mode & 07777) != 0)
            fail(errno);
    }
    if (::fsync(file.Get()) != 0)
        fail(errno);
    if (file.Close() != 0)
        fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        fail(errno);
    SyncFolder(target);
}

} // namespace corvane

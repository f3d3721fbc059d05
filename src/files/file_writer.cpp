#include "files/file_writer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "format/printf_text.h"

namespace tarvel {

namespace {

// The failure message: text with the path and the reason filled in.
std::string FailureMessage(std::string_view text, const std::filesystem::path& path,
                           std::string_view reason) {
    return FillMessage(text, path.string(), reason);
}

// Creates a new file beside the target, named after it, with 0666 less the
// umask; -1 with errno set on failure.
int CreateTemporaryBeside(const std::filesystem::path& directory,
                          const std::filesystem::path& filename, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.%08x.tmp", static_cast<long>(::getpid()),
                      counter.fetch_add(1), static_cast<unsigned>(random()));
        temporary = (directory / ("." + filename.string() + suffix)).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes all of text to fd; 0 or the errno of the failure.
int WriteAll(int fd, std::string_view text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// A file-size limit makes a write that passes it raise SIGXFSZ, which ends
// the process by default; ignored, the write fails with EFBIG and the error
// is reported as for a full disk. The previous disposition comes back when
// the writing ends.
class FileSizeSignalIgnored {
  public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        restore_ = ::sigaction(SIGXFSZ, &ignore, &previous_) == 0;
    }
    ~FileSizeSignalIgnored() {
        if (restore_) ::sigaction(SIGXFSZ, &previous_, nullptr);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

  private:
    struct sigaction previous_ {};
    bool restore_ = false;
};

// The file a path finally names: symbolic links followed (relative ones from
// their own folder), also when the last one dangles. 0 or an errno.
int ResolveLinks(const std::filesystem::path& path, std::filesystem::path& resolved) {
    resolved = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (::lstat(resolved.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return 0;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(resolved, error);
        if (error) return error.value();
        resolved = target.is_absolute() ? target : resolved.parent_path() / target;
    }
    return ELOOP;
}

// A pipe or a character device (/dev/null, a terminal) is written directly:
// there is nothing to replace, and it must stay what it is.
template <typename FailureOf>
std::string WriteInPlace(const std::filesystem::path& path, std::string_view bytes,
                         const FailureOf& failure) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failure(path, errno);
    const int error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && error == 0) return failure(path, errno);
    return error == 0 ? std::string() : failure(path, error);
}

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                std::string_view failureText) {
    // The message of a failure with the system's reason for error.
    const auto Failure = [failureText](const std::filesystem::path& failed, int error) {
        return FailureMessage(failureText, failed, std::strerror(error));
    };
    if (path.empty() || !path.has_filename()) {
        return Failure(path, EISDIR);
    }
    const FileSizeSignalIgnored signalIgnored;

    // A pipe, a terminal or a device, however it is named (/dev/stdout names
    // the process's standard output through a link to "pipe:[...]", which is
    // no path): written directly.
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && (S_ISFIFO(named.st_mode) || S_ISCHR(named.st_mode))) {
        return WriteInPlace(path, bytes, Failure);
    }

    // A symbolic link stays a link: the file it names is written.
    std::filesystem::path target;
    if (const int error = ResolveLinks(path, target); error != 0) {
        return Failure(path, error);
    }

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode))) {
        return WriteInPlace(path, bytes, Failure);
    }
    if (exists && S_ISDIR(existing.st_mode)) {
        return Failure(path, EISDIR);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        return FailureMessage(failureText, path, "not a regular file");
    }

    const std::filesystem::path directory =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string temporary;
    const int fd = CreateTemporaryBeside(directory, target.filename(), temporary);
    if (fd < 0) {
        return Failure(path, errno);
    }
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(path, error);
    };

    if (const int error = WriteAll(fd, bytes); error != 0) {
        return fail(error);
    }
    if (exists) {
        // A replaced file keeps its owner and group where this process may
        // give them (as root, or a group it belongs to), then its permissions
        // (a change of owner clears the set-user-ID bits).
        if ((existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) &&
            ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // At least the group; where that too is refused the file is the
            // writer's, as any new file would be.
            const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
            static_cast<void>(groupKept);
        }
        if (::fchmod(fd, existing.st_mode & 07777) != 0) {
            return fail(errno);
        }
    }
    if (::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    // Make the rename itself durable; a failure here no longer concerns the
    // file's content.
    const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (directoryFd >= 0) {
        ::fsync(directoryFd);
        ::close(directoryFd);
    }
    return {};
}

}  // namespace tarvel

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

}  // namespace

// The open target: the temporary file and what Commit needs, or a pipe or a
// device written in place.
struct StreamedFileWriter::Open {
    std::string failureText;
    std::filesystem::path path;       // as named
    std::filesystem::path target;     // the file it names, links followed
    std::filesystem::path directory;  // the target's folder
    std::string temporary;            // empty when written in place
    bool exists = false;
    struct stat existing {};
    int fd = -1;
    FileSizeSignalIgnored signalIgnored;

    std::string Failure(int error) const {
        return FailureMessage(failureText, path, std::strerror(error));
    }
    // Closes and removes what was opened.
    void Abandon() {
        if (fd >= 0) ::close(fd);
        fd = -1;
        if (!temporary.empty()) ::unlink(temporary.c_str());
        temporary.clear();
    }
};

StreamedFileWriter::StreamedFileWriter(const std::filesystem::path& path,
                                       std::string_view failureText)
    : open_(std::make_unique<Open>()) {
    Open& o = *open_;
    o.failureText = std::string(failureText);
    o.path = path;
    const auto fail = [this](std::string message) {
        open_->Abandon();
        open_.reset();
        error_ = std::move(message);
    };
    if (path.empty() || !path.has_filename()) {
        fail(o.Failure(EISDIR));
        return;
    }
    // A pipe, a terminal or a device, however it is named (/dev/stdout names
    // the process's standard output through a link to "pipe:[...]", which is
    // no path), is written directly: there is nothing to replace, and it must
    // stay what it is.
    const auto inPlace = [&o, &fail] {
        o.fd = ::open(o.path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (o.fd < 0) fail(o.Failure(errno));
    };
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && (S_ISFIFO(named.st_mode) || S_ISCHR(named.st_mode))) {
        inPlace();
        return;
    }
    // A symbolic link stays a link: the file it names is written.
    if (const int error = ResolveLinks(path, o.target); error != 0) {
        fail(o.Failure(error));
        return;
    }
    o.exists = ::stat(o.target.c_str(), &o.existing) == 0;
    if (o.exists && (S_ISFIFO(o.existing.st_mode) || S_ISCHR(o.existing.st_mode))) {
        inPlace();
        return;
    }
    if (o.exists && S_ISDIR(o.existing.st_mode)) {
        fail(o.Failure(EISDIR));
        return;
    }
    if (o.exists && !S_ISREG(o.existing.st_mode)) {
        fail(FailureMessage(failureText, path, "not a regular file"));
        return;
    }
    o.directory = o.target.has_parent_path() ? o.target.parent_path() : std::filesystem::path(".");
    o.fd = CreateTemporaryBeside(o.directory, o.target.filename(), o.temporary);
    if (o.fd < 0) {
        const int error = errno;
        o.temporary.clear();
        fail(o.Failure(error));
        return;
    }
}

StreamedFileWriter::~StreamedFileWriter() {
    if (open_) open_->Abandon();
}

bool StreamedFileWriter::Write(std::string_view bytes) {
    if (!open_) return false;
    if (const int error = WriteAll(open_->fd, bytes); error != 0) {
        error_ = open_->Failure(error);
        open_->Abandon();
        open_.reset();
        return false;
    }
    return true;
}

bool StreamedFileWriter::Commit() {
    if (!open_) return false;
    Open& o = *open_;
    const auto fail = [this](int error) {
        error_ = open_->Failure(error);
        open_->Abandon();
        open_.reset();
        return false;
    };
    if (o.temporary.empty()) {
        // Written in place.
        const int closed = ::close(o.fd);
        o.fd = -1;
        if (closed != 0) return fail(errno);
        open_.reset();
        return true;
    }
    if (o.exists) {
        // A replaced file keeps its owner and group where this process may
        // give them (as root, or a group it belongs to), then its permissions
        // (a change of owner clears the set-user-ID bits).
        if ((o.existing.st_uid != ::geteuid() || o.existing.st_gid != ::getegid()) &&
            ::fchown(o.fd, o.existing.st_uid, o.existing.st_gid) != 0) {
            // At least the group; where that too is refused the file is the
            // writer's, as any new file would be.
            const int groupKept = ::fchown(o.fd, static_cast<uid_t>(-1), o.existing.st_gid);
            static_cast<void>(groupKept);
        }
        if (::fchmod(o.fd, o.existing.st_mode & 07777) != 0) {
            return fail(errno);
        }
    }
    if (::fsync(o.fd) != 0) {
        return fail(errno);
    }
    const int closed = ::close(o.fd);
    o.fd = -1;
    if (closed != 0) {
        return fail(errno);
    }
    if (::rename(o.temporary.c_str(), o.target.c_str()) != 0) {
        return fail(errno);
    }
    o.temporary.clear();
    // Make the rename itself durable; a failure here no longer concerns the
    // file's content.
    const int directoryFd = ::open(o.directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (directoryFd >= 0) {
        ::fsync(directoryFd);
        ::close(directoryFd);
    }
    open_.reset();
    return true;
}

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                std::string_view failureText) {
    StreamedFileWriter writer(path, failureText);
    if (writer.Write(bytes)) writer.Commit();
    return writer.error();
}

}  // namespace tarvel

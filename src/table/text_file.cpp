#include "table/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace tarvel {

namespace {

std::string Failure(const std::filesystem::path& path, int error) {
    return "Cannot save " + path.string() + ": " + std::strerror(error);
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

}  // namespace

std::string WriteTextFileAtomically(const std::filesystem::path& path, std::string_view text) {
    if (path.empty() || !path.has_filename()) {
        return Failure(path, EISDIR);
    }
    const std::filesystem::path directory =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temporary;
    const int fd = CreateTemporaryBeside(directory, path.filename(), temporary);
    if (fd < 0) {
        return Failure(path, errno);
    }
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(path, error);
    };

    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::fchmod(fd, existing.st_mode & 07777) != 0) {
        return fail(errno);
    }
    if (::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
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

#include "civil/zone_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace tarvel {

namespace {

// Limits well above every zone of the database (at most 310 transitions,
// 18 types, 40 abbreviation characters, 27 leap seconds): they keep a damaged
// file from costing the library more than a moment.
constexpr std::uint32_t kMaxTransitions = 4096;
constexpr std::uint32_t kMaxTypes = 256;  // a transition's type is one byte
constexpr std::uint32_t kMaxCharacters = 256;
constexpr std::uint32_t kMaxLeapSeconds = 256;

constexpr std::size_t kHeaderBytes = 44;  // magic, version, 15 reserved, 6 counts

std::uint32_t Unsigned32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

// A big-endian signed time of `size` bytes (4 or 8).
std::int64_t Time(const unsigned char* p, int size) {
    if (size == 4) return static_cast<std::int32_t>(Unsigned32(p));
    return static_cast<std::int64_t>(std::uint64_t{Unsigned32(p)} << 32 | Unsigned32(p + 4));
}

// Checks the header and data block at `at` whose times have `timeBytes` bytes
// and moves `at` past them; null when they are sound.
const char* CheckBlock(std::string_view bytes, std::size_t& at, int timeBytes, char& version) {
    if (bytes.size() - at < kHeaderBytes) return "header truncated";
    const auto* header = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    if (bytes.substr(at, 4) != "TZif") return "no TZif magic";
    version = static_cast<char>(header[4]);
    if (version != '\0' && version != '2' && version != '3' && version != '4') {
        return "unknown version";
    }
    const std::uint32_t isUtCount = Unsigned32(header + 20);
    const std::uint32_t isStdCount = Unsigned32(header + 24);
    const std::uint32_t leapCount = Unsigned32(header + 28);
    const std::uint32_t timeCount = Unsigned32(header + 32);
    const std::uint32_t typeCount = Unsigned32(header + 36);
    const std::uint32_t charCount = Unsigned32(header + 40);
    if (typeCount == 0 || typeCount > kMaxTypes) return "type count out of range";
    if (charCount == 0 || charCount > kMaxCharacters) return "character count out of range";
    if (timeCount > kMaxTransitions) return "transition count out of range";
    if (leapCount > kMaxLeapSeconds) return "leap-second count out of range";
    if (isUtCount != 0 && isUtCount != typeCount) return "UT indicator count wrong";
    if (isStdCount != 0 && isStdCount != typeCount) return "standard indicator count wrong";
    at += kHeaderBytes;
    // Every count is bounded above: the length cannot overflow.
    const std::size_t length = std::size_t{timeCount} * (timeBytes + 1) + typeCount * 6 +
                               charCount + leapCount * (timeBytes + 4) + isStdCount + isUtCount;
    if (bytes.size() - at < length) return "data block truncated";

    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    const unsigned char* times = p;
    const unsigned char* typeOfTransition = times + std::size_t{timeCount} * timeBytes;
    const unsigned char* types = typeOfTransition + timeCount;
    const unsigned char* characters = types + typeCount * 6;
    const unsigned char* leaps = characters + charCount;
    const unsigned char* isStd = leaps + leapCount * (timeBytes + 4);
    const unsigned char* isUt = isStd + isStdCount;
    at += length;

    for (std::uint32_t i = 1; i < timeCount; ++i) {
        if (Time(times + i * timeBytes, timeBytes) <= Time(times + (i - 1) * timeBytes, timeBytes)) {
            return "transition times not ascending";
        }
    }
    for (std::uint32_t i = 0; i < timeCount; ++i) {
        if (typeOfTransition[i] >= typeCount) return "transition type index out of range";
    }
    for (std::uint32_t i = 0; i < typeCount; ++i) {
        const unsigned char* type = types + i * 6;
        if (Unsigned32(type) == 0x80000000u) return "type offset -2^31";
        if (type[4] > 1) return "summer flag not 0 or 1";
        const unsigned abbreviation = type[5];
        if (abbreviation >= charCount) return "abbreviation index out of range";
        bool ended = false;
        for (std::uint32_t c = abbreviation; c < charCount && !ended; ++c) {
            ended = characters[c] == '\0';
        }
        if (!ended) return "abbreviation without NUL";
    }
    for (std::uint32_t i = 1; i < leapCount; ++i) {
        const std::size_t size = timeBytes + 4;
        if (Time(leaps + i * size, timeBytes) <= Time(leaps + (i - 1) * size, timeBytes)) {
            return "leap seconds not ascending";
        }
    }
    for (std::uint32_t i = 0; i < isStdCount; ++i) {
        if (isStd[i] > 1) return "standard indicator not 0 or 1";
    }
    for (std::uint32_t i = 0; i < isUtCount; ++i) {
        if (isUt[i] > 1) return "UT indicator not 0 or 1";
        if (isUt[i] == 1 && (isStdCount == 0 || isStd[i] != 1)) {
            return "UT indicator without standard indicator";
        }
    }
    return nullptr;
}

}  // namespace

const char* ZoneFileFault(std::string_view bytes) {
    if (bytes.size() > kZoneFileMaxBytes) return "too large";
    std::size_t at = 0;
    char version = '\0';
    if (const char* fault = CheckBlock(bytes, at, 4, version)) return fault;
    if (version == '\0') return at == bytes.size() ? nullptr : "data after the data block";
    char second = '\0';
    if (const char* fault = CheckBlock(bytes, at, 8, second)) return fault;
    if (second != version) return "second header of another version";
    // The footer: "\n", a TZ string of printable ASCII (may be empty), "\n",
    // and the end of the file.
    if (at == bytes.size() || bytes[at] != '\n') return "footer missing";
    const std::size_t end = bytes.find('\n', at + 1);
    if (end == std::string_view::npos) return "footer without its closing newline";
    for (std::size_t i = at + 1; i < end; ++i) {
        if (bytes[i] < 0x20 || bytes[i] > 0x7e) return "footer not printable ASCII";
    }
    if (end + 1 != bytes.size()) return "data after the footer";
    return nullptr;
}

bool IsSafeZoneName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.find('\0') != std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = name.find('/', start);
        const std::string_view part = name.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (slash == std::string_view::npos) return true;
        start = slash + 1;
    }
}

ZoneFileState CheckZoneFile(std::string_view name, const std::string& folder) {
    if (!IsSafeZoneName(name)) return ZoneFileState::kAbsent;
    const std::string path = folder + '/' + std::string(name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ZoneFileState::kAbsent
                                                    : ZoneFileState::kDamaged;
    }
    ZoneFileState state = ZoneFileState::kDamaged;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        state = ZoneFileState::kDamaged;
    } else if (S_ISDIR(status.st_mode)) {
        state = ZoneFileState::kAbsent;
    } else if (!S_ISREG(status.st_mode)) {
        state = ZoneFileState::kSpecial;
    } else if (status.st_size >= 0 &&
               static_cast<std::uint64_t>(status.st_size) <= kZoneFileMaxBytes) {
        // One byte more than the size asked for, to see a file that grows
        // while read (refused).
        std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
        std::size_t got = 0;
        bool failed = false;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        if (!failed && got < bytes.size() && IsValidZoneFile(std::string_view(bytes).substr(0, got))) {
            state = ZoneFileState::kValid;
        }
    }
    ::close(fd);
    return state;
}

}  // namespace tarvel

// Damaged zone files against the check that guards the date/tz library: byte
// strings built by hand or cut from the system's own Europe/Rome, then the
// real lookup with a damaged file mounted over Europe/Rome in a private mount
// namespace.
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "civil/tz_zone_rules.h"
#include "civil/zone_file.h"

namespace tarvel {
namespace {

const std::string kRomePath = std::string(kZoneInfoFolder) + "/Europe/Rome";

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

// A header: magic, version, 15 reserved bytes, the six counts (UT and
// standard indicators, leap seconds, transitions, types, characters).
std::string Header(char version, std::uint32_t isUt, std::uint32_t isStd, std::uint32_t leaps,
                   std::uint32_t times, std::uint32_t types, std::uint32_t chars) {
    return std::string("TZif") + version + std::string(15, '\0') + Be32(isUt) + Be32(isStd) +
           Be32(leaps) + Be32(times) + Be32(types) + Be32(chars);
}

// A type: offset, summer flag, abbreviation index.
std::string Type(std::int32_t offset, char summer, char abbreviation) {
    return Be32(static_cast<std::uint32_t>(offset)) + summer + abbreviation;
}

// A version-1 file of one transition (1970-01-01) to UTC+1 "CET", then the
// same with its counts, type index or abbreviation index replaced.
std::string VersionOne(std::uint32_t types = 1, char typeIndex = 0, char abbreviation = 0,
                       const std::string& chars = std::string("CET\0", 4)) {
    return Header('\0', 0, 0, 0, 1, types, static_cast<std::uint32_t>(chars.size())) + Be32(0) +
           typeIndex + Type(3600, 0, abbreviation) + chars;
}

// Europe/Rome with the byte at `at` replaced.
std::string RomeWith(std::size_t at, char byte) {
    std::string bytes = ReadWhole(kRomePath);
    bytes.at(at) = byte;
    return bytes;
}

TEST(ZoneFileCheck, DamagedBytesRefusedSoundAccepted) {
    const std::string rome = ReadWhole(kRomePath);
    ASSERT_GT(rome.size(), 200u) << kRomePath;
    // Where Rome's version-2 header starts: after the version-1 block, whose
    // length its counts give.
    const auto count = [&rome](int i) {
        const auto* p = reinterpret_cast<const unsigned char*>(rome.data() + 20 + 4 * i);
        return std::size_t{p[0]} << 24 | std::size_t{p[1]} << 16 | std::size_t{p[2]} << 8 | p[3];
    };
    const std::size_t second =
        44 + count(3) * 5 + count(4) * 6 + count(5) + count(2) * 8 + count(1) + count(0);
    ASSERT_EQ(rome.substr(second, 4), "TZif") << kRomePath << " is not a version-2 file";
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"Europe/Rome as installed", rome, true},
        {"a version-1 file", VersionOne(), true},
        {"empty", "", false},
        {"garbage", "this is not a zone file\n", false},
        {"TZif only", "TZif", false},
        {"header cut", rome.substr(0, 30), false},
        {"header only", rome.substr(0, 44), false},
        {"first data block cut", rome.substr(0, 500), false},
        {"second header cut", rome.substr(0, second + 20), false},
        {"second data block cut", rome.substr(0, rome.size() - 100), false},
        {"footer without its closing newline", rome.substr(0, rome.size() - 1), false},
        {"footer missing", rome.substr(0, rome.rfind('\n', rome.size() - 2)), false},
        {"a byte after the footer", rome + "x", false},
        {"a byte after a version-1 block", VersionOne() + "x", false},
        {"unknown version '1'", RomeWith(4, '1'), false},
        {"second header of another version", RomeWith(second + 4, '3'), false},
        {"second header without magic", RomeWith(second, 'X'), false},
        {"no type", VersionOne(0), false},
        {"300 types", VersionOne(300), false},
        {"transition count 2^32-1",
         Header('\0', 0, 0, 0, 0xffffffffu, 1, 4) + std::string(64, '\0'), false},
        {"transition type index 1 of 1 type", VersionOne(1, 1), false},
        {"abbreviation index 4 of 4 characters", VersionOne(1, 0, 4), false},
        {"abbreviation without NUL", VersionOne(1, 0, 0, "CETX"), false},
        {"a control character in the footer", RomeWith(rome.size() - 3, '\x01'), false},
    };
    for (const Case& c : cases) {
        const char* fault = ZoneFileFault(c.bytes);
        EXPECT_EQ(fault == nullptr, c.valid)
            << "ZoneFileFault, case " << c.what << ": expected "
            << (c.valid ? "valid" : "refused") << ", got " << (fault ? fault : "valid");
    }
}

// The check refuses no zone of the system's database: its zones keep their
// rules exactly as the library reads them.
TEST(ZoneFileCheck, EveryZoneOfTheDatabasePasses) {
    const std::vector<std::string> names = AllZoneNames();
    ASSERT_GT(names.size(), 300u);
    for (const std::string& name : names) {
        EXPECT_EQ(CheckZoneFile(name), ZoneFileState::kValid) << "CheckZoneFile(" << name << ")";
    }
}

TEST(ZoneFileCheck, NamesOutsideTheFolderRefused) {
    for (const char* name : {"", "/etc/passwd", "../../etc/passwd", "Europe/../../etc/passwd",
                             "Europe//Rome", "Europe/Rome/", "./Europe/Rome", "Europe/."}) {
        EXPECT_FALSE(IsSafeZoneName(name)) << "IsSafeZoneName(\"" << name << "\")";
        EXPECT_EQ(CheckZoneFile(name), ZoneFileState::kAbsent) << "CheckZoneFile(\"" << name << "\")";
        EXPECT_EQ(FindZoneRules(name), nullptr) << "FindZoneRules(\"" << name << "\")";
    }
    EXPECT_TRUE(IsSafeZoneName("America/Argentina/Buenos_Aires"));
    EXPECT_EQ(CheckZoneFile("Europe"), ZoneFileState::kAbsent);
}

// Runs `body` in a child with a private mount namespace; 77 from the child
// means no namespace could be made. A child that hangs is ended by its alarm.
int InPrivateMountNamespace(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(30);
        const int flags = geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        if (unshare(flags) != 0 ||
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            _exit(77);
        }
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

// What to put over Europe/Rome in the namespace.
enum class Damage { kEmpty, kGarbage, kTruncated, kPipe, kNoPermission };

// Makes the damaged file in a fresh folder and bind-mounts it over Europe/Rome.
bool MountDamagedRome(Damage damage, const std::filesystem::path& folder) {
    const std::string path = (folder / "Rome").string();
    const std::string rome = ReadWhole(kRomePath);
    if (damage == Damage::kPipe) {
        if (mkfifo(path.c_str(), 0644) != 0) return false;
    } else {
        std::ofstream out(path, std::ios::binary);
        if (damage == Damage::kGarbage) out << "garbage, not a zone";
        if (damage == Damage::kTruncated || damage == Damage::kNoPermission) {
            out << (damage == Damage::kTruncated ? rome.substr(0, 600) : rome);
        }
        if (!out) return false;
    }
    if (damage == Damage::kNoPermission && chmod(path.c_str(), 0) != 0) return false;
    return mount(path.c_str(), kRomePath.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

TEST(ZoneFileCheck, DamagedRomeLeftOutParisKept) {
    struct Case {
        const char* what;
        Damage damage;
    };
    const std::vector<Case> cases = {{"empty", Damage::kEmpty},
                                     {"garbage", Damage::kGarbage},
                                     {"truncated", Damage::kTruncated},
                                     {"a pipe", Damage::kPipe},
                                     {"mode 000", Damage::kNoPermission}};
    for (const Case& c : cases) {
        if (c.damage == Damage::kNoPermission && geteuid() == 0) continue;  // root reads it
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() /
            ("tarvel_zone_" + std::to_string(getpid()) + "_" + std::to_string(int(c.damage)));
        std::filesystem::create_directories(folder);
        // 1 mount failed, 2 Rome not refused as damaged, 3 Paris lost.
        const int result = InPrivateMountNamespace([&] {
            if (!MountDamagedRome(c.damage, folder)) return 1;
            const FoundZone rome = LookUpZone("Europe/Rome");
            if (rome.rules != nullptr || !rome.damaged) return 2;
            if (FindZoneRules("Europe/Rome") != nullptr) return 2;
            const auto paris = FindZoneRules("Europe/Paris");
            if (paris == nullptr || paris->StateAt(0).offsetSeconds != 3600) return 3;
            return 0;
        });
        std::filesystem::remove_all(folder);
        if (result == 77) GTEST_SKIP() << "no private mount namespace can be made here";
        if (result == 1) GTEST_SKIP() << "no bind mount over " << kRomePath << " here";
        EXPECT_EQ(result, 0) << "Europe/Rome " << c.what
                             << ": 2 Rome not refused, 3 Paris lost, above 128 a signal";
    }
}

}  // namespace
}  // namespace tarvel

// Saving replaces the file only when the whole text is written.
#include "files/file_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <functional>
#include <iterator>
#include <optional>

namespace tarvel {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("tarvel-text-file-" + std::to_string(::getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // Entries of the directory besides the target: no temporary file is left.
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
    }

    fs::path directory_;
};

TEST_F(TextFileTest, NewFile) {
    const fs::path target = directory_ / "tabella.txt";
    EXPECT_EQ(WriteFileAtomically(target, "riga 1\r\n45°\r\n"), "");
    EXPECT_EQ(Read(target), "riga 1\r\n45°\r\n");
    EXPECT_EQ(EntryCount(), 1u);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(TextFileTest, ShorterTextReplacesALongerFileAndKeepsItsPermissions) {
    const fs::path target = directory_ / "tabella.txt";
    Write(target, std::string(10000, 'x'));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    EXPECT_EQ(WriteFileAtomically(target, "corta\r\n"), "");
    EXPECT_EQ(Read(target), "corta\r\n");
    EXPECT_EQ(EntryCount(), 1u);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(TextFileTest, MissingDirectoryIsReportedWithTheName) {
    const fs::path target = directory_ / "manca" / "tabella.txt";
    const std::string error = WriteFileAtomically(target, "testo");
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(TextFileTest, FailureInTheCallersWords) {
    // The path and the reason fill the sentence in the caller's language; the
    // default is the command-line tool's English one.
    const fs::path target = directory_ / "manca" / "tabella.txt";
    const std::string reason = "No such file or directory";
    struct Case {
        const char* sentence;
        std::string expected;
    } cases[] = {
        {nullptr, "Cannot save " + target.string() + ": " + reason},
        {"Impossibile salvare %1: %2", "Impossibile salvare " + target.string() + ": " + reason},
        {"%2 (%1)", reason + " (" + target.string() + ")"},
    };
    for (const Case& c : cases) {
        const std::string error = c.sentence == nullptr
                                      ? WriteFileAtomically(target, "testo")
                                      : WriteFileAtomically(target, "testo", c.sentence);
        EXPECT_EQ(error, c.expected) << (c.sentence == nullptr ? "default" : c.sentence);
    }
    // A path that holds "%1" or "%2" is written as it is.
    const fs::path odd = directory_ / "100%2" / "%1.txt";
    EXPECT_EQ(WriteFileAtomically(odd, "testo", "Impossibile salvare %1: %2"),
              "Impossibile salvare " + odd.string() + ": " + reason);
}

TEST_F(TextFileTest, TargetThatIsADirectoryIsKept) {
    // Tests may run as root, which may write anywhere: a directory is a target
    // no rename can replace.
    const fs::path target = directory_ / "cartella.txt";
    fs::create_directory(target);
    Write(target / "dentro", "vecchio");
    const std::string error = WriteFileAtomically(target, "nuovo");
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(Read(target / "dentro"), "vecchio");
    EXPECT_EQ(EntryCount(), 1u) << "the temporary file is removed";
}

TEST_F(TextFileTest, EmptyText) {
    const fs::path target = directory_ / "vuoto.txt";
    Write(target, "vecchio");
    EXPECT_EQ(WriteFileAtomically(target, ""), "");
    EXPECT_EQ(Read(target), "");
}

// A symbolic link stays a link and the file it names gets the text, whether
// the link is absolute, relative or dangling.
TEST_F(TextFileTest, SymbolicLinksAreFollowed) {
    fs::create_directory(directory_ / "dati");
    struct Case {
        const char* link;
        fs::path pointsTo;
        fs::path file;
    } cases[] = {
        {"assoluto.txt", directory_ / "dati" / "a.txt", directory_ / "dati" / "a.txt"},
        {"relativo.txt", "dati/b.txt", directory_ / "dati" / "b.txt"},
        {"pendente.txt", "dati/nuovo.txt", directory_ / "dati" / "nuovo.txt"},
    };
    Write(directory_ / "dati" / "a.txt", "vecchio");
    Write(directory_ / "dati" / "b.txt", "vecchio");
    for (const Case& c : cases) {
        const fs::path link = directory_ / c.link;
        fs::create_symlink(c.pointsTo, link);
        EXPECT_EQ(WriteFileAtomically(link, "nuovo\r\n"), "") << c.link;
        EXPECT_TRUE(fs::is_symlink(link)) << c.link;
        EXPECT_EQ(Read(c.file), "nuovo\r\n") << c.link;
    }
    EXPECT_EQ(EntryCount(), 4u) << "no temporary file is left";
}

// Pipes and character devices are written directly and stay what they are.
TEST_F(TextFileTest, PipesAndDevicesAreWrittenInPlace) {
    const fs::path fifo = directory_ / "coda";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Read(fifo); });
    EXPECT_EQ(WriteFileAtomically(fifo, "riga\r\n"), "");
    reader.join();
    EXPECT_EQ(received, "riga\r\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(EntryCount(), 1u);

    EXPECT_EQ(WriteFileAtomically("/dev/null", "riga\r\n"), "");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// A text written piece by piece replaces the file only at Commit: until then,
// and for good when the writer ends without it, the old file stays and the
// temporary copy beside it is all there is of the new text.
TEST_F(TextFileTest, StreamedTextReplacesTheFileOnlyAtCommit) {
    for (const bool commit : {true, false}) {
        const fs::path target = directory_ / "anno.csv";
        Write(target, "vecchio");
        {
            StreamedFileWriter writer(target);
            ASSERT_EQ(writer.error(), "");
            for (int piece = 0; piece < 3; ++piece) {
                EXPECT_TRUE(writer.Write("riga " + std::to_string(piece) + "\r\n"));
            }
            EXPECT_EQ(Read(target), "vecchio") << "before Commit";
            EXPECT_EQ(EntryCount(), 2u) << "the target and its temporary copy";
            if (commit) {
                EXPECT_TRUE(writer.Commit());
                EXPECT_EQ(writer.error(), "");
            }
        }
        EXPECT_EQ(Read(target), commit ? "riga 0\r\nriga 1\r\nriga 2\r\n" : "vecchio")
            << (commit ? "committed" : "abandoned");
        EXPECT_EQ(EntryCount(), 1u) << (commit ? "committed" : "abandoned");
    }
}

// Under a file-size limit the write fails with a message instead of the
// signal that would end the program, and the temporary file is removed.
TEST_F(TextFileTest, FileSizeLimitIsAnError) {
    const fs::path target = directory_ / "grande.txt";
    Write(target, "vecchio");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = WriteFileAtomically(target, std::string(200 * 1024, 'x'));
        const bool reported = error.find(target.string()) != std::string::npos &&
                              error.find("File too large") != std::string::npos;
        ::_exit(reported ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the error does not name the file and the reason";
    EXPECT_EQ(Read(target), "vecchio");
    EXPECT_EQ(EntryCount(), 1u);
}

// Run as root, a replaced file keeps its owner and group.
TEST_F(TextFileTest, ReplacedFileKeepsItsOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    const fs::path target = directory_ / "altrui.txt";
    Write(target, "vecchio");
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    EXPECT_EQ(WriteFileAtomically(target, "nuovo"), "");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(Read(target), "nuovo");
}

// A name that is not UTF-8 is the file system's bytes and is written as it
// stands.
TEST_F(TextFileTest, NameIsTakenAsItsBytes) {
    const fs::path target = directory_ / std::string("caf\xe9.png");
    EXPECT_EQ(WriteFileAtomically(target, "png"), "");
    ASSERT_EQ(EntryCount(), 1u);
    EXPECT_EQ(fs::directory_iterator(directory_)->path().filename().string(),
              std::string("caf\xe9.png"));
}

// Runs check in a child with a private mount namespace (as root, or in a user
// namespace of its own); the child's report, empty when every check held, or
// nothing when no namespace can be made here.
std::optional<std::string> InPrivateMounts(const std::function<std::string()>& check) {
    int report[2];
    if (::pipe(report) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        const int flags = ::geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        std::string text = "\x01";  // no namespace
        if (::unshare(flags) == 0 &&
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0) {
            text = check();
        }
        (void)!::write(report[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(report[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(report[0]);
    ::waitpid(child, nullptr, 0);
    if (text == "\x01") return std::nullopt;
    return text;
}

// Targets a machine in trouble offers, each in a private mount: a full file
// system, a read-only one, and a link to a device. Each failure names the
// file and the system's reason, keeps the earlier file and leaves nothing
// beside it; the device stays a device.
TEST_F(TextFileTest, FullReadOnlyAndDeviceTargetsInAPrivateMount) {
    const fs::path dir = directory_;
    const std::optional<std::string> report = InPrivateMounts([dir]() -> std::string {
        std::string failures;
        const auto expect = [&](bool ok, const std::string& what) {
            if (!ok) failures += what + "\n";
        };
        if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) return "no tmpfs\n";
        const fs::path target = dir / "tabella.txt";
        std::ofstream(target) << "vecchio";
        const auto entries = [&] {
            return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
        };
        const auto read = [](const fs::path& path) {
            std::ifstream in(path);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };

        std::string error = WriteFileAtomically(target, std::string(256 * 1024, 'x'));
        expect(error.find(target.string()) != std::string::npos &&
                   error.find("No space left on device") != std::string::npos,
               "full: " + error);
        expect(read(target) == "vecchio" && entries() == 1, "full: earlier file kept");

        // A device behind a link: /dev/null bound over a file of the mount.
        const fs::path device = dir / "dispositivo";
        std::ofstream(device) << "";
        expect(::mount("/dev/null", device.c_str(), nullptr, MS_BIND, nullptr) == 0, "bind");
        const fs::path link = dir / "grafico.png";
        fs::create_symlink(device, link);
        error = WriteFileAtomically(link, std::string(80 * 1024, 'p'));
        expect(error.empty(), "device: " + error);
        expect(fs::is_character_file(device) && fs::is_symlink(link), "device stays a device");
        ::umount(device.c_str());

        expect(::mount("tmpfs", dir.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0,
               "remount read-only");
        error = WriteFileAtomically(target, "nuovo");
        expect(error.find(target.string()) != std::string::npos &&
                   error.find("Read-only file system") != std::string::npos,
               "read-only: " + error);
        expect(read(target) == "vecchio", "read-only: earlier file kept");
        return failures;
    });
    if (!report) GTEST_SKIP() << "no private mount namespace can be made here";
    EXPECT_EQ(*report, "");
}

}  // namespace
}  // namespace tarvel

// Saving replaces the file only when the whole text is written.
#include "table/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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
    EXPECT_EQ(WriteTextFileAtomically(target, "riga 1\r\n45°\r\n"), "");
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
    EXPECT_EQ(WriteTextFileAtomically(target, "corta\r\n"), "");
    EXPECT_EQ(Read(target), "corta\r\n");
    EXPECT_EQ(EntryCount(), 1u);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(TextFileTest, MissingDirectoryIsReportedWithTheName) {
    const fs::path target = directory_ / "manca" / "tabella.txt";
    const std::string error = WriteTextFileAtomically(target, "testo");
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(TextFileTest, TargetThatIsADirectoryIsKept) {
    // Tests may run as root, which may write anywhere: a directory is a target
    // no rename can replace.
    const fs::path target = directory_ / "cartella.txt";
    fs::create_directory(target);
    Write(target / "dentro", "vecchio");
    const std::string error = WriteTextFileAtomically(target, "nuovo");
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(Read(target / "dentro"), "vecchio");
    EXPECT_EQ(EntryCount(), 1u) << "the temporary file is removed";
}

TEST_F(TextFileTest, EmptyText) {
    const fs::path target = directory_ / "vuoto.txt";
    Write(target, "vecchio");
    EXPECT_EQ(WriteTextFileAtomically(target, ""), "");
    EXPECT_EQ(Read(target), "");
}

}  // namespace
}  // namespace tarvel

// tarvel-cli with a damaged zone file: a truncated Europe/Rome mounted over the
// system's own in a private mount namespace, run as the built program.
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "run_program.h"

namespace tarvel {
namespace {

using testing::Joined;
using testing::ProgramRun;
using testing::RunCli;

constexpr char kRome[] = "/usr/share/zoneinfo/Europe/Rome";

TEST(CliDamagedZoneProgramTest, RefusedInOneLineWithExitCodeTwo) {
    const std::string said =
        ": the file of time zone Europe/Rome in this computer's tz database "
        "(/usr/share/zoneinfo/Europe/Rome) is damaged or unreadable\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--tz", "Europe/Rome"}, "tarvel-cli: --tz 'Europe/Rome'" + said},
        {{"--place", "Rome, Italy"}, "tarvel-cli: --place 'Rome, Lazio, Italy'" + said},
        {{"table", "--tz", "Europe/Rome"}, "tarvel-cli: --tz 'Europe/Rome'" + said},
    };
    const std::filesystem::path truncated =
        std::filesystem::temp_directory_path() /
        ("tarvel_cli_rome_" + std::to_string(getpid()));
    {
        std::ifstream in(kRome, std::ios::binary);
        const std::string rome{std::istreambuf_iterator<char>(in), {}};
        std::ofstream(truncated, std::ios::binary) << rome.substr(0, 600);
    }
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(60);
        close(report[0]);
        const int flags = geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        if (unshare(flags) != 0 ||
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount(truncated.c_str(), kRome, nullptr, MS_BIND, nullptr) != 0) {
            _exit(77);
        }
        // What differs from the expected, one case after the other.
        std::string faults;
        for (const auto& c : cases) {
            const ProgramRun run = RunCli(c.args);
            if (run.exitCode != 2 || run.err != c.err) {
                faults += Joined(c.args) + "-> exit " + std::to_string(run.exitCode) +
                          ", stderr: " + run.err + "\n";
            }
        }
        (void)!write(report[1], faults.data(), faults.size());
        _exit(0);
    }
    close(report[1]);
    std::string faults;
    char buffer[4096];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;) faults.append(buffer, n);
    close(report[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::filesystem::remove(truncated);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "no private mount namespace with a bind mount over " << kRome << " here";
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the child ended with status " << status;
    EXPECT_EQ(faults, "");
}

}  // namespace
}  // namespace tarvel

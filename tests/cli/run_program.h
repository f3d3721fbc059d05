// Runs the built tarvel-cli as a child process and collects what it printed.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace tarvel::testing {

// The arguments as one text, for failure messages.
inline std::string Joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& a : args) text += a + " ";
    return text;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs TARVEL_CLI_PATH with args and, when tz is not null, TZ=tz in its
// environment. With stdoutPath set, standard output goes to that file instead
// of being collected. The locale variables (LANG, LANGUAGE, LC_*) are
// replaced by LC_ALL=lcAll when it is set, otherwise by LC_ALL=C.UTF-8 and
// LANGUAGE=en: the tool speaks English unless a test asks for another
// language.
inline ProgramRun RunCli(const std::vector<std::string>& args, const char* tz = "UTC",
                         const char* stdoutPath = nullptr, const char* lcAll = nullptr) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "TZ=", 3) == 0) continue;
        if (std::strncmp(*e, "LANG=", 5) == 0 || std::strncmp(*e, "LANGUAGE=", 9) == 0 ||
            std::strncmp(*e, "LC_", 3) == 0) {
            continue;
        }
        env.emplace_back(*e);
    }
    if (tz != nullptr) env.push_back(std::string("TZ=") + tz);
    if (lcAll != nullptr) {
        env.push_back(std::string("LC_ALL=") + lcAll);
    } else {
        env.push_back("LC_ALL=C.UTF-8");
        env.push_back("LANGUAGE=en");
    }
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<std::string> argStore{TARVEL_CLI_PATH};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        if (stdoutPath != nullptr) {
            const int fd = open(stdoutPath, O_WRONLY);
            dup2(fd, 1);
        } else {
            dup2(outPipe[1], 1);
        }
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(outPipe[1]);
        close(errPipe[0]);
        close(errPipe[1]);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);

    ProgramRun run;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace tarvel::testing

#include "tests/cli/program.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ; // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace zelmarino::cli::testing {

namespace {

// A temporary file that removes itself.
class TemporaryFile {
public:
    TemporaryFile() {
        const char* tmp = std::getenv("TMPDIR");
        m_path = std::string(tmp != nullptr ? tmp : "/tmp") + "/zelmarino-calc-test-XXXXXX";
        m_fd = mkstemp(m_path.data());
        if (m_fd < 0) {
            throw std::runtime_error("cannot create a temporary file");
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    TemporaryFile(TemporaryFile&&) = delete;
    TemporaryFile& operator=(TemporaryFile&&) = delete;
    ~TemporaryFile() {
        close(m_fd);
        unlink(m_path.c_str());
    }
    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] std::string text() const { return readFile(m_path); }

private:
    std::string m_path;
    int m_fd = -1;
};

} // namespace

ProgramRun runProgram(const std::string& path, const std::vector<std::string>& arguments,
                      int stdoutFd) {
    TemporaryFile out;
    TemporaryFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, stdoutFd >= 0 ? stdoutFd : out.fd(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.fd(), STDERR_FILENO);

    std::vector<std::string> words = {path};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + path);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ProgramRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = out.text();
    run.err = err.text();
    return run;
}

ProgramRun runCalc(const std::vector<std::string>& arguments, int stdoutFd) {
    return runProgram(ZELMARINO_CALC_PATH, arguments, stdoutFd);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

} // namespace zelmarino::cli::testing

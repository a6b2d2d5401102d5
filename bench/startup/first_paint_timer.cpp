// Starts a Qt program with the first-paint probe loaded and prints, on one line, the
// milliseconds from its start to its first painted frame, its peak resident memory in KiB
// and the processor time it used in milliseconds (which a busy machine disturbs less than
// the elapsed time). Usage: first_paint_timer <program> [arguments...]; the caller sets DISPLAY,
// QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=firstpaint.
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int timeoutMilliseconds = 30'000;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

int fail(const char* what) {
    std::perror(what);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: first_paint_timer <program> [arguments...]\n", stderr);
        return 2;
    }
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        return fail("pipe");
    }
    const std::string fd = std::to_string(pipeEnds[1]);
    if (setenv("ZELMARINO_FIRST_PAINT_FD", fd.c_str(), 1) != 0) {
        return fail("setenv");
    }

    const long long started = monotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0) {
        return fail("fork");
    }
    if (child == 0) {
        close(pipeEnds[0]);
        execv(argv[1], argv + 1);
        std::perror(argv[1]);
        std::_Exit(127);
    }
    close(pipeEnds[1]);

    // The probe writes one line; a program that never paints is stopped after the timeout.
    std::string line;
    pollfd watch{pipeEnds[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos) {
        const int ready = poll(&watch, 1, timeoutMilliseconds);
        if (ready <= 0) {
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            kill(child, SIGKILL);
            break;
        }
        std::array<char, 64> buffer{};
        const ssize_t count = read(pipeEnds[0], buffer.data(), buffer.size());
        if (count <= 0) {
            break;
        }
        line.append(buffer.data(), static_cast<std::size_t>(count));
    }

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        return fail("wait4");
    }
    if (line.find('\n') == std::string::npos) {
        std::fprintf(stderr, "%s: no painted frame (exit status %d)\n", argv[1], status);
        return 1;
    }
    const double milliseconds = static_cast<double>(std::stoll(line) - started) / 1e6;
    const auto cpuMilliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    std::printf("%.2f %ld %.2f\n", milliseconds, usage.ru_maxrss,
                cpuMilliseconds(usage.ru_utime) + cpuMilliseconds(usage.ru_stime));
    return 0;
}

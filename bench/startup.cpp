// Start-up of the game against a bare Qt window: starts each program several times with
// QUBRIN_BENCH_EXIT_ON_SHOW=1, takes the time from the start of the process to the line it prints
// once its main window is shown, and the peak resident memory of the process (its maximum resident
// set size, from wait4). Prints the medians side by side.
//
//   startup [runs]      runs per program, 10 unless given; one more warm-up run is not counted
//
// The programs are looked for beside this one. Without QT_QPA_PLATFORM in the environment they run
// on xcb when DISPLAY is set, else offscreen.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int TimeoutMs = 30000;

struct Run {
    double msToShown;
    double peakMegabytes;
};

std::vector<std::string> benchEnvironment()
{
    std::vector<std::string> env;
    bool platformGiven = false;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QUBRIN_BENCH_EXIT_ON_SHOW=", 0) == 0)
            continue;
        platformGiven = platformGiven || entry.rfind("QT_QPA_PLATFORM=", 0) == 0;
        env.push_back(entry);
    }
    env.emplace_back("QUBRIN_BENCH_EXIT_ON_SHOW=1");
    if (!platformGiven)
        env.emplace_back(std::getenv("DISPLAY") ? "QT_QPA_PLATFORM=xcb" : "QT_QPA_PLATFORM=offscreen");
    return env;
}

// One start of the program; nothing when it could not be started, failed or never showed its window.
std::optional<Run> runOnce(const std::string& program, const std::vector<std::string>& env)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char*> envp;
    for (const std::string& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    std::string programArg = program;
    char* argv[] = {programArg.data(), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }

    std::string output;
    std::optional<double> shownMs;
    while (!shownMs) {
        pollfd ready{out[0], POLLIN, 0};
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (waited > TimeoutMs || poll(&ready, 1, static_cast<int>(TimeoutMs - waited)) <= 0)
            break;
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, static_cast<size_t>(n));
        if (output.find("shown\n") != std::string::npos)
            shownMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    close(out[0]);
    if (!shownMs)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !shownMs || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return Run{*shownMs, static_cast<double>(usage.ru_maxrss) / 1024.0};  // ru_maxrss is in KiB
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::vector<std::string> env = benchEnvironment();
    const char* platform = "";
    for (const std::string& entry : env) {
        if (entry.rfind("QT_QPA_PLATFORM=", 0) == 0)
            platform = entry.c_str() + std::strlen("QT_QPA_PLATFORM=");
    }

    std::printf("Start-up to main window shown, %d runs each (after one warm-up), platform %s\n\n", runs, platform);
    std::printf("%-12s %16s %12s %12s %16s\n", "program", "median ms", "min ms", "max ms", "peak RSS MB");
    bool failed = false;
    for (const char* name : {"qubrin", "bare_window"}) {
        const std::string program = (folder / name).string();
        std::vector<double> ms;
        std::vector<double> megabytes;
        for (int i = 0; i <= runs; ++i) {
            const std::optional<Run> run = runOnce(program, env);
            if (!run) {
                std::printf("%-12s did not show its window (run %d)\n", name, i);
                failed = true;
                break;
            }
            if (i == 0)
                continue;
            ms.push_back(run->msToShown);
            megabytes.push_back(run->peakMegabytes);
        }
        if (ms.empty())
            continue;
        std::printf("%-12s %16.1f %12.1f %12.1f %16.1f\n", name, median(ms), *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()), median(megabytes));
    }
    return failed ? 1 : 0;
}

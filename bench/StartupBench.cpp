// Start-up of the editor against a bare Qt window with the same controls:
// the time from starting the process to its first painted frame, and its peak
// resident memory, both run headless, alternately, many times. The first
// frame is reported by the firstpaint plugin, which both programs load the
// same way; the memory is the kernel's peak for the ended child. Then each is
// left idle for a few seconds, to show what it does when nobody works it.
//
//   StartupBench EDITOR BARE PLUGIN_DIR [RUNS] [IDLE_SECONDS]
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int WarmUpRounds = 3;
constexpr int ProbeFd = 3;
constexpr double TimeTarget = 1.05;
constexpr double MemoryTarget = 1.03;

struct Program {
    std::string label;
    std::string path;
};

struct Run {
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double peakMiB = 0;
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + (errno ? std::string(": ") + std::strerror(errno) : ""));
}

// The environment of every child: this one's, headless, with the probe, and
// a home of its own so that the editor's menu folder lands in a scratch place.
std::vector<std::string> ChildEnvironment(const std::string& pluginDir, const std::string& home,
                                          bool stay)
{
    // An empty value leaves the variable out.
    const std::map<std::string, std::string> own{
        {"QT_QPA_PLATFORM", "offscreen"},         {"QT_PLUGIN_PATH", pluginDir},
        {"QT_QPA_GENERIC_PLUGINS", "firstpaint"}, {"FIRSTPAINT_FD", std::to_string(ProbeFd)},
        {"FIRSTPAINT_STAY", stay ? "1" : ""},     {"HOME", home},
    };
    std::vector<std::string> result;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (!own.contains(entry.substr(0, entry.find('='))))
            result.push_back(entry);
    }
    for (const auto& [name, value] : own) {
        if (value.empty())
            continue;
        std::string entry = name;
        entry += '=';
        entry += value;
        result.push_back(std::move(entry));
    }
    return result;
}

struct Child {
    pid_t pid = -1;
    int readFd = -1;
    long long started = 0;
};

Child Spawn(const Program& program, const std::vector<std::string>& environment,
            const std::string& errorLog)
{
    int fds[2];
    if (pipe(fds) != 0)
        Fail("pipe");
    // Keep both ends clear of the descriptor the child is to see.
    const int readFd = fcntl(fds[0], F_DUPFD_CLOEXEC, 10);
    const int writeFd = fcntl(fds[1], F_DUPFD_CLOEXEC, 10);
    close(fds[0]);
    close(fds[1]);
    if (readFd < 0 || writeFd < 0)
        Fail("fcntl");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writeFd, ProbeFd);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLog.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<char*> envp;
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.path.c_str()), nullptr};

    Child child;
    child.started = MonotonicNanoseconds();
    const int rc =
        posix_spawn(&child.pid, program.path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(writeFd);
    if (rc != 0) {
        errno = rc;
        Fail("cannot start " + program.path);
    }
    child.readFd = readFd;
    return child;
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[64];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(fd);
    return text;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The first frame's time, or nullopt when the program ended without one.
std::optional<long long> FirstFrame(const Child& child)
{
    const std::string line = ReadAll(child.readFd);
    if (line.empty())
        return std::nullopt;
    return std::stoll(line);
}

Run MeasureOnce(const Program& program, const std::vector<std::string>& environment,
                const std::string& errorLog)
{
    const Child child = Spawn(program, environment, errorLog);
    const std::optional<long long> frame = FirstFrame(child);
    int status = 0;
    rusage usage{};
    if (wait4(child.pid, &status, 0, &usage) != child.pid)
        Fail("wait4");
    if (!frame || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program.label + " ended without painting a frame:\n" +
                                 FileText(errorLog));
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    // The probe ends the child at its first frame, so all of its CPU time
    // went into getting there.
    return {static_cast<double>(*frame - child.started) / 1e6,
            ms(usage.ru_utime) + ms(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread SpreadOf(const std::vector<Run>& runs, double Run::*field)
{
    std::vector<double> values;
    for (const Run& r : runs)
        values.push_back(r.*field);
    return {Median(values), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

struct Summary {
    Spread time;
    Spread cpu;
    Spread memory;
};

Summary Summarize(const std::vector<Run>& runs)
{
    return {SpreadOf(runs, &Run::milliseconds), SpreadOf(runs, &Run::cpuMilliseconds),
            SpreadOf(runs, &Run::peakMiB)};
}

// CPU time (ns) and wake-ups of all threads of a process so far.
struct Activity {
    long long cpuNanoseconds = 0;
    long long wakeUps = 0;
};

// schedstat and status count one thread each; a process is their sum.
Activity ActivityOf(pid_t pid)
{
    Activity total;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        long long cpu = 0;
        std::istringstream(FileText(task.path() / "schedstat")) >> cpu;
        total.cpuNanoseconds += cpu;
        std::istringstream status(FileText(task.path() / "status"));
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("voluntary_ctxt_switches:") ||
                line.starts_with("nonvoluntary_ctxt_switches:"))
                total.wakeUps += std::stoll(line.substr(line.find(':') + 1));
    }
    return total;
}

struct Idle {
    double cpuMilliseconds = 0;
    long long wakeUps = 0;
};

// Starts the program, waits for its first frame and a little beyond, and
// counts what it does over the next `seconds` without any input.
Idle MeasureIdle(const Program& program, const std::vector<std::string>& environment,
                 const std::string& errorLog, int seconds)
{
    const Child child = Spawn(program, environment, errorLog);
    const std::optional<long long> frame = FirstFrame(child);
    Idle idle;
    if (frame) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const Activity before = ActivityOf(child.pid);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const Activity after = ActivityOf(child.pid);
        idle = {static_cast<double>(after.cpuNanoseconds - before.cpuNanoseconds) / 1e6,
                after.wakeUps - before.wakeUps};
    }
    kill(child.pid, SIGKILL);
    int status = 0;
    waitpid(child.pid, &status, 0);
    if (!frame)
        throw std::runtime_error(program.label + " ended without painting a frame:\n" +
                                 FileText(errorLog));
    return idle;
}

void PrintRow(const std::string& label, const Summary& s)
{
    std::printf("  %-12s", label.c_str());
    for (const Spread& spread : {s.time, s.cpu, s.memory})
        std::printf("   %7.1f %7.1f %7.1f", spread.median, spread.min, spread.max);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s EDITOR BARE PLUGIN_DIR [RUNS] [IDLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const std::vector<Program> programs{{"editor", argv[1]}, {"bare window", argv[2]}};
    const std::string pluginDir = argv[3];
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 31;
    const int idleSeconds = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;

    char homeTemplate[] = "/tmp/startup-bench-XXXXXX";
    if (!mkdtemp(homeTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string home = homeTemplate;
    const std::string errorLog = home + "/stderr.txt";

    try {
        const auto environment = ChildEnvironment(pluginDir, home, false);
        std::vector<std::vector<Run>> results(programs.size());
        // Alternate the order each round, so that neither program always
        // follows the other into a warm cache.
        for (int round = 0; round < WarmUpRounds + runs; ++round) {
            for (std::size_t k = 0; k < programs.size(); ++k) {
                const std::size_t p = round % 2 ? programs.size() - 1 - k : k;
                const Run run = MeasureOnce(programs[p], environment, errorLog);
                if (round >= WarmUpRounds)
                    results[p].push_back(run);
            }
        }
        const Summary editor = Summarize(results[0]);
        const Summary bare = Summarize(results[1]);

        std::printf("Start-up to the first painted frame (QT_QPA_PLATFORM=offscreen), %d runs "
                    "each, median min max:\n",
                    runs);
        std::printf("  %-12s   %-23s   %-23s   %-23s\n", "", "time, ms", "CPU time, ms",
                    "peak resident memory, MiB");
        const std::string editorName = std::filesystem::path(programs[0].path).filename();
        PrintRow(editorName, editor);
        PrintRow("bare window", bare);
        const double timeRatio = editor.time.median / bare.time.median;
        const double cpuRatio = editor.cpu.median / bare.cpu.median;
        const double memoryRatio = editor.memory.median / bare.memory.median;
        // Judged by the figure as printed.
        const auto verdict = [](double ratio, double target) {
            return std::round(ratio * 1000) <= std::round(target * 1000) ? "met" : "MISSED";
        };
        std::printf("  %s / bare window: time ratio %.3f (%s, target %.2f), memory ratio %.3f "
                    "(%s, target %.2f)\n",
                    editorName.c_str(), timeRatio, verdict(timeRatio, TimeTarget), TimeTarget,
                    memoryRatio, verdict(memoryRatio, MemoryTarget), MemoryTarget);
        std::printf("  CPU time ratio %.3f\n", cpuRatio);

        std::printf("Idle for %d s after the first frame:\n", idleSeconds);
        for (const Program& program : programs) {
            const Idle idle = MeasureIdle(program, ChildEnvironment(pluginDir, home, true),
                                          errorLog, idleSeconds);
            const std::string name = &program == &programs[0]
                                         ? std::filesystem::path(program.path).filename().string()
                                         : program.label;
            std::printf("  %-12s %.3f ms CPU, %lld wake-ups\n", name.c_str(), idle.cpuMilliseconds,
                        idle.wakeUps);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "StartupBench: %s\n", error.what());
        std::filesystem::remove_all(home);
        return 1;
    }
    std::filesystem::remove_all(home);
    return 0;
}

// Measures whole-process start-up: each program is launched with the autopilot preloaded,
// which answers its first dialog and quits once its main window is drawn. Runs take turns
// between the programs so that all see the same machine; the wall time runs
// from launch to exit, and peak memory is the process's maximum resident set.
// Two more programs show where the difference lies: the floor with one line of text in each
// window (FLOOR --text), and the program's own forms without its code (FORMS).
// Usage: bench_startup AUTOPILOT RUNS PROGRAM FLOOR FORMS

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

struct Sample {
    double wallMs;
    double cpuMs;
    double peakMiB;
};

Sample launch(std::vector<std::string> command, const std::string &autopilot)
{
    std::vector<std::string> variables{"LD_PRELOAD=" + autopilot};
    for (char **entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "LD_PRELOAD=", 11) != 0)
            variables.emplace_back(*entry);
    }
    std::vector<char *> env;
    for (std::string &variable : variables)
        env.push_back(variable.data());
    env.push_back(nullptr);
    std::vector<char *> argv;
    for (std::string &word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string &program = command.front();

    // The programs' own messages would drown the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        std::perror(program.c_str());
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end normally (status %d)\n", program.c_str(), status);
        std::exit(2);
    }
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return {wall.count(), ms(usage.ru_utime) + ms(usage.ru_stime),
            double(usage.ru_maxrss) / 1024.0}; // ru_maxrss is in KiB
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s AUTOPILOT RUNS PROGRAM FLOOR FORMS\n", argv[0]);
        return 2;
    }
    const std::string autopilot = argv[1];
    const int runs = std::max(1, std::atoi(argv[2]));
    const std::vector<std::vector<std::string>> commands{
        {argv[3]}, {argv[4]}, {argv[4], "--text"}, {argv[5]}};
    const char *labels[] = {"program", "floor", "floor + text", "forms only"};
    const int warmUp = 5;

    std::vector<std::vector<double>> wall(commands.size()), cpu(commands.size()),
        peak(commands.size());
    for (int run = 0; run < warmUp + runs; ++run) {
        // Each round starts with another program, so that none always runs first.
        for (std::size_t step = 0; step < commands.size(); ++step) {
            const std::size_t which = (run + step) % commands.size();
            const Sample sample = launch(commands[which], autopilot);
            if (run >= warmUp) {
                wall[which].push_back(sample.wallMs);
                cpu[which].push_back(sample.cpuMs);
                peak[which].push_back(sample.peakMiB);
            }
        }
    }

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Start-up on the %s platform: median of %d runs after %d warm-up runs\n",
                platform ? platform : "default", runs, warmUp);
    std::printf("%-14s %9s %9s %9s %14s %9s\n", "", "wall ms", "÷ floor", "CPU ms", "peak RSS MiB",
                "÷ floor");
    for (std::size_t which = 0; which < commands.size(); ++which) {
        const double time = median(wall[which]), memory = median(peak[which]);
        std::printf("%-14s %9.1f %9.3f %9.1f %14.1f %9.3f\n", labels[which], time,
                    time / median(wall[1]), median(cpu[which]), memory, memory / median(peak[1]));
    }
    return 0;
}

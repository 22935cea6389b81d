// Start-up to the main window shown: the configurator with --quit-after-show beside a minimal Qt Widgets
// program that shows one window, each started alternately as a new process; prints the ratio of the
// medians.
#include <spawn.h>
#include <sys/wait.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Wall time of one run of the program to its exit, in milliseconds; negative when it failed.
double runOnce(const char* program, const char* argument)
{
    std::vector<char*> argv{const_cast<char*>(program)};
    if (argument)
        argv.push_back(const_cast<char*>(argument));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // One start of each first, so that both find the libraries in the page cache.
    if (runOnce(LATTISOR_PROGRAM, "--quit-after-show") < 0 || runOnce(MINIMAL_WINDOW_PROGRAM, nullptr) < 0) {
        std::fprintf(stderr, "a program failed to start or to quit\n");
        return 1;
    }
    std::vector<double> ours;
    std::vector<double> minimal;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(runOnce(LATTISOR_PROGRAM, "--quit-after-show"));
        minimal.push_back(runOnce(MINIMAL_WINDOW_PROGRAM, nullptr));
    }
    if (*std::min_element(ours.begin(), ours.end()) < 0 || *std::min_element(minimal.begin(), minimal.end()) < 0) {
        std::fprintf(stderr, "a program failed to start or to quit\n");
        return 1;
    }
    const double a = median(ours);
    const double b = median(minimal);
    std::printf("start-up to the main window shown, median of %d runs\n", runs);
    std::printf("lattisor --quit-after-show %8.1f ms\n", a);
    std::printf("minimal Qt Widgets window  %8.1f ms\n", b);
    std::printf("ratio %.2fx (goal <= 3x) %s\n", a / b, a / b <= 3 ? "ok" : "OVER");
    return 0;
}

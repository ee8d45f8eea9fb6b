// Times the program's start to its main dialog and back out, and its peak memory, against a
// minimal Qt program that shows one empty dialog, both run alternately in the same run.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

Sample RunOnce(const char* program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO); // Qt's notes about the offscreen platform
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

template <class T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM FLOOR\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1); // the same platform every run, display or not
    constexpr int kRuns = 21;
    std::vector<double> programTimes, floorTimes;
    std::vector<long> programPeaks, floorPeaks;
    RunOnce(argv[1]); // warm the file cache for both
    RunOnce(argv[2]);
    for (int i = 0; i < kRuns; ++i) {
        const Sample program = RunOnce(argv[1]);
        const Sample floor = RunOnce(argv[2]);
        programTimes.push_back(program.milliseconds);
        programPeaks.push_back(program.peakKiB);
        floorTimes.push_back(floor.milliseconds);
        floorPeaks.push_back(floor.peakKiB);
    }
    const double time = Median(programTimes), floorTime = Median(floorTimes);
    const long peak = Median(programPeaks), floorPeak = Median(floorPeaks);
    std::printf("\nStart-up to the main dialog and out (median of %d runs, offscreen platform)\n",
                kRuns);
    std::printf("%-22s %12s %12s %8s %6s\n", "", "cwreadme", "floor", "ratio", "goal");
    std::printf("%-22s %10.1fms %10.1fms %7.2fx %5.2fx\n", "wall time", time, floorTime,
                time / floorTime, 1.15);
    std::printf("%-22s %9ldKiB %9ldKiB %7.2fx %5.2fx\n", "peak memory", peak, floorPeak,
                double(peak) / floorPeak, 1.15);
    return 0;
}

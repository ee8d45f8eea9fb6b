// The readme writer into memory and onto disk, each against one buffered write of the same bytes.
#include "FileCalls.h"
#include "RatioReporter.h"
#include "ReadmeFile.h"
#include "ReadmeWriter.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

class StringOutput : public ReadmeOutput {
public:
    void write(std::string_view text) override
    {
        bytes.append(text);
        ++writes;
    }
    std::string bytes;
    long writes = 0;
};

// A typical record, with the notes grown to `notesBytes` in lines of 80 characters.
ReadmeRecord Record(std::size_t notesBytes)
{
    ReadmeRecord r;
    r.title = "Castle on the Hill";
    r.author = "A. Builder";
    r.releaseDate = "11 December 2026";
    r.email = "builder@example.org";
    r.webUrl = "example.org/levels";
    r.otherMaps = "Keep One, Keep Two";
    r.gameType = "VMA: Capture The Flag";
    r.levelName = "CTF-Castle";
    r.singlePlayer = r.cooperative = r.darkMatch = "No";
    r.deathmatch = r.botsSupported = r.difficultySettings = "Yes";
    r.installInstructions = "Unzip into the Maps folder.\r\nStart the game.";
    r.editorsUsed = "Cairnwright";
    r.levelBase = r.constructionTime = "Not Specified";
    r.mapNotes = "A castle on a hill.\r\nTwo bases and a moat.";
    while (r.mapNotes.size() < notesBytes)
        r.mapNotes += std::string(78, 'n') + "\r\n";
    r.knownBugs = "None.";
    r.copyright = "This level is copyright 2026 by the author of this map.\n\n<br><br>...";
    return r;
}

std::string Folder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "cwbench-XXXXXX").string();
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder;
}

std::string DocumentOf(const ReadmeRecord& record)
{
    StringOutput out;
    WriteReadmeHtml(out, record);
    return out.bytes;
}

void WriterToMemory(benchmark::State& state)
{
    const ReadmeRecord record = Record(state.range(0));
    StringOutput out;
    for (auto _ : state) {
        out.bytes.clear();
        out.writes = 0;
        WriteReadmeHtml(out, record);
        benchmark::DoNotOptimize(out.bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * out.bytes.size());
    state.counters["writer_writes"] = out.writes;
}

void FloorToMemory(benchmark::State& state)
{
    const std::string document = DocumentOf(Record(state.range(0)));
    std::string bytes;
    for (auto _ : state) {
        bytes.clear();
        bytes.append(document);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * document.size());
}

long g_systemWrites = 0;
ssize_t CountingWrite(int fd, const void* data, size_t size)
{
    ++g_systemWrites;
    return ::write(fd, data, size);
}

void CreateFileOnDisk(benchmark::State& state)
{
    ReadmeRecord record = Record(state.range(0));
    record.fileName = Folder() + "/castle.vxm";
    ActiveFileCalls().write = CountingWrite;
    g_systemWrites = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CreateReadmeFile(record));
    ActiveFileCalls() = DefaultFileCalls();
    state.SetBytesProcessed(state.iterations() *
                            std::filesystem::file_size(Folder() + "/castle.htm"));
    state.counters["sys_writes_per_file"] = double(g_systemWrites) / state.iterations();
}

// The same bytes with one write, and the same fsync, close and rename as the readme gets.
void FloorOnDisk(benchmark::State& state)
{
    std::string bytes;
    for (const char c : DocumentOf(Record(state.range(0)))) {
        if (c == '\n' && (bytes.empty() || bytes.back() != '\r'))
            bytes += '\r';
        bytes += c;
    }
    const std::string target = Folder() + "/floor.htm";
    const std::string temporary = Folder() + "/.floor.htm.tmp";
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
        ::rename(temporary.c_str(), target.c_str());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

constexpr long kTypical = 0;
constexpr long kOneMiB = 1 << 20;
constexpr long kSixteenMiB = 16 << 20;

} // namespace

BENCHMARK(WriterToMemory)
    ->Arg(kTypical)
    ->Arg(kOneMiB)
    ->Arg(kSixteenMiB)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FloorToMemory)
    ->Arg(kTypical)
    ->Arg(kOneMiB)
    ->Arg(kSixteenMiB)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(CreateFileOnDisk)
    ->Arg(kTypical)
    ->Arg(kOneMiB)
    ->Arg(kSixteenMiB)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FloorOnDisk)
    ->Arg(kTypical)
    ->Arg(kOneMiB)
    ->Arg(kSixteenMiB)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::vector<RatioReporter::Pair> pairs;
    for (const char* size : {"0", "1048576", "16777216"}) {
        const std::string arg = std::string("/") + size;
        const double goal = arg == "/16777216" ? 1.5 : 0;
        pairs.push_back({"WriterToMemory" + arg, "FloorToMemory" + arg, goal});
        pairs.push_back({"CreateFileOnDisk" + arg, "FloorOnDisk" + arg, goal});
    }
    RatioReporter reporter(pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    std::filesystem::remove_all(Folder());
    return 0;
}

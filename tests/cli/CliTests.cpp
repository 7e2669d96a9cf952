// The command line as a script sees it: exit status, what it prints, what it writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "base/FileSystem.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

struct CliRun {
    int status = -1;
    std::string out;  // stdout and stderr together
};

// Runs a shell command line; the command line's output is caught whole.
CliRun RunShell(const std::string& commandLine) {
    CliRun run;
    const std::string command = "{ " + commandLine + "; } 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

CliRun RunCli(const std::string& arguments) { return RunShell(std::string(PAKMOLE_CLI) + " " + arguments); }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

TEST(CommandLine, ExitStatusTellsWhatHappened) {
    test::TempFolder folder;
    test::PakBuilder().MountPoint("").Stored("ok.txt", "ok").WriteTo(folder / "good.pak");
    test::PakBuilderEntry broken;
    broken.name = "broken.bin";
    broken.data = "x";
    broken.compressed = true;
    broken.rawBlocks = {std::string(8, '\0')};
    test::PakBuilder().MountPoint("").Stored("fine.txt", "fine").Add(broken).WriteTo(folder / "partly.pak");
    test::WriteWholeFile(folder / "junk.pak", "this is not a pak file at all, not even close to one.");

    struct Case {
        std::string arguments;
        int status;
        std::string mentions;
    } const cases[] = {
        {Quoted(folder / "good.pak"), 0, "1 of 1 entries extracted"},
        {Quoted(folder / "partly.pak"), 1, "failed: broken.bin: Error"},
        {Quoted(folder / "junk.pak"), 2, "not a pak file"},
        {Quoted(folder / "missing.pak"), 2, "Cannot open file"},
        {"", 2, "Usage:"},
        {"-filelist", 2, "Usage:"},
        {"--help", 0, "Usage:"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(c.mentions), std::string::npos) << c.arguments << "\n" << run.out;
    }
    EXPECT_EQ(test::ReadWholeFile(folder / "ok.txt"), "ok");
    EXPECT_TRUE(FileExists(folder / "good.pak_unpacked.bak"));
    EXPECT_FALSE(FileExists(folder / "broken.bin"));
}

// An entry too large for the memory at hand fails alone; the rest goes on.
TEST(CommandLine, MemoryShortageFailsTheEntryNotTheJob) {
    test::TempFolder folder;
    test::PakBuilder()
        .MountPoint("")
        .Compressed("huge.bin", std::string(400u << 20, '\0'), 400u << 20)
        .Stored("small.txt", "small")
        .WriteTo(folder / "huge.pak");
    // 256 MB of address space: the 400 MB entry cannot be held.
    const CliRun run = RunShell("ulimit -v 262144; " + std::string(PAKMOLE_CLI) + " " + Quoted(folder / "huge.pak"));
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("failed: huge.bin: Not enough memory for this entry."), std::string::npos) << run.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "small.txt"), "small");
    EXPECT_FALSE(FileExists(folder / "huge.bin"));
}

TEST(CommandLine, FileListKeepsThePak) {
    test::TempFolder folder;
    test::PakBuilder().Stored("Engine/A.uasset", "abc").WriteTo(folder / "list.pak");
    const CliRun run = RunCli("-filelist " + Quoted(folder / "list.pak"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "list.pak_filelist.txt"),
              "#\tFileName\tOffset\tSize\tZSize\r\n1\tEngine\\A.uasset\t0\t3\t3\r\n");
    EXPECT_TRUE(FileExists(folder / "list.pak"));
}

}  // namespace
}  // namespace pakmole

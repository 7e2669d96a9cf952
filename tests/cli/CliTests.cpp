// The command line as a script sees it: exit status, what it prints, what it writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

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

const char kKey[] = "lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94=";
const char kHexKey[] = "0x94D25BC3AEB420E0BE914EDC9D5435A1EAAB5F2864E09E94019AC205B727A7DE";

std::string RealPak(const std::string& name) { return Quoted(test::SharedPath("realpaks/" + name)); }

// The commands that look into a pak: what a modder or a script reads.
TEST(CommandLine, InfoListAndVerifyTellWhatIsInAPak) {
    struct Case {
        std::string arguments;
        int status;
        std::vector<std::string> mentions;
    } const cases[] = {
        {"info " + RealPak("v8b-zlib.pak"), 0,
         {"version:            8b (footer of 221 bytes)", "mount point:        ../../../", "entries:            5",
          "Zlib (3), stored (2)", "encrypted index:    no", "index hash:         matches"}},
        {"info --aes-key " + std::string(kKey) + " " + RealPak("repak/pack_v9_compress_encrypt_encryptindex.pak"), 0,
         {"version:            9 (footer of 222 bytes)", "encrypted index:    yes", "encrypted entries:  4",
          "index hash:         matches"}},
        {"info " + RealPak("repak/pack_v9_encryptindex.pak"), 2,
         {"the pak's index is encrypted; give its AES key with --aes-key"}},
        {"info --aes-key 0x" + std::string(64, '1') + " " + RealPak("repak/pack_v9_encryptindex.pak"), 2,
         {"the key does not open this pak"}},
        {"info --aes-key nonsense " + RealPak("v11-zlib.pak"), 2, {"AES key"}},
        {"list " + RealPak("v11-zlib.pak"), 0, {"TestLevel.uexp\t601941\t339270\tZlib\t-\n"}},
        {"list --json --aes-key " + std::string(kHexKey) + " " + RealPak("repak/pack_v8a_encrypt.pak"), 0,
         {"{\"name\": \"directory/nested.txt\", \"size\": 596, \"storedSize\": 596, \"method\": \"stored\", "
          "\"encrypted\": true}"}},
        {"verify " + RealPak("v11-zlib.pak"), 0, {"7 of 7 entries match their SHA-1"}},
        {"verify --aes-key " + std::string(kKey) + " " + RealPak("repak/pack_v5_compress_encrypt_encryptindex.pak"), 0,
         {"4 of 4 entries match their SHA-1"}},
        {"verify --help", 0, {"Usage: pakmole verify"}},
        {"list", 2, {"Usage: pakmole list"}},
        {"list --bogus x.pak", 2, {"unexpected argument \"--bogus\""}},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
        for (const auto& text : c.mentions)
            EXPECT_NE(run.out.find(text), std::string::npos) << c.arguments << "\n" << run.out;
    }
}

TEST(CommandLine, VerifyNamesTheEntriesThatDoNotMatch) {
    test::TempFolder folder;
    std::string bytes = test::ReadWholeFile(test::SharedPath("realpaks/v7-stored.pak"));
    bytes[60] ^= 1;  // in the stored data of the first entry, behind its 53-byte header
    test::WriteWholeFile(folder / "damaged.pak", bytes);
    const CliRun run = RunCli("verify " + Quoted(folder / "damaged.pak"));
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("pakmole: differs: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("3 of 4 entries match their SHA-1"), std::string::npos) << run.out;
}

TEST(CommandLine, ExtractWritesWhereAndWhatItIsToldAndKeepsThePak) {
    test::TempFolder folder;
    ForceDirectories(folder / "paks");
    const std::string pak = folder / "paks/pak.pak";
    test::WriteWholeFile(pak, test::ReadWholeFile(test::SharedPath("realpaks/repak/pack_v7_compress_encrypt.pak")));
    const CliRun run = RunCli("extract -o " + Quoted(folder / "out") + " --include 'directory/*' --include '*.txt' --aes-key " +
                              kKey + " " + Quoted(pak));
    EXPECT_EQ(run.status, 0) << run.out;
    const std::string expected = test::SharedPath("realpaks/expected-v5-v7/");
    EXPECT_EQ(test::ReadWholeFile(folder / "out/directory/nested.txt"), test::ReadWholeFile(expected + "directory/nested.txt"));
    EXPECT_EQ(test::ReadWholeFile(folder / "out/test.txt"), test::ReadWholeFile(expected + "test.txt"));
    EXPECT_FALSE(FileExists(folder / "out/test.png"));
    EXPECT_TRUE(FileExists(pak)) << "never renamed with -o or --include";

    // The classic form takes the key too, and renames after a complete job.
    const CliRun classic = RunCli("--aes-key " + std::string(kKey) + " " + Quoted(pak));
    EXPECT_EQ(classic.status, 0) << classic.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "mount/point/root/test.png"), test::ReadWholeFile(expected + "test.png"));
    EXPECT_TRUE(FileExists(pak + "_unpacked.bak"));
}

TEST(CommandLine, FailedEntriesKeepTheArchiveName) {
    test::TempFolder folder;
    const std::string pak = folder / "pak.pak";
    test::WriteWholeFile(pak, test::ReadWholeFile(test::SharedPath("realpaks/repak/pack_v5_encrypt.pak")));
    const CliRun run = RunCli(Quoted(pak));
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("failed: test.txt: the entry is encrypted; a key is needed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("keeps its name"), std::string::npos) << run.out;
    EXPECT_TRUE(FileExists(pak));
}

}  // namespace
}  // namespace pakmole

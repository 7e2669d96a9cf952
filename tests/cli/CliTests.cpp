// The command line as a script sees it: exit status, what it prints, what it writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/FileSystem.h"
#include "base/Sha1.h"
#include "tests/support/AesEncrypt.h"
#include "tests/support/OodleStandInPaks.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/RealPaks.h"
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
        {Quoted(folder / "partly.pak"), 1, "failed: broken.bin: block 1 of broken.bin does not inflate: damaged data\n"},
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
    // Under the mount point's own path, "../" left out.
    EXPECT_EQ(test::ReadWholeFile(folder / "out/mount/point/root/directory/nested.txt"),
              test::ReadWholeFile(expected + "directory/nested.txt"));
    EXPECT_EQ(test::ReadWholeFile(folder / "out/mount/point/root/test.txt"), test::ReadWholeFile(expected + "test.txt"));
    EXPECT_FALSE(FileExists(folder / "out/mount/point/root/test.png"));
    EXPECT_TRUE(FileExists(pak)) << "extract never renames";

    // The classic form takes the key too, and renames after a complete job.
    const CliRun classic = RunCli("--aes-key " + std::string(kKey) + " " + Quoted(pak));
    EXPECT_EQ(classic.status, 0) << classic.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "mount/point/root/test.png"), test::ReadWholeFile(expected + "test.png"));
    EXPECT_TRUE(FileExists(pak + "_unpacked.bak"));
    // Its count line names the folder the files are in, with the mount point's "../" taken.
    const std::string written = std::filesystem::canonical(folder / "mount/point/root").string() + "/";
    EXPECT_NE(classic.out.find(" entries extracted to " + written + " ("), std::string::npos) << classic.out;
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

// Versions 12 and 15: what info and list say about the engine-made paks.
TEST(CommandLine, InfoAndListOnUe5Paks) {
    const std::string ctrKey = test::kUe5PakKey;
    struct Case {
        std::string arguments;
        int status;
        std::vector<std::string> mentions;
        std::vector<std::string> absent;
    } const cases[] = {
        {"info " + RealPak("ue5/v12-zlib.pak"), 0,
         {"version:            12 (footer of 221 bytes)", "mount point:        ../../../CUE4ParseFixtures/Content/Fixtures/",
          "entries:            11", "Zlib (6), stored (5)", "encryption method:  AES-256-ECB",
          "directory index:    nested", "index hash:         matches"},
         {"pakchunk index"}},
        {"info " + RealPak("ue5/v15-stored-flat-index.pak"), 0,
         {"version:            15 (footer of 262 bytes)", "entries:            4", "encrypted index:    no",
          "encryption method:  AES-256-ECB", "pakchunk index:     -1 (none)", "directory index:    flat",
          "index hash:         matches"},
         {}},
        {"info --aes-key " + ctrKey + " " + RealPak("ue5/v15-ctr-encrypted-oodle.pak"), 0,
         {"version:            15 (footer of 262 bytes)", "Oodle (7), stored (4)", "encrypted index:    yes",
          "encrypted entries:  11", "encryption method:  AES-256-CTR", "pakchunk index:     -1 (none)",
          "directory index:    flat", "index hash:         matches"},
         {}},
        {"info " + RealPak("ue5/v15-ctr-encrypted-oodle.pak"), 2,
         {"the pak's index is encrypted; give its AES key with --aes-key"}, {}},
        {"info --aes-key " + std::string(kKey) + " " + RealPak("ue5/v15-ctr-encrypted-oodle.pak"), 2,
         {"the key does not open this pak"}, {}},
        {"info " + RealPak("v11-zlib.pak"), 0, {"directory index:    nested"}, {"pakchunk index"}},
        {"list " + RealPak("ue5/v12-zlib.pak"), 0,
         {"Textures/T_Streaming.ubulk\t172032\t5313\tZlib\t-\n", "DataTables/DT_AllProperties.uasset\t932\t932\tstored\t-\n"},
         {}},
        {"list --json " + RealPak("ue5/v15-stored-flat-index.pak"), 0,
         {"[\n"
          "  {\"name\": \"AssetRegistry.bin\", \"size\": 229375, \"storedSize\": 229375, \"method\": \"stored\", "
          "\"encrypted\": false},\n"
          "  {\"name\": \"Config/DefaultGame.ini\", \"size\": 335, \"storedSize\": 335, \"method\": \"stored\", "
          "\"encrypted\": false},\n"
          "  {\"name\": \"Content/Localization/CUE4ParseFixtures/de/CUE4ParseFixtures.locres\", \"size\": 13674, "
          "\"storedSize\": 13674, \"method\": \"stored\", \"encrypted\": false},\n"
          "  {\"name\": \"Content/Localization/CUE4ParseFixtures/en/CUE4ParseFixtures.locres\", \"size\": 6250, "
          "\"storedSize\": 6250, \"method\": \"stored\", \"encrypted\": false}\n"
          "]\n"},
         {}},
        {"list --json --aes-key " + ctrKey + " " + RealPak("ue5/v15-ctr-encrypted-oodle.pak"), 0,
         {"{\"name\": \"Maps/Empty.uexp\", \"size\": 519, \"storedSize\": 519, \"method\": \"stored\", "
          "\"encrypted\": true}",
          "{\"name\": \"Textures/T_Streaming.ubulk\", \"size\": 172032, \"storedSize\": 4592, \"method\": \"Oodle\", "
          "\"encrypted\": true}"},
         {}},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
        for (const auto& text : c.mentions)
            EXPECT_NE(run.out.find(text), std::string::npos) << c.arguments << "\n" << run.out;
        for (const auto& text : c.absent)
            EXPECT_EQ(run.out.find(text), std::string::npos) << c.arguments << "\n" << run.out;
    }
}

// Every entry of the three engine-made UE5 paks through the command line;
// the Oodle ones of the encrypted pak fail by name and the rest come out.
TEST(CommandLine, ExtractsUe5PaksByteForByte) {
    struct Case {
        test::RealPak pak;
        std::string key;
        int status;
    };
    std::vector<Case> cases;
    for (const auto& pak : test::Ue5RealPaks()) cases.push_back({pak, "", 0});
    cases.push_back({test::Ue5CounterModePak(), test::kUe5PakKey, 1});
    for (const auto& c : cases) {
        test::TempFolder folder;
        const std::string key = c.key.empty() ? "" : "--aes-key " + c.key + " ";
        const CliRun run = RunCli("extract -o " + Quoted(folder / "out") + " " + key + RealPak(c.pak.file));
        EXPECT_EQ(run.status, c.status) << c.pak.file << "\n" << run.out;
        for (const auto& [name, sha1] : c.pak.sha1)
            // Under -o along the mount point's own path, which is where the
            // pak's files land from three folders down.
            EXPECT_EQ(test::Sha1Of(test::ReadWholeFile(folder / ("out/" + c.pak.outputUnderRoot + name))), sha1)
                << c.pak.file << " " << name;
        if (c.status == 1)
            for (const auto& name : test::Ue5OodleEntries()) {
                // Named with either separator; the reason names the codec.
                const std::string file = name.substr(name.rfind('/') + 1);
                const std::size_t line = run.out.find(file + ": ");
                ASSERT_NE(line, std::string::npos) << name << "\n" << run.out;
                EXPECT_NE(run.out.substr(line, run.out.find('\n', line) - line).find("Oodle"), std::string::npos)
                    << run.out;
                EXPECT_FALSE(FileExists(folder / ("out/" + c.pak.outputUnderRoot + name))) << name;
            }
    }
}

// Oodle entries through the tests' stand-in library (not real Oodle data):
// given with --oodle to extract and to the classic form, or found beside the
// game; without one they fail by name and say where a library was looked for.
TEST(CommandLine, OodleEntriesGoThroughTheGamesLibrary) {
    test::TempFolder folder;
    ForceDirectories(folder / "Game/Content/Paks");
    const std::string pak = folder / "Game/Content/Paks/pakchunk0.pak";
    test::PakBuilder()
        .Version(15)
        .MethodNames({"Oodle"})
        .MountPoint("../../../Game/Content/")
        .Add(test::OodleStandInEntry("Maps/Level.umap", std::string(100000, 'L') + "end"))
        .Stored("Readme.txt", "plain")
        .WriteTo(pak);

    const CliRun missing = RunCli("extract -o " + Quoted(folder / "none") + " " + Quoted(pak));
    EXPECT_EQ(missing.status, 1) << missing.out;
    EXPECT_NE(missing.out.find("Level.umap: compressed with Oodle, which only the game's Oodle library decodes: no "
                               "Oodle library was found in " +
                               folder / "Game/Binaries/Linux/"),
              std::string::npos)
        << missing.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "none/Game/Content/Readme.txt"), "plain");

    const CliRun given =
        RunCli("extract --oodle " + Quoted(test::OodleStandInPath()) + " -o " + Quoted(folder / "out") + " " + Quoted(pak));
    EXPECT_EQ(given.status, 0) << given.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "out/Game/Content/Maps/Level.umap"), std::string(100000, 'L') + "end");

    const CliRun bad = RunCli("extract --oodle " + Quoted(folder / "Game/Content/Paks/pakchunk0.pak") + " -o " +
                              Quoted(folder / "bad") + " " + Quoted(pak));
    EXPECT_EQ(bad.status, 1) << bad.out;
    EXPECT_NE(bad.out.find("cannot be used"), std::string::npos) << bad.out;

    // Found beside the game by the classic form, which then renames the pak.
    ForceDirectories(folder / "Game/Binaries/Linux");
    test::WriteWholeFile(folder / ("Game/Binaries/Linux/" + test::OodleStandInName()),
                         test::ReadWholeFile(test::OodleStandInPath()));
    const CliRun classic = RunCli(Quoted(pak));
    EXPECT_EQ(classic.status, 0) << classic.out;
    EXPECT_EQ(test::ReadWholeFile(folder / "Game/Content/Maps/Level.umap"), std::string(100000, 'L') + "end");
    EXPECT_TRUE(FileExists(pak + "_unpacked.bak"));

    const CliRun classicGiven = RunCli("--oodle " + Quoted(test::OodleStandInPath()) + " -filelist " +
                                       Quoted(pak + "_unpacked.bak"));
    EXPECT_EQ(classicGiven.status, 0) << classicGiven.out;
}

// Every file under a folder, relative and slash-separated: what a run left.
std::set<std::string> FilesUnder(const std::string& folder) {
    std::set<std::string> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
        if (item.is_regular_file()) files.insert(std::filesystem::relative(item.path(), folder).generic_string());
    return files;
}

// Entries encrypted under a plain index with a wrong but well-formed key:
// compressed ones show it, and every form refuses the key with exit status
// 2, nothing written and the pak's name kept; stored ones (no package among
// them) cannot show it, so the job is done and stderr says so.
TEST(CommandLine, AWrongKeyIsRefusedBeforeAnythingIsWritten) {
    const std::string wrongKey = "0x" + std::string(64, 'a');
    for (const char* version : {"v5", "v7", "v8a", "v9"}) {
        for (const bool compressed : {true, false}) {
            const std::string file =
                std::string("repak/pack_") + version + (compressed ? "_compress_encrypt.pak" : "_encrypt.pak");
            for (const char* form : {"", "extract ", "verify "}) {
                SCOPED_TRACE(file + " " + form);
                test::TempFolder folder;
                const std::string pak = folder / "Game.pak";
                test::WriteWholeFile(pak, test::ReadWholeFile(test::SharedPath("realpaks/" + file)));
                const CliRun run = RunCli(std::string(form) + "--aes-key " + wrongKey + " " + Quoted(pak));
                if (compressed) {
                    EXPECT_EQ(run.status, 2) << run.out;
                    EXPECT_NE(run.out.find("pakmole: the key does not open this pak\n"), std::string::npos) << run.out;
                    EXPECT_EQ(FilesUnder(folder.Path()), std::set<std::string>{"Game.pak"}) << "something was written";
                } else {
                    EXPECT_EQ(run.status, 0) << run.out;
                    EXPECT_NE(run.out.find("pakmole: the key could not be checked\n"), std::string::npos) << run.out;
                }
            }
        }
    }
}

// A pak whose packer hashed the plain bytes before encrypting them: without
// the key its entries cannot be verified, which is what verify says.
TEST(CommandLine, VerifySaysWhenTheKeyIsNeeded) {
    const AesKey key = ParseAesKey(kKey);
    auto sha1 = [](const std::string& bytes) {
        const Sha1Digest digest = Sha1(bytes.data(), bytes.size());
        return std::string(digest.begin(), digest.end());
    };
    auto build = [&](bool hashPlain) {
        test::PakBuilderEntry entry;
        entry.name = "Content/notes.txt";
        entry.data = "notes that are not a package";
        entry.encrypted = true;
        return test::PakBuilder()
            .Version(9)
            .EncryptWith([&](const std::string& plain) { return test::EncryptAes256Ecb(plain, key); })
            .HashWith(sha1, hashPlain)
            .Add(entry)
            .Build();
    };
    test::TempFolder folder;
    test::WriteWholeFile(folder / "plain-hash.pak", build(true));
    test::WriteWholeFile(folder / "stored-hash.pak", build(false));
    struct Case {
        std::string arguments;
        int status;
        std::string mentions;
    } const cases[] = {
        {"verify " + Quoted(folder / "plain-hash.pak"), 2, "pakmole: the key is needed to verify Content/notes.txt\n"},
        {"verify --aes-key " + std::string(kKey) + " " + Quoted(folder / "plain-hash.pak"), 0,
         "1 of 1 entries match their SHA-1\n"},
        {"verify " + Quoted(folder / "stored-hash.pak"), 0, "1 of 1 entries match their SHA-1\n"},
        {"verify --aes-key " + std::string(kKey) + " " + Quoted(folder / "stored-hash.pak"), 0,
         "1 of 1 entries match their SHA-1\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(c.mentions), std::string::npos) << c.arguments << "\n" << run.out;
        EXPECT_EQ(run.out.find("differs"), std::string::npos) << c.arguments << "\n" << run.out;
    }
}

// extract writes only under its folder (default: beside the pak, named after
// it), keeps the mount point's own path there without climbing out, and
// never renames; the classic form keeps climbing as the game does.
TEST(CommandLine, ExtractStaysInItsFolderAndNeverRenames) {
    const std::string bytes = test::PakBuilder()
                                  .Version(7)
                                  .MountPoint("../../../MyGame/Content/")
                                  .Stored("a.uasset", "asset")
                                  .Compressed("Maps/b.umap", std::string(9000, 'b'), 4096)
                                  .Build();
    struct Case {
        const char* what;
        std::string options;  // in front of the pak
        std::string under;    // where the entries go, relative to the test's folder
    } const cases[] = {
        {"default folder", "", "Paks/Game/MyGame/Content/"},
        {"-o", "-o out ", "out/MyGame/Content/"},
        {"-o with --include", "-o out --include '*.uasset' ", "out/MyGame/Content/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        ForceDirectories(folder / "Paks");
        test::WriteWholeFile(folder / "Paks/Game.pak", bytes);
        const CliRun run = RunShell("cd " + Quoted(folder.Path()) + " && " + PAKMOLE_CLI + " extract " + c.options +
                                    "Paks/Game.pak");
        EXPECT_EQ(run.status, 0) << run.out;
        std::set<std::string> expected = {"Paks/Game.pak", c.under + "a.uasset"};
        if (c.options.find("--include") == std::string::npos) expected.insert(c.under + "Maps/b.umap");
        EXPECT_EQ(FilesUnder(folder.Path()), expected) << run.out;
        EXPECT_EQ(test::ReadWholeFile(folder / (c.under + "a.uasset")), "asset");
    }
    // The classic form: beside the pak, along the mount point, and renamed.
    test::TempFolder folder;
    ForceDirectories(folder / "G/Content/Paks");
    test::WriteWholeFile(folder / "G/Content/Paks/Game.pak", bytes);
    const CliRun run = RunCli(Quoted(folder / "G/Content/Paks/Game.pak"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(FilesUnder(folder.Path()),
              (std::set<std::string>{"G/Content/Paks/Game.pak_unpacked.bak", "MyGame/Content/a.uasset",
                                     "MyGame/Content/Maps/b.umap"}));
    // And the help says where extract writes.
    const CliRun help = RunCli("extract --help");
    EXPECT_NE(help.out.find("never renamed"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("without its \"..\" parts"), std::string::npos) << help.out;
}

// Runs the command line with its standard error on a terminal (a pty), its
// standard output thrown away; answers what the terminal showed.
std::string StderrOnATerminal(const std::string& arguments) {
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return "no pty";
    const pid_t child = fork();
    if (child == 0) {
        dup2(slave, STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(master);
        execl("/bin/sh", "sh", "-c", (std::string(PAKMOLE_CLI) + " " + arguments).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(slave);
    std::string shown;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n > 0) {
            shown.append(buffer, static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // EIO once the child closed the terminal
        }
    }
    close(master);
    int status = 0;
    waitpid(child, &status, 0);
    return shown;
}

// On a terminal the job draws one updating progress line on stderr, for the
// classic form and extract alike; -q leaves it out. (Off a terminal it never
// shows: the other tests read stderr through a pipe and find none.)
TEST(CommandLine, ProgressOnATerminalUnlessQuiet) {
    test::TempFolder folder;
    const std::string bytes = test::PakBuilder().MountPoint("").Stored("a.txt", "a").Stored("b.txt", "b").Build();
    struct Case {
        std::string arguments;
        bool progress;
    } const cases[] = {
        {Quoted(folder / "one.pak"), true},
        {"-q " + Quoted(folder / "two.pak"), false},
        {"extract -o " + Quoted(folder / "out3") + " " + Quoted(folder / "three.pak"), true},
        {"extract -q -o " + Quoted(folder / "out4") + " " + Quoted(folder / "four.pak"), false},
    };
    for (const char* name : {"one.pak", "two.pak", "three.pak", "four.pak"}) test::WriteWholeFile(folder / name, bytes);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const std::string shown = StderrOnATerminal(c.arguments);
        EXPECT_EQ(shown.find("pakmole: "), std::string::npos) << shown;  // no error
        EXPECT_EQ(shown.find("\r2 of 2 entries, ") != std::string::npos, c.progress) << shown;
    }
}

}  // namespace
}  // namespace pakmole

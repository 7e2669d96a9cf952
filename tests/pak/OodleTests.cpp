// Oodle entries through the game's own library, loaded at run time. The
// library here is a stand-in built for these tests (tests/support/
// OodleStandIn.cpp): the real entry point and calling convention, but a
// trivial format of our own, so what is tested is the finding, loading and
// calling, and the failures without a library. Real Oodle data is not.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RecordingHost.h"
#include "base/FileSystem.h"
#include "pak/OodleLibrary.h"
#include "pak/OodleSearch.h"
#include "pak/PakJob.h"
#include "tests/support/OodleStandInPaks.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/RealPaks.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::PakBuilder;
using test::PakBuilderEntry;

using test::OodleStandInName;
using test::OodleStandInPath;

PakBuilderEntry OodleEntry(const std::string& name, const std::string& data, std::size_t blockSize) {
    return test::OodleStandInEntry(name, data, blockSize);
}

const std::string kBig = std::string(70000, 'a') + std::string(30000, 'b') + "end";

PakBuilder OodlePak(int32_t version = 11) {
    PakBuilder builder;
    builder.Version(version)
        .MethodNames({"Oodle", "Zlib"})
        .MountPoint("../../../Game/Content/")
        .Add(OodleEntry("Maps/Big.umap", kBig, 65536))
        .Add(OodleEntry("Small.uasset", "xxxxyyyz", 65536))
        .Stored("Readme.txt", "plain");
    return builder;
}

// A game folder: <root>/Game/Content/Paks/pakchunk0.pak.
struct Game {
    test::TempFolder root;
    std::string Path(const std::string& relative) const { return test::HostSeparators(root / relative); }
    std::string Pak() const { return Path("Game/Content/Paks/pakchunk0.pak"); }

    explicit Game(const std::string& bytes) {
        ForceDirectories(Path("Game/Content/Paks/"));
        test::WriteWholeFile(Pak(), bytes);
    }
    void Put(const std::string& folder, const std::string& name, const std::string& bytes) const {
        ForceDirectories(Path(folder));
        test::WriteWholeFile(Path(folder + name), bytes);
    }
    JobSummary Extract(const std::string& oodlePath = "", unsigned workers = 1) const {
        test::RecordingHost host(true);
        host.streams = workers > 1;
        host.workers = workers;
        PakJobOptions options;
        options.oodlePath = oodlePath;
        return RunPakJob(Pak(), host, options);
    }
};

#ifdef _WIN32
const char* const kPlatform = sizeof(void*) == 8 ? "Win64" : "Win32";
#else
const char* const kPlatform = "Linux";
#endif

TEST(Oodle, TheStandInIsFoundBesideTheGameAndDecodesEveryBlock) {
    const std::string standIn = test::ReadWholeFile(OodleStandInPath());
    const std::string folders[] = {std::string("Game/Binaries/") + kPlatform + "/",
                                   std::string("Engine/Binaries/ThirdParty/Oodle/") + kPlatform + "/"};
    for (const std::string& folder : folders)
        for (const unsigned workers : {1u, 3u}) {
            SCOPED_TRACE(folder + " on " + std::to_string(workers) + " workers");
            Game game(OodlePak().Build());
            game.Put(folder, OodleStandInName(), standIn);
            const JobSummary summary = game.Extract("", workers);
            EXPECT_TRUE(summary.AllExtracted()) << summary.failed.front().reason;
            EXPECT_EQ(test::ReadWholeFile(game.Path("Game/Content/Maps/Big.umap")), kBig);
            EXPECT_EQ(test::ReadWholeFile(game.Path("Game/Content/Small.uasset")), "xxxxyyyz");
            EXPECT_TRUE(summary.renamed);
        }
}

// --oodle names the library wherever the pak lies; with encryption, the
// blocks are decrypted before the library decodes them.
TEST(Oodle, TheLibraryGivenIsUsedForAnyPak) {
    AesKey key;
    for (std::size_t i = 0; i < key.bytes.size(); ++i) key.bytes[i] = static_cast<uint8_t>(i * 7);
    struct Case {
        const char* what;
        std::string bytes;
    } const cases[] = {
        {"version 11", OodlePak().Build()},
        {"version 15 in counter mode", OodlePak(15).FlatDirectoryIndex().Encrypt(key.bytes, true).Build()},
        {"version 12 with ECB", OodlePak(12).Encrypt(key.bytes, false).Build()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        const std::string pak = folder / "loose.pak";
        test::WriteWholeFile(pak, c.bytes);
        test::RecordingHost host(true);
        PakJobOptions options;
        options.key = key;
        options.oodlePath = OodleStandInPath();
        options.outputRoot = folder / "out" + kFolderDelimiters.front();
        const JobSummary summary = RunPakJob(pak, host, options);
        EXPECT_TRUE(summary.AllExtracted()) << summary.failed.front().reason;
        // Under the folder given, along the mount point's own path.
        EXPECT_EQ(test::ReadWholeFile(folder / test::HostSeparators("out/Game/Content/Maps/Big.umap")), kBig);
    }
}

// Without a usable library the Oodle entries fail one by one, saying why
// and where a library was looked for; the rest is written, the pak keeps
// its name.
TEST(Oodle, WithoutAUsableLibraryOodleEntriesFailByName) {
    // A library of the other pointer size: only its header is read.
    std::string otherSize(512, '\0');
    otherSize[0] = 'M', otherSize[1] = 'Z', otherSize[0x3C] = 0x40;
    otherSize.replace(0x40, 4, std::string("PE\0\0", 4));
    const bool program64 = ProgramBits() == 64;
    otherSize[0x44] = program64 ? '\x4C' : '\x64';
    otherSize[0x45] = program64 ? '\x01' : '\x86';
#ifndef _WIN32
    otherSize = std::string("\x7F" "ELF", 4) + std::string(1, program64 ? '\x01' : '\x02') + std::string(59, '\0');
#endif
    const std::string otherName =
#ifdef _WIN32
        program64 ? "oo2core_9_win32.dll" : "oo2core_9_win64.dll";
#else
        "liboo2corelinux64.so.9";
#endif
    const std::string binaries = std::string("Game/Binaries/") + kPlatform + "/";
    const std::string other = std::to_string(program64 ? 32 : 64) + "-bit";

    struct Case {
        const char* what;
        std::string put;       // a file put in the game's binaries, if any
        std::string given;     // --oodle
        std::string expected;  // in every Oodle entry's reason
    } const cases[] = {
        {"nothing anywhere", "", "", "no Oodle library was found in "},
        {"a library of the other size", otherSize, "",
         "only a " + other + " Oodle library was found ("},
        {"a library given that is no library", "", "junk", "cannot be used"},
        {"a library given that does not exist", "", "missing", "cannot be used"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Game game(OodlePak().Build());
        if (!c.put.empty()) game.Put(binaries, otherName, c.put);
        std::string given;
        if (c.given == "junk") {
            given = game.Path("junk.dll");
            test::WriteWholeFile(given, "not a library at all");
        } else if (c.given == "missing") {
            given = game.Path("missing.dll");
        }
        const JobSummary summary = game.Extract(given);
        ASSERT_EQ(summary.failed.size(), 2u);
        if (!c.put.empty()) {
            EXPECT_NE(summary.failed[0].reason.find(game.Path(binaries + otherName) + "), which the " +
                                                   std::to_string(ProgramBits()) + "-bit program cannot load"),
                      std::string::npos)
                << summary.failed[0].reason;
        }
        for (const auto& failure : summary.failed) {
            EXPECT_NE(failure.reason.find("compressed with Oodle"), std::string::npos) << failure.reason;
            EXPECT_NE(failure.reason.find(c.expected), std::string::npos) << failure.reason;
        }
        std::string name = summary.failed[0].name;
        std::replace(name.begin(), name.end(), '\\', '/');
        EXPECT_EQ(name, "Maps/Big.umap");
        EXPECT_EQ(test::ReadWholeFile(game.Path("Game/Content/Readme.txt")), "plain");
        EXPECT_FALSE(FileExists(game.Path("Game/Content/Small.uasset")));
        EXPECT_FALSE(summary.renamed);
        EXPECT_TRUE(FileExists(game.Pak()));
    }
    // Where it looked: the game's binaries and the engine's Oodle folders.
    Game game(OodlePak().Build());
    const JobSummary summary = game.Extract();
    ASSERT_FALSE(summary.failed.empty());
    EXPECT_NE(summary.failed[0].reason.find(game.Path(binaries)), std::string::npos) << summary.failed[0].reason;
    EXPECT_NE(summary.failed[0].reason.find(game.Path("Engine/Binaries/ThirdParty/Oodle/")), std::string::npos)
        << summary.failed[0].reason;
}

// A block the library refuses fails its entry alone.
TEST(Oodle, ABlockTheLibraryRefusesFailsItsEntry) {
    PakBuilderEntry damaged = OodleEntry("Damaged.bin", "0123456789", 65536);
    damaged.rawBlocks = {"OOSI\x03z"};  // 3 bytes, not 10
    const std::string bytes = PakBuilder()
                                  .Version(11)
                                  .MethodNames({"Oodle"})
                                  .MountPoint("")
                                  .Add(damaged)
                                  .Add(OodleEntry("Good.bin", "good", 65536))
                                  .Build();
    test::TempFolder folder;
    test::WriteWholeFile(folder / "x.pak", bytes);
    test::RecordingHost host(true);
    PakJobOptions options;
    options.oodlePath = OodleStandInPath();
    const JobSummary summary = RunPakJob(folder / "x.pak", host, options);
    ASSERT_EQ(summary.failed.size(), 1u);
    EXPECT_EQ(summary.failed[0].name, "Damaged.bin");
    EXPECT_NE(summary.failed[0].reason.find("could not decode"), std::string::npos) << summary.failed[0].reason;
    EXPECT_EQ(test::ReadWholeFile(folder / "Good.bin"), "good");
}

TEST(Oodle, FoldersAreLookedForOnlyAboveContentPaks) {
    EXPECT_TRUE(OodleFolders(test::HostSeparators("/games/x/Game/Content/Other/a.pak")).empty());
    const auto folders = OodleFolders(test::HostSeparators("/games/x/Game/Content/Paks/~mods/a.pak"));
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), test::HostSeparators(std::string("/games/x/Game/Binaries/") + kPlatform + "/"));
    EXPECT_NE(std::find(folders.begin(), folders.end(),
                        test::HostSeparators("/games/x/Engine/Binaries/ThirdParty/Oodle/")),
              folders.end());
}

}  // namespace
}  // namespace pakmole

#include <gtest/gtest.h>

#include <random>

#include "RecordingHost.h"
#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "pak/PakFormatError.h"
#include "pak/PakJob.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::PakBuilder;
using test::PakBuilderEntry;
using test::ReadWholeFile;
using test::RecordingHost;

const char kSep = kFolderDelimiters[0];

// A host path under folder from a slash-separated relative one.
std::string Under(const std::string& folder, std::string relative) {
    for (auto& c : relative)
        if (c == '/') c = kSep;
    return folder + relative;
}

void Patch32(std::string& bytes, int64_t at, int32_t value) {
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(at) + i] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
}

std::string Noise(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string data(size, '\0');
    for (auto& c : data) c = static_cast<char>(random() % 7 == 0 ? random() : 'a' + random() % 3);
    return data;
}

// A pak in <temp>/Game/Content/Paks/, so that the usual mount point
// "../../../" climbs back to <temp>/.
struct PakOnDisk {
    test::TempFolder root;
    std::string folder = Under(root.Path(), "Game/Content/Paks/");
    std::string path = folder + "Game.pak";

    explicit PakOnDisk(const std::string& bytes) {
        ForceDirectories(folder);
        test::WriteWholeFile(path, bytes);
    }
    std::string Out(const std::string& relative) const { return Under(root.Path(), relative); }
};

TEST(ExtractionJob, WritesStoredCompressedEmptyAndWideEntriesAndRenames) {
    const std::string big = Noise(150000, 1);
    PakBuilderEntry wide;
    wide.wideName = u"Game/Content/Gr\u00fc\u00dfe.txt";
    wide.data = "wide";
    const std::string bytes = PakBuilder()
                                  .Stored("Game/Config/Default.ini", "[x]\r\ny=1\r\n")
                                  .Compressed("Game/Content/Big.uasset", big, 64 * 1024)
                                  .Stored("Game/Content/Empty.txt", "")
                                  .Add(wide)
                                  .Build();
    for (bool tempFiles : {false, true}) {
        PakOnDisk pak(bytes);
        RecordingHost host(true, false,
                           tempFiles ? RecordingHost::Inflation::TempFiles : RecordingHost::Inflation::Memory);
        const JobSummary summary = RunPakJob(pak.path, host);
        EXPECT_EQ(summary.entries, 4);
        EXPECT_TRUE(summary.AllExtracted()) << summary.failed.front().name << ": " << summary.failed.front().reason;
        EXPECT_EQ(summary.bytesWritten, 10 + big.size() + 4);
        EXPECT_EQ(ReadWholeFile(pak.Out("Game/Config/Default.ini")), "[x]\r\ny=1\r\n");
        EXPECT_EQ(ReadWholeFile(pak.Out("Game/Content/Big.uasset")), big);
        EXPECT_EQ(ReadWholeFile(pak.Out("Game/Content/Empty.txt")), "");
        EXPECT_EQ(ReadWholeFile(pak.Out(ToHostPath("Game/Content/Gr\xfc\xdf" "e.txt"))), "wide");
        EXPECT_TRUE(summary.renamed);
        EXPECT_FALSE(FileExists(pak.path));
        EXPECT_TRUE(FileExists(pak.path + "_unpacked.bak"));
        EXPECT_EQ(host.progressMax, 4);
        EXPECT_EQ(host.progress, 4);
        EXPECT_EQ(host.messagePumps, 4 + 3) << "after every entry and every block";
        EXPECT_TRUE(host.foldersOpened.empty()) << "batch mode";
        EXPECT_TRUE(host.messages.empty()) << "batch mode";
        EXPECT_EQ(summary.outputFolder, pak.folder + ToHostPath("..\\..\\..\\"));
    }
}

TEST(ExtractionJob, InteractiveRunOpensTheFolderAndSaysDone) {
    struct Case {
        std::string mountPoint;
        std::string entry;
        std::string expectedFile;  // relative to the temp root
        std::string openedUnderPaks;
    } const cases[] = {
        {"../../../", "Game/Content/b.uasset", "Game/Content/b.uasset", "../../../"},
        {"", "b.uasset", "Game/Content/Paks/b.uasset", ""},
        // Absolute mount points are taken relative to the archive folder.
        {"G:/UE/Project/Content/", "b.uasset", "Game/Content/Paks/UE/Project/Content/b.uasset", "UE/Project/Content/"},
        {"/", "b.uasset", "Game/Content/Paks/b.uasset", ""},
        {"\\\\server\\share\\", "b.uasset", "Game/Content/Paks/server/share/b.uasset", "server/share/"},
    };
    for (const auto& c : cases) {
        PakOnDisk pak(PakBuilder().MountPoint(c.mountPoint).Stored(c.entry, "B").Build());
        RecordingHost host(false);
        RunPakJob(pak.path, host);
        EXPECT_EQ(ReadWholeFile(pak.Out(c.expectedFile)), "B") << c.mountPoint;
        ASSERT_EQ(host.foldersOpened.size(), 1u);
        EXPECT_EQ(host.foldersOpened[0], Under(pak.folder, c.openedUnderPaks)) << c.mountPoint;
        EXPECT_EQ(host.messages, std::vector<std::string>{"DONE!"});
    }
}

TEST(ExtractionJob, EmptyIndexStillRenamesAndSaysDone) {
    for (int32_t count : {0, -5}) {
        PakOnDisk pak(PakBuilder().EntryCount(count).Build());
        RecordingHost host(false);
        const JobSummary summary = RunPakJob(pak.path, host);
        EXPECT_EQ(summary.entries, 0);
        EXPECT_EQ(host.progressMax, 0);
        EXPECT_TRUE(summary.renamed);
        EXPECT_EQ(host.messages, std::vector<std::string>{"DONE!"});
    }
}

TEST(ExtractionJob, TheDataHeaderDecidesStoredOrCompressed) {
    PakBuilderEntry storedButIndexSaysCompressed;
    storedButIndexSaysCompressed.name = "a.bin";
    storedButIndexSaysCompressed.data = "stored bytes";
    storedButIndexSaysCompressed.indexCompressionMethod = 1;
    PakBuilderEntry compressedButIndexSaysStored;
    compressedButIndexSaysStored.name = "b.bin";
    compressedButIndexSaysStored.data = Noise(5000, 2);
    compressedButIndexSaysStored.compressed = true;
    compressedButIndexSaysStored.blockSize = 1000;
    compressedButIndexSaysStored.indexCompressionMethod = 0;
    PakOnDisk pak(PakBuilder().MountPoint("").Add(storedButIndexSaysCompressed).Add(compressedButIndexSaysStored).Build());
    RecordingHost host;
    EXPECT_TRUE(RunPakJob(pak.path, host).AllExtracted());
    EXPECT_EQ(ReadWholeFile(pak.folder + "a.bin"), "stored bytes");
    EXPECT_EQ(ReadWholeFile(pak.folder + "b.bin"), compressedButIndexSaysStored.data);
}

TEST(ExtractionJob, NegativeBlockCountGivesAnEmptyFile) {
    PakBuilder builder;
    builder.MountPoint("").Compressed("neg.bin", "something", 4);
    std::string bytes = builder.Build();
    Patch32(bytes, 48, -1);  // the first entry's header is at offset 0
    PakOnDisk pak(bytes);
    RecordingHost host;
    EXPECT_TRUE(RunPakJob(pak.path, host).AllExtracted());
    EXPECT_EQ(ReadWholeFile(pak.folder + "neg.bin"), "");
}

TEST(ExtractionJob, FailedEntriesAreCountedNamedAndSkipped) {
    PakBuilderEntry tooLong;
    tooLong.name = "too-long.bin";
    tooLong.data = "x";
    tooLong.indexSize = 1 << 30;  // the copy would run past the end of the file
    PakBuilderEntry notZlib;
    notZlib.name = "not-zlib.bin";
    notZlib.data = "ignored";
    notZlib.compressed = true;
    notZlib.rawBlocks = {std::string(32, '\0')};
    PakOnDisk pak(PakBuilder()
                      .MountPoint("")
                      .Stored("first.txt", "1")
                      .Add(tooLong)
                      .Add(notZlib)
                      .Stored("dir", "file where a folder must go")
                      .Stored("dir/inside.txt", "cannot be created")
                      .Stored("last.txt", "3")
                      .Build());
    RecordingHost host(false);
    const JobSummary summary = RunPakJob(pak.path, host);
    EXPECT_EQ(summary.entries, 6);
    ASSERT_EQ(summary.failed.size(), 3u);
    EXPECT_EQ(summary.failed[0].name, "too-long.bin");
    EXPECT_EQ(summary.failed[0].reason, "Stream read error");
    EXPECT_EQ(summary.failed[1].name, "not-zlib.bin");
    EXPECT_EQ(summary.failed[1].reason, "Error");
    EXPECT_EQ(summary.failed[2].name, std::string("dir") + '\\' + "inside.txt");
    EXPECT_EQ(ReadWholeFile(pak.folder + "first.txt"), "1");
    EXPECT_EQ(ReadWholeFile(pak.folder + "last.txt"), "3");
    EXPECT_FALSE(FileExists(pak.folder + "too-long.bin"));
    EXPECT_FALSE(FileExists(pak.folder + "not-zlib.bin"));
    EXPECT_EQ(host.progress, 6) << "failed entries advance the progress too";
    // The game would lose the failed files if the archive were renamed.
    EXPECT_FALSE(summary.renamed);
    EXPECT_TRUE(FileExists(pak.path));
    EXPECT_EQ(host.messages, std::vector<std::string>{
                                 "DONE!\r\n3 of 6 entries could not be extracted.\r\nThe archive keeps its name."});
}

TEST(ExtractionJob, NamesThatLeaveTheMountPointAreRefused) {
    struct Case {
        std::string name;
        bool refused;
    } const cases[] = {
        {"/etc/evil", true},     {"\\evil", true},     {"C:/evil", true},      {"C:evil", true},
        {"a/../../evil", true},  {"..", true},         {"../evil", true},      {"a/..", true},
        {"a/.../evil", true},    {"a/.. /evil", true}, {"a/. ./evil", true},
        {"a..b/ok.txt", false},  {"..ok/x.txt", false}, {"a/./ok.txt", false},
    };
    for (const auto& c : cases) {
        PakOnDisk pak(PakBuilder().MountPoint("Sub/").Stored(c.name, "x").Build());
        RecordingHost host;
        const JobSummary summary = RunPakJob(pak.path, host);
        EXPECT_EQ(summary.failed.size(), c.refused ? 1u : 0u) << c.name;
        if (!c.refused) {
            EXPECT_EQ(ReadWholeFile(Under(pak.folder + "Sub/", c.name)), "x") << c.name;
        }
    }
}

TEST(ExtractionJob, BlocksPointingInFrontOfTheirEntryFailIt) {
    // Newer paks count block offsets from the entry; read as absolute they
    // point into an earlier entry's data and would give its bytes.
    PakBuilder builder;
    builder.MountPoint("").Compressed("first.bin", "first entry", 64).Compressed("second.bin", "second entry", 64);
    std::string bytes = builder.Build();
    // The second entry's header follows the first entry's single block;
    // point its block at the first entry's block.
    const std::string firstTable = bytes.substr(52, 16);
    int64_t firstEnd = 0;
    for (int i = 7; i >= 0; --i) firstEnd = (firstEnd << 8) | static_cast<unsigned char>(bytes[60 + i]);
    bytes.replace(static_cast<std::size_t>(firstEnd) + 52, 16, firstTable);
    PakOnDisk pak(bytes);
    RecordingHost host;
    const JobSummary summary = RunPakJob(pak.path, host);
    ASSERT_EQ(summary.failed.size(), 1u);
    EXPECT_EQ(summary.failed[0].name, "second.bin");
    EXPECT_EQ(ReadWholeFile(pak.folder + "first.bin"), "first entry");
    EXPECT_FALSE(FileExists(pak.folder + "second.bin"));
}

TEST(ExtractionJob, ExistingFilesAreOverwrittenAndASecondRunCannotOpen) {
    PakOnDisk pak(PakBuilder().MountPoint("").Stored("a.txt", "new").Build());
    test::WriteWholeFile(pak.folder + "a.txt", "old and longer");
    RecordingHost host;
    RunPakJob(pak.path, host);
    EXPECT_EQ(ReadWholeFile(pak.folder + "a.txt"), "new");
    EXPECT_THROW(RunPakJob(pak.path, host), EFileError);
}

TEST(ExtractionJob, AFailedRenameIsIgnored) {
    PakOnDisk pak(PakBuilder().MountPoint("").Stored("a.txt", "a").Build());
    test::WriteWholeFile(pak.path + "_unpacked.bak", "in the way");
    RecordingHost host(false);
    const JobSummary summary = RunPakJob(pak.path, host);
    EXPECT_FALSE(summary.renamed);
    EXPECT_TRUE(FileExists(pak.path));
    EXPECT_EQ(host.foldersOpened.size(), 1u);
    EXPECT_EQ(host.messages, std::vector<std::string>{"DONE!"});
}

TEST(FileListJob, WritesTheExactBytesAndKeepsThePak) {
    PakBuilderEntry wide;
    wide.wideName = u"Engine/W\u00e9de.txt";
    wide.data = "w";
    PakBuilderEntry negative;
    negative.name = "neg.bin";
    negative.data = "n";
    negative.indexSize = -5;
    PakBuilder builder;
    builder.MountPoint("../../../").Stored("Engine/Content/A.uasset", "abc").Add(wide).Add(negative);
    PakOnDisk pak(builder.Build());
    RecordingHost host(true, true);
    const JobSummary summary = RunPakJob(pak.path, host);
    const std::string expected =
        "#\tFileName\tOffset\tSize\tZSize\r\n"
        "1\tEngine\\Content\\A.uasset\t0\t3\t3\r\n"
        "2\tEngine\\W\xe9" "de.txt\t56\t1\t1\r\n"
        "3\tneg.bin\t110\t-5\t1\r\n";
    EXPECT_EQ(summary.writtenFile, pak.path + "_filelist.txt");
    EXPECT_EQ(ReadWholeFile(pak.path + "_filelist.txt"), expected);
    EXPECT_TRUE(FileExists(pak.path)) << "list mode keeps the name";
    EXPECT_FALSE(DirectoryExists(pak.Out("Engine"))) << "list mode extracts nothing";
    EXPECT_EQ(host.progress, 3);
    EXPECT_TRUE(host.messages.empty());
    // A second run overwrites the first list.
    PakOnDisk empty(PakBuilder().Build());
    test::WriteWholeFile(empty.path + "_filelist.txt", "an older, longer list\r\n\r\n\r\n");
    RunPakJob(empty.path, host);
    EXPECT_EQ(ReadWholeFile(empty.path + "_filelist.txt"), "#\tFileName\tOffset\tSize\tZSize\r\n");
}

// Damaged files must end quickly with an error or a summary, never a crash,
// a hang or a huge allocation: every prefix of a small pak, then random flips.
TEST(CorruptPaks, EveryPrefixAndRandomFlipsEndCleanly) {
    PakBuilderEntry wide;
    wide.wideName = u"w/ide.txt";
    wide.data = "wide";
    const std::string good = PakBuilder()
                                 .MountPoint("../")
                                 .Stored("a/b.txt", "stored")
                                 .Compressed("c/d.bin", Noise(700, 3), 256)
                                 .Add(wide)
                                 .Build();
    test::TempFolder folder;
    const std::string path = folder / "x.pak";
    int finished = 0, refused = 0;
    auto run = [&](const std::string& bytes, bool list) {
        test::WriteWholeFile(path, bytes);
        RecordingHost host(true, list);
        try {
            RunPakJob(path, host);
            ++finished;
        } catch (const Exception&) {
            ++refused;
        }
        RemoveFile(path + "_unpacked.bak");
        RemoveFile(path);
    };
    for (std::size_t length = 0; length < good.size(); ++length) run(good.substr(0, length), length % 2 == 0);
    std::mt19937 random(12345);
    for (int round = 0; round < 1500; ++round) {
        std::string bytes = good;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
        run(bytes, round % 3 == 0);
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(finished, 0);
}

}  // namespace
}  // namespace pakmole

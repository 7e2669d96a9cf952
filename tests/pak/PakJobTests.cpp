#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <random>

#include "RecordingHost.h"
#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "pak/OutputPath.h"
#include "pak/PakFormatError.h"
#include "pak/PakJob.h"
#include "fuzz/ReadWholePak.h"
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

// Every way a job can inflate its blocks (zlib in memory, zlib through
// temporary files, libdeflate), entry by entry in memory, and streamed on
// three workers as the command line does.
struct JobWay {
    RecordingHost::Inflation inflation;
    bool streams;
    unsigned workers;
};
const JobWay kJobWays[] = {{RecordingHost::Inflation::Memory, false, 1},
                           {RecordingHost::Inflation::TempFiles, false, 1},
                           {RecordingHost::Inflation::Libdeflate, false, 1},
                           {RecordingHost::Inflation::Memory, true, 3},
                           {RecordingHost::Inflation::Libdeflate, true, 3}};

void Configure(RecordingHost& host, const JobWay& way) {
    host.streams = way.streams;
    host.workers = way.workers;
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
    // Two blocks that inflate, then one that does not.
    notZlib.rawBlocks = {test::ZlibCompress("ab"), test::ZlibCompress("cd"), std::string(32, '\0')};
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
    EXPECT_EQ(summary.failed[1].reason, "block 3 of not-zlib.bin does not inflate: damaged data");
    // Named with the host's own separator.
#ifdef _WIN32
    EXPECT_EQ(summary.failed[2].name, "dir\\inside.txt");
#else
    EXPECT_EQ(summary.failed[2].name, "dir/inside.txt");
#endif
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

struct VersionCase {
    int32_t version;
    bool variant8a;
    const char* name;
};
const VersionCase kVersions[] = {{1, false, "1"},  {2, false, "2"}, {3, false, "3"},  {4, false, "4"},
                                 {5, false, "5"},  {6, false, "6"}, {7, false, "7"},  {8, true, "8a"},
                                 {8, false, "8b"}, {9, false, "9"}, {10, false, "10"}, {11, false, "11"}};

// Damaged files must end quickly with an error or a summary, never a crash,
// a hang or a huge allocation: every prefix of a small pak, then random flips.
TEST(CorruptPaks, EveryPrefixAndRandomFlipsEndCleanly) {
    PakBuilderEntry wide;
    wide.name = "w/ide.txt";
    wide.wideName = u"w/ide.txt";
    wide.data = "wide";
    test::TempFolder folder;
    const std::string path = folder / "x.pak";
    // Whatever the mount point says, the output stays in the test's folder.
    PakJobOptions options;
    options.outputRoot = folder / "out/";
    int finished = 0, refused = 0;
    int runs = 0;
    auto run = [&](const std::string& bytes, bool list) {
        test::WriteWholeFile(path, bytes);
        RecordingHost host(true, list);
        // Every other run streamed on two workers, as the command line does.
        host.streams = ++runs % 2 == 0;
        host.workers = host.streams ? 2 : 1;
        try {
            RunPakJob(path, host, options);
            ++finished;
        } catch (const Exception&) {
            ++refused;
        }
        RemoveFile(path + "_unpacked.bak");
        RemoveFile(path);
    };
    // Every reader: the oldest layout whole, the others over their index,
    // encoded entries and footer, where the lengths and counts are.
    for (const auto& v : {VersionCase{3, false, "3"}, VersionCase{5, false, "5"}, VersionCase{8, true, "8a"},
                          VersionCase{9, false, "9"}, VersionCase{11, false, "11"}}) {
        const std::string good = PakBuilder()
                                     .Version(v.version, v.variant8a)
                                     .MountPoint("../")
                                     .Stored("a/b.txt", "stored")
                                     .Compressed("c/d.bin", Noise(700, 3), 256)
                                     .Add(wide)
                                     .Build();
        const std::size_t from = v.version == 3 ? 0 : good.size() - std::min<std::size_t>(good.size(), 400);
        for (std::size_t length = from; length < good.size(); ++length) run(good.substr(0, length), length % 2 == 0);
        std::mt19937 random(12345 + static_cast<unsigned>(v.version));
        for (int round = 0; round < (v.version == 3 ? 1500 : 500); ++round) {
            std::string bytes = good;
            const int flips = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
            run(bytes, round % 3 == 0);
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(finished, 0);
}

}  // namespace
}  // namespace pakmole

namespace pakmole {
namespace {

// Every layout our builder writes comes back byte for byte: stored, empty,
// one block, many blocks, a 16-bit name, and (10, 11) a record kept out of
// the encoded blob.
TEST(EveryVersion, RoundTripsStoredCompressedEmptyAndWideEntries) {
    const std::string many = Noise(40000, 7);
    for (const auto& v : kVersions) {
        PakBuilder builder;
        builder.Version(v.version, v.variant8a).MountPoint("../../../");
        builder.Stored("Game/Config/Default.ini", "[x]\r\n").Stored("Game/Empty.txt", "");
        PakBuilderEntry wide;
        wide.name = "Game/W.txt";  // the directory index files it under Game/
        wide.wideName = u"Game/W\u00e9.txt";
        wide.data = "wide";
        builder.Add(wide);
        const bool blocks = v.version >= 3;
        if (blocks) {
            builder.Compressed("Game/One.bin", "one block", 64 * 1024).Compressed("Game/Many.bin", many, 1024);
            PakBuilderEntry record;
            record.name = "Game/Record.bin";
            record.data = Noise(3000, 8);
            record.compressed = true;
            record.blockSize = 1000;
            record.nonEncoded = true;
            builder.Add(record);
        }
        PakOnDisk pak(builder.Build());
        RecordingHost host;
        const JobSummary summary = RunPakJob(pak.path, host);
        EXPECT_TRUE(summary.AllExtracted()) << v.name << ": " << summary.failed.front().name << ": "
                                            << summary.failed.front().reason;
        EXPECT_EQ(ReadWholeFile(pak.Out("Game/Config/Default.ini")), "[x]\r\n") << v.name;
        EXPECT_EQ(ReadWholeFile(pak.Out("Game/Empty.txt")), "") << v.name;
        EXPECT_EQ(ReadWholeFile(pak.Out(ToHostPath("Game/W\xe9.txt"))), "wide") << v.name;
        if (blocks) {
            EXPECT_EQ(ReadWholeFile(pak.Out("Game/One.bin")), "one block") << v.name;
            EXPECT_EQ(ReadWholeFile(pak.Out("Game/Many.bin")), many) << v.name;
            EXPECT_EQ(ReadWholeFile(pak.Out("Game/Record.bin")), Noise(3000, 8)) << v.name;
        }
        EXPECT_TRUE(summary.renamed) << v.name;
    }
}

TEST(EveryVersion, FileListRowsComeFromTheDecodedEntries) {
    for (const auto& v : kVersions) {
        if (v.version < 3) continue;
        PakOnDisk pak(PakBuilder().Version(v.version, v.variant8a).Stored("a.txt", "abc").Compressed("d/b.bin", Noise(5000, 3), 2048).Build());
        RecordingHost host(true, true);
        RunPakJob(pak.path, host);
        const std::string list = ReadWholeFile(pak.path + "_filelist.txt");
        EXPECT_EQ(list.substr(0, list.find("\r\n", list.find("\r\n") + 2) + 2),
                  std::string("#\tFileName\tOffset\tSize\tZSize\r\n1\ta.txt\t0\t3\t3\r\n"))
            << v.name;
        EXPECT_NE(list.find("2\td\\b.bin\t"), std::string::npos) << v.name;
        EXPECT_NE(list.find("\t5000\r\n"), std::string::npos) << v.name << ": uncompressed size last";
    }
}

// A codec Pakmole lacks fails its entries alone, by name.
TEST(NamedMethods, AnEntryInOodleFailsAndTheRestIsExtracted) {
    for (const auto& v : {VersionCase{8, true, "8a"}, VersionCase{9, false, "9"}, VersionCase{11, false, "11"}}) {
        PakBuilderEntry oodle;
        oodle.name = "oodle.bin";
        oodle.data = "pretend";
        oodle.compressed = true;
        oodle.methodSlot = 2;
        PakOnDisk pak(PakBuilder()
                          .Version(v.version, v.variant8a)
                          .MountPoint("")
                          .MethodNames({"Zlib", "Oodle"})
                          .Compressed("zlib.bin", "inflated", 1024)
                          .Add(oodle)
                          .Build());
        RecordingHost host(false);
        const JobSummary summary = RunPakJob(pak.path, host);
        ASSERT_EQ(summary.failed.size(), 1u) << v.name;
        // The pak lies in a game's Content/Paks: its folders were searched.
        EXPECT_EQ(summary.failed[0].reason.rfind("compressed with Oodle, which only the game's Oodle library decodes: "
                                                 "no Oodle library was found in ",
                                                 0),
                  0u)
            << summary.failed[0].reason;
        EXPECT_EQ(ReadWholeFile(pak.folder + "zlib.bin"), "inflated") << v.name;
        EXPECT_FALSE(FileExists(pak.folder + "oodle.bin")) << v.name;
        EXPECT_TRUE(FileExists(pak.path)) << "the archive keeps its name";
        EXPECT_EQ(host.messages,
                  std::vector<std::string>{"DONE!\r\n1 of 2 entries could not be extracted.\r\nThe archive keeps its name."});
    }
}

// Not a pak, or one of a version beyond what is read: an error, never an
// empty success; nothing written, the name kept.
TEST(NotAPak, EndsWithAnErrorAndLeavesTheFileAlone) {
    std::string newer = PakBuilder().Version(11).MountPoint("").Stored("a.txt", "a").Build();
    newer[newer.size() - 200] = 16;  // the version field after the magic
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    } const cases[] = {
        {"1000 zero bytes", std::string(1000, '\0'), "is not a pak file."},
        {"version 16", newer, "pak version 16 is not supported"},
    };
    for (const auto& c : cases) {
        for (bool list : {false, true}) {
            PakOnDisk pak(c.bytes);
            RecordingHost host(false, list);
            try {
                RunPakJob(pak.path, host);
                ADD_FAILURE() << c.what << ": no error";
            } catch (const EPakFormatError& e) {
                EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            }
            EXPECT_TRUE(FileExists(pak.path)) << c.what;
            EXPECT_FALSE(FileExists(pak.path + "_unpacked.bak")) << c.what;
            EXPECT_FALSE(FileExists(pak.path + "_filelist.txt")) << c.what;
            EXPECT_TRUE(host.messages.empty()) << c.what;
            EXPECT_TRUE(host.foldersOpened.empty()) << c.what;
        }
    }
}

// 16-bit names: with their real characters where the host's paths take
// them (UTF-8 natively and in the program; not under an ANSI code page), else narrowed; a narrowed name with a control byte
// (U+4E00 becomes a NUL) would cut the path and let one entry silently
// replace another, so it fails instead.
TEST(ExtractionJob, SixteenBitNamesNeverReplaceEachOther) {
    PakBuilderEntry first, second;
    first.wideName = u"x/a\u4e00first.txt";
    first.data = "1";
    second.wideName = u"x/a\u4e00second.txt";
    second.data = "2";
    PakOnDisk pak(PakBuilder().MountPoint("").Add(first).Add(second).Stored("x/ok.txt", "ok").Build());
    RecordingHost host;
    const JobSummary summary = RunPakJob(pak.path, host);
    EXPECT_FALSE(FileExists(Under(pak.folder, "x/a")));
    EXPECT_EQ(ReadWholeFile(Under(pak.folder, "x/ok.txt")), "ok");
    if (ToHostPathWide(u"a\u4e00").has_value()) {
        EXPECT_TRUE(summary.AllExtracted());
        EXPECT_EQ(ReadWholeFile(Under(pak.folder, "x/a\xe4\xb8\x80" "first.txt")), "1");
        EXPECT_EQ(ReadWholeFile(Under(pak.folder, "x/a\xe4\xb8\x80" "second.txt")), "2");
    } else {
        ASSERT_EQ(summary.failed.size(), 2u);
        EXPECT_EQ(summary.failed[0].reason, "The entry name holds a character that cannot be written in a file name.");
        EXPECT_FALSE(summary.renamed);
    }
}

TEST(ExtractionJob, AnEntryNeverWritesOverTheArchiveBeingRead) {
    for (const char* name : {"Game.pak", "./Game.pak"}) {
        const std::string bytes =
            PakBuilder().MountPoint("").Stored("before.txt", "b").Stored(name, "overwritten").Stored("after.txt", "a").Build();
        PakOnDisk pak(bytes);
        RecordingHost host;
        const JobSummary summary = RunPakJob(pak.path, host);
        ASSERT_EQ(summary.failed.size(), 1u) << name;
        EXPECT_EQ(summary.failed[0].reason, "The entry's output path is the archive itself.");
        EXPECT_EQ(ReadWholeFile(pak.path), bytes) << "the archive is untouched";
        EXPECT_EQ(ReadWholeFile(pak.folder + "after.txt"), "a");
    }
}

// A hostile table: many rows pointing at one small stream of huge output.
TEST(HostileBlocks, OverlappingRowsFailTheEntryWithoutInflatingThem) {
    test::TempFolder folder;
    const std::string path = folder / "overlapping-blocks.pak";
    test::WriteWholeFile(path, ReadWholeFile(test::SharedPath("hostile/overlapping-blocks.pak")));
    for (const JobWay& way : kJobWays) {
        RecordingHost host(true, false, way.inflation);
        Configure(host, way);
        const JobSummary summary = RunPakJob(path, host);
        ASSERT_EQ(summary.failed.size(), 1u);
        EXPECT_EQ(summary.failed[0].reason, "The entry's compression blocks overlap or run backwards.");
        EXPECT_EQ(summary.bytesWritten, 0u);
        EXPECT_FALSE(summary.renamed);
        EXPECT_TRUE(FileExists(path));
    }
}

TEST(HostileBlocks, OutputBeyondTheRecordedSizeOrRowsRunningBackwardsFail) {
    const std::string big = Noise(5000, 9);
    struct Case {
        const char* what;
        std::function<void(std::string&, int64_t table, int64_t record)> damage;
        std::string reason;
    } const cases[] = {
        {"a recorded size one byte short",
         [](std::string& bytes, int64_t, int64_t record) { Patch32(bytes, record + 16, 4999); },
         "The entry's data inflates past its recorded size."},
        {"the second row runs backwards",
         [](std::string& bytes, int64_t table, int64_t) { Patch32(bytes, table + 24, 0); },
         "The entry's compression blocks overlap or run backwards."},
        {"the second row starts inside the first",
         [](std::string& bytes, int64_t table, int64_t) {
             Patch32(bytes, table + 16, static_cast<int32_t>(table + 40));
         },
         "The entry's compression blocks overlap or run backwards."},
    };
    for (const auto& c : cases) {
        PakBuilder builder;
        builder.MountPoint("").Compressed("e.bin", big, 2500);
        std::string bytes = builder.Build();
        // The data header's table starts at 52: rows of start and end. The
        // index record follows the empty mount point, the count and the name.
        c.damage(bytes, 52, builder.IndexOffset() + 4 + 4 + 4 + 6);
        for (const JobWay& way : kJobWays) {
            PakOnDisk pak(bytes);
            RecordingHost host(true, false, way.inflation);
            Configure(host, way);
            const JobSummary summary = RunPakJob(pak.path, host);
            ASSERT_EQ(summary.failed.size(), 1u) << c.what;
            EXPECT_EQ(summary.failed[0].reason, c.reason) << c.what;
            EXPECT_FALSE(FileExists(pak.folder + "e.bin")) << c.what;
        }
    }
}

// Streamed entries reach their name only complete: a failure part-way
// leaves neither a partial file nor the temporary one, and an older file of
// that name as it was.
TEST(StreamedEntries, AppearWholeOrNotAtAll) {
    const std::string big = Noise(300000, 11);
    PakBuilderEntry halfBad;
    halfBad.name = "half.bin";
    halfBad.data = "ignored";
    halfBad.compressed = true;
    halfBad.rawBlocks = {test::ZlibCompress(std::string(70000, 'h')), std::string(40, '\0')};
    // One block only: on several workers, a worker writes its temporary file.
    PakBuilderEntry oneBlockTooLong;
    oneBlockTooLong.name = "one.bin";
    oneBlockTooLong.data = "short";
    oneBlockTooLong.compressed = true;
    oneBlockTooLong.rawBlocks = {test::ZlibCompress(std::string(9000, 'o'))};
    PakOnDisk pak(PakBuilder()
                      .MountPoint("")
                      .Compressed("big.bin", big, 65536)
                      .Add(halfBad)
                      .Add(oneBlockTooLong)
                      .Compressed("small.bin", "small and whole", 65536)
                      .Stored("stored.bin", big)
                      .Build());
    for (const JobWay& way : kJobWays) {
        if (!way.streams) continue;
        for (unsigned workers : {1u, 3u}) {
        test::WriteWholeFile(pak.folder + "half.bin", "older");
        test::WriteWholeFile(pak.folder + "one.bin", "older");
        test::WriteWholeFile(pak.folder + "big.bin", "older and replaced");
        RecordingHost host(true, false, way.inflation);
        host.streams = true;
        host.workers = workers;
        const JobSummary summary = RunPakJob(pak.path, host);
        ASSERT_EQ(summary.failed.size(), 2u) << workers;
        EXPECT_EQ(summary.failed[0].name, "half.bin");
        EXPECT_EQ(summary.failed[1].name, "one.bin");
        EXPECT_EQ(summary.failed[1].reason, "The entry's data inflates past its recorded size.");
        EXPECT_EQ(ReadWholeFile(pak.folder + "half.bin"), "older") << workers;
        EXPECT_EQ(ReadWholeFile(pak.folder + "one.bin"), "older") << workers;
        EXPECT_EQ(ReadWholeFile(pak.folder + "small.bin"), "small and whole") << workers;
        EXPECT_EQ(ReadWholeFile(pak.folder + "big.bin"), big) << workers;
        EXPECT_EQ(ReadWholeFile(pak.folder + "stored.bin"), big) << workers;
        EXPECT_EQ(host.progress, 5);
        for (const auto& entry : std::filesystem::directory_iterator(pak.folder))
            EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
        }
    }
}

// Workers take the pieces several at a time: entries of many blocks, of one
// block, stored ones of several chunks and damaged ones, mixed so that they
// share and straddle those hand-offs, come out as their data went in.
TEST(StreamedEntries, ManyEntriesMixedOverSeveralWorkersComeOutAsTheyWentIn) {
    PakBuilder builder;
    builder.MountPoint("");
    std::map<std::string, std::string> expected;
    std::vector<std::string> damaged;
    for (unsigned i = 0; i < 60; ++i) {
        const std::string name = "file" + std::to_string(i) + ".bin";
        if (i % 15 == 7) {
            // Two good blocks, then one that does not inflate.
            PakBuilderEntry bad;
            bad.name = name;
            bad.data = Noise(3 * 4096, i);
            bad.compressed = true;
            bad.rawBlocks = {test::ZlibCompress(bad.data.substr(0, 4096)),
                             test::ZlibCompress(bad.data.substr(4096, 4096)), std::string(64, '\x55')};
            builder.Add(bad);
            damaged.push_back(name);
            continue;
        }
        std::string data;
        if (i % 10 == 3) {
            data = Noise((1 << 20) + 5000 * i, i);  // stored in more than one chunk
            builder.Stored(name, data);
        } else if (i % 3 == 0) {
            data = Noise(100 + i, i);  // one block
            builder.Compressed(name, data, 4096);
        } else {
            data = Noise(4096 * (i % 9) + 77 * i, i);
            builder.Compressed(name, data, 4096);
        }
        expected[name] = data;
    }
    PakOnDisk pak(builder.Build());
    for (const unsigned workers : {2u, 3u, 5u}) {
        SCOPED_TRACE(std::to_string(workers) + " workers");
        for (const auto& [name, data] : expected) std::filesystem::remove(pak.folder + name);
        RecordingHost host(true, false, RecordingHost::Inflation::Libdeflate);
        host.streams = true;
        host.workers = workers;
        const JobSummary summary = RunPakJob(pak.path, host);
        ASSERT_EQ(summary.failed.size(), damaged.size());
        for (std::size_t i = 0; i < damaged.size(); ++i) {
            EXPECT_EQ(summary.failed[i].name, damaged[i]);
            EXPECT_EQ(summary.failed[i].reason, "block 3 of " + damaged[i] + " does not inflate: damaged data");
            EXPECT_FALSE(FileExists(pak.folder + damaged[i]));
        }
        for (const auto& [name, data] : expected) EXPECT_EQ(ReadWholeFile(pak.folder + name), data) << name;
        EXPECT_EQ(host.progress, 60);
        for (const auto& entry : std::filesystem::directory_iterator(pak.folder))
            EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
    }
}

// The window handles its messages while an entry of many blocks goes
// through on several workers, not only between entries.
TEST(StreamedEntries, TheHostHandlesItsMessagesWhileALargeEntryGoesThrough) {
    struct Watch : RecordingHost {
        int duringFirstEntry = 0;
        void ProcessMessages() override {
            if (progress == 0) ++duringFirstEntry;
            RecordingHost::ProcessMessages();
        }
    };
    PakOnDisk pak(PakBuilder()
                      .MountPoint("")
                      .Compressed("large.bin", Noise(40 * 4096, 3), 4096)
                      .Stored("small.txt", "small")
                      .Build());
    Watch host;
    host.streams = true;
    host.workers = 3;
    const JobSummary summary = RunPakJob(pak.path, host);
    EXPECT_TRUE(summary.AllExtracted());
    EXPECT_GE(host.duringFirstEntry, 40) << "once per block of the first entry";
    EXPECT_EQ(host.progress, 2);
}

// Blocks at the edges of the zlib format, as the user sees them: which
// entries fail with which message and what is on disk, whatever inflates.
TEST(OddBlocks, EveryInflaterLeavesTheSameFilesAndFailures) {
    const std::string text = Noise(200000, 5);
    const std::string first = text.substr(0, 65536);
    const std::string rest = test::ZlibCompress(text.substr(65536));
    struct Case {
        const char* name;
        std::string recorded;  // the entry's recorded data (its size counts)
        std::vector<std::string> blocks;
        bool fails;
        std::string reason;
    } const cases[] = {
        {"trailing.bin", "abc", {test::ZlibCompress("abc") + "trailing bytes"}, false, ""},
        {"short.bin", text, {test::ZlibCompress(first)}, false, ""},
        {"cut.bin", text, {test::ZlibCompress(first), rest.substr(0, rest.size() / 2)}, false, ""},
        {"past.bin", "abc", {test::ZlibCompress("abcd")}, true, "The entry's data inflates past its recorded size."},
        {"past-later.bin", first + "x", {test::ZlibCompress(first), test::ZlibCompress("xy")}, true,
         "The entry's data inflates past its recorded size."},
        {"corrupt.bin", text, {test::ZlibCompress(first), std::string(64, '\0')}, true,
         "block 2 of corrupt.bin does not inflate: damaged data"},
    };
    PakBuilder builder;
    builder.MountPoint("");
    for (const auto& c : cases) {
        PakBuilderEntry entry;
        entry.name = c.name;
        entry.data = c.recorded;
        entry.compressed = true;
        entry.rawBlocks = c.blocks;
        builder.Add(entry);
    }
    const std::string bytes = builder.Stored("after.txt", "after").Build();
    std::map<std::string, std::string> firstWay;
    for (const JobWay& way : kJobWays) {
        PakOnDisk pak(bytes);
        RecordingHost host(true, false, way.inflation);
        Configure(host, way);
        const JobSummary summary = RunPakJob(pak.path, host);
        std::map<std::string, std::string> seen;
        for (const FailedEntry& failure : summary.failed) seen[failure.name] = failure.reason;
        for (const auto& c : cases) {
            const std::string file = pak.folder + c.name;
            if (c.fails) {
                EXPECT_EQ(seen[c.name], c.reason) << c.name;
                EXPECT_FALSE(FileExists(file)) << c.name;
                continue;
            }
            EXPECT_EQ(seen.count(c.name), 0u) << c.name << ": " << seen[c.name];
            // The entry's data up to a point (all of it, or what a cut
            // stream could give), the same bytes every way.
            const std::string got = ReadWholeFile(file);
            EXPECT_TRUE(got.size() <= c.recorded.size() && got == c.recorded.substr(0, got.size())) << c.name;
            if (firstWay.count(c.name))
                EXPECT_TRUE(got == firstWay[c.name]) << c.name << ": not the same bytes as the first way";
            else
                firstWay[c.name] = got;
        }
        EXPECT_EQ(ReadWholeFile(pak.folder + "trailing.bin"), "abc");
        EXPECT_TRUE(ReadWholeFile(pak.folder + "short.bin") == first);
        const std::size_t cut = ReadWholeFile(pak.folder + "cut.bin").size();
        EXPECT_GT(cut, first.size());
        EXPECT_LT(cut, text.size());
        EXPECT_EQ(ReadWholeFile(pak.folder + "after.txt"), "after");
        EXPECT_EQ(summary.failed.size(), 3u);
        EXPECT_FALSE(summary.renamed);
    }
}

// An output folder of the user's is never left: the mount point keeps its
// own path under it, without what climbs or names a drive.
TEST(JobOptions, OutputRootKeepsTheMountPointsOwnPathInside) {
    struct Case {
        const char* mountPoint;
        const char* contained;  // slash-separated
    } const cases[] = {
        {"../../../MyGame/Content/", "MyGame/Content/"},
        {"G:/UE/Project/Content/", "UE/Project/Content/"},
        {"/abs/", "abs/"},
        {"../../../", ""},
        {"", ""},
        {"./a/.../../b/", "a/b/"},
        {"..\\Game\\", "Game/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mountPoint);
        std::string expected = c.contained;
        std::replace(expected.begin(), expected.end(), '/', '\\');
        EXPECT_EQ(ContainedMountPoint(c.mountPoint), expected);
        PakOnDisk pak(PakBuilder().MountPoint(c.mountPoint).Stored("x/a.uasset", "a").Build());
        test::TempFolder out;
        PakJobOptions options;
        options.outputRoot = Under(out.Path(), "");
        options.renameWhenComplete = false;
        RecordingHost host;
        ASSERT_TRUE(RunPakJob(pak.path, host, options).AllExtracted());
        EXPECT_EQ(ReadWholeFile(Under(out.Path(), std::string(c.contained) + "x/a.uasset")), "a");
    }
}

TEST(JobOptions, OutputRootAndSelectionAndNoRename) {
    PakOnDisk pak(PakBuilder().MountPoint("../../../").Stored("Game/a.txt", "a").Stored("Game/b.log", "b").Build());
    test::TempFolder out;
    PakJobOptions options;
    options.outputRoot = out.Path();
    options.select = [](const std::string& name) { return name.size() > 4 && name.substr(name.size() - 4) == ".txt"; };
    options.renameWhenComplete = false;
    RecordingHost host;
    const JobSummary summary = RunPakJob(pak.path, host, options);
    EXPECT_TRUE(summary.AllExtracted());
    EXPECT_EQ(ReadWholeFile(Under(out.Path(), "Game/a.txt")), "a");
    EXPECT_FALSE(FileExists(Under(out.Path(), "Game/b.log")));
    EXPECT_FALSE(FileExists(pak.Out("Game/a.txt"))) << "nothing next to the archive";
    EXPECT_FALSE(summary.renamed);
    EXPECT_TRUE(FileExists(pak.path));
}

}  // namespace
}  // namespace pakmole

namespace pakmole {
namespace {

// Inputs the fuzzers found: read as the fuzzer reads them, and through the
// job, each must end with nothing undefined on the way (the sanitizer build
// runs this too).
TEST(FuzzFindings, EndCleanly) {
    const std::string folder = test::SourcePath("tests/pak/fuzz-findings");
    int seen = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        ++seen;
        const std::string bytes = ReadWholeFile(file.path().string());
        fuzz::ReadWholePak(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        for (int way = 0; way < 4; ++way) {
            PakOnDisk pak(bytes);
            RecordingHost host(true, way == 1, way == 3 ? RecordingHost::Inflation::Libdeflate : RecordingHost::Inflation::Memory);
            host.streams = way >= 2;
            host.workers = way >= 2 ? 2 : 1;
            try {
                RunPakJob(pak.path, host);
            } catch (const Exception&) {
            }
        }
    }
    EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace pakmole

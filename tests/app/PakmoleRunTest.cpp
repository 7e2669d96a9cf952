// pakmole.exe started as users and scripts start it, watched from outside.
#include <gtest/gtest.h>

#include <functional>

#include "base/FileStream.h"
#include "base/FileSystem.h"
#include "tests/app/PakmoleProcess.h"
#include "tests/app/ScreenPicture.h"
#include "tests/support/OodleStandInPaks.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/RealPaks.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::PakmoleProcess;

const char* const kTitle = "Pakmole by Tarvel";
const char* const kPlaceholder = "Select pak-file (Unreal Engine 4) for Unpacking";

// A small pak with a stored and a compressed entry under "Game/".
std::string WriteSamplePak(const test::TempFolder& folder, const std::string& name = "Sample.pak") {
    const std::string path = folder / name;
    test::PakBuilder()
        .MountPoint("Game/")
        .Stored("Content/readme.txt", "stored bytes")
        .Compressed("Content/Maps/level.umap", std::string(70000, 'm') + "end", 16 * 1024)
        .WriteTo(path);
    return path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Watches a process for boxes while it works, and says whether one came up.
bool AnyBoxWhileRunning(PakmoleProcess& program, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (program.Running() && static_cast<int>(GetTickCount() - start) < timeoutMs) {
        if (program.FindWindowOfClass("TMessageForm") || program.FindWindowOfClass("#32770")) return true;
        Sleep(20);
    }
    return false;
}

// A small pak whose footer sends the index past the end of the file.
std::string WritePakWithIndexOutside(const test::TempFolder& folder) {
    const std::string path = folder / "Outside.pak";
    std::string bytes = test::PakBuilder().Stored("a.txt", "a").Build();
    const int64_t beyond = int64_t{1} << 40;
    for (int i = 0; i < 8; ++i) bytes[bytes.size() - 36 + i] = static_cast<char>((beyond >> (8 * i)) & 0xFF);
    test::WriteWholeFile(path, bytes);
    return path;
}

// The first half of a sample pak, as a download cut short leaves it.
std::string WriteTruncatedPak(const test::TempFolder& folder) {
    const std::string bytes = test::ReadWholeFile(WriteSamplePak(folder, "Whole.pak"));
    const std::string path = folder / "Truncated.pak";
    test::WriteWholeFile(path, bytes.substr(0, bytes.size() / 2));
    return path;
}

// A run the way a script starts one: its standard output and error go to
// files, nobody is there to close a box.
struct ScriptRun {
    int exitCode = -1;
    bool boxSeen = false;
    std::string output;
    std::string errors;
};

ScriptRun RunAsAScript(const std::vector<std::string>& arguments) {
    PakmoleProcess program(arguments, true);
    ScriptRun run;
    run.boxSeen = AnyBoxWhileRunning(program, 30000);
    run.exitCode = program.WaitForExit(30000);
    run.output = program.Output();
    run.errors = program.Errors();
    return run;
}

TEST(PakmoleRunTest, PakPathArgumentExtractsRenamesAndClosesSilently) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    const ScriptRun run = RunAsAScript({pak, "ignored", "further"});
    EXPECT_FALSE(run.boxSeen);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_FALSE(Exists(pak));
    EXPECT_TRUE(Exists(pak + "_unpacked.bak"));
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\readme.txt"), "stored bytes");
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\Maps\\level.umap"), std::string(70000, 'm') + "end");
}

TEST(PakmoleRunTest, FileListSwitchWritesTheListAndKeepsThePakName) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    const ScriptRun run = RunAsAScript({"-filelist", pak});
    EXPECT_FALSE(run.boxSeen);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_TRUE(Exists(pak));
    const std::string list = test::ReadWholeFile(pak + "_filelist.txt");
    EXPECT_NE(list.find("Content\\readme.txt"), std::string::npos) << list;
    EXPECT_NE(list.find("Content\\Maps\\level.umap"), std::string::npos) << list;
    EXPECT_FALSE(Exists(folder / "Game"));
}

TEST(PakmoleRunTest, FailedEntriesGiveExitCodeOneAndAreListedOnStandardError) {
    test::TempFolder folder;
    const std::string pak = folder / "Broken.pak";
    test::PakBuilderEntry bad;
    bad.name = "Content/bad.bin";
    bad.data = "never inflates";
    bad.compressed = true;
    bad.rawBlocks = {"this is not a zlib stream"};
    test::PakBuilder().MountPoint("Game/").Stored("Content/good.txt", "fine").Add(bad).WriteTo(pak);
    const ScriptRun run = RunAsAScript({pak});
    EXPECT_FALSE(run.boxSeen);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\good.txt"), "fine");
    // One line per failed entry, its name as the index lists it, then the reason.
    const std::string prefix = "pakmole: failed: Content\\bad.bin: ";
    const size_t at = run.errors.find(prefix);
    ASSERT_NE(at, std::string::npos) << run.errors;
    const size_t end = run.errors.find('\n', at);
    ASSERT_NE(end, std::string::npos) << run.errors;
    EXPECT_GT(end, at + prefix.size()) << "no reason given: " << run.errors;
    EXPECT_EQ(run.errors.find("good.txt"), std::string::npos) << run.errors;
}

// Runs that cannot do their job: each ends by itself with exit status 2,
// shows no box, and says why on standard error, in extraction and list mode.
TEST(PakmoleRunTest, JobsThatCannotBeDoneEndByThemselvesAndSayWhy) {
    struct Case {
        const char* what;
        std::string (*makePak)(const test::TempFolder&);
        const char* expected;  // in the error text; "" when the reader's own words are not fixed
    };
    const Case cases[] = {
        {"missing file", [](const test::TempFolder& f) { return f / "missing.pak"; }, "missing.pak"},
        {"index offset outside the file", WritePakWithIndexOutside, ""},
        {"truncated pak", WriteTruncatedPak, ""},
        {"refused less-than", [](const test::TempFolder&) { return std::string("C:\\a<b.pak"); },
         "pakmole: Invalid file name"},
        {"refused greater-than", [](const test::TempFolder&) { return std::string("C:\\a>b.pak"); },
         "pakmole: Invalid file name"},
        {"refused bar", [](const test::TempFolder&) { return std::string("C:\\a|b.pak"); },
         "pakmole: Invalid file name"},
        {"refused asterisk", [](const test::TempFolder&) { return std::string("C:\\a*.pak"); },
         "pakmole: Invalid file name"},
        {"refused question mark", [](const test::TempFolder&) { return std::string("C:\\a?.pak"); },
         "pakmole: Invalid file name"},
        {"refused forward slash", [](const test::TempFolder&) { return std::string("C:/a.pak"); },
         "pakmole: Invalid file name"},
        {"the placeholder text", [](const test::TempFolder&) { return std::string(kPlaceholder); },
         "pakmole: Please select file!"},
    };
    for (const Case& c : cases) {
        for (const bool listMode : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (listMode ? ", file list" : ", extraction"));
            test::TempFolder folder;
            const std::string pak = c.makePak(folder);
            const bool existed = Exists(pak);
            const ScriptRun run = RunAsAScript(listMode ? std::vector<std::string>{"-filelist", pak}
                                                        : std::vector<std::string>{pak});
            EXPECT_FALSE(run.boxSeen);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.errors.rfind("pakmole: ", 0), 0u) << run.errors;
            EXPECT_NE(run.errors.find(c.expected), std::string::npos) << run.errors;
            EXPECT_EQ(Exists(pak), existed) << "the pak was renamed";
        }
    }
}

TEST(PakmoleRunTest, SwitchesThatAreNoPakPathSayWhyOnStandardError) {
    struct Case {
        std::vector<std::string> arguments;
        const char* expected;
    };
    const Case cases[] = {
        {{"-filelist"}, "pakmole: Cannot open file \"\""},  // the empty path after a lone switch
        {{"-FILELIST", "x.pak"}, "-FILELIST"},              // not the switch: taken as the pak path
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        const ScriptRun run = RunAsAScript(c.arguments);
        EXPECT_FALSE(run.boxSeen);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.errors.find(c.expected), std::string::npos) << run.errors;
    }
}

// Every engine-made pak we have, in batch mode, with the key where it needs
// one: byte for byte, the archive renamed, nothing said.
TEST(PakmoleRunTest, EveryRealPakExtractsByteForByte) {
    std::vector<test::RealPak> paks = test::PlainRealPaks();
    for (auto& pak : test::RepakRealPaks()) paks.push_back(pak);
    for (const auto& pak : paks) {
        SCOPED_TRACE(pak.file);
        test::TempFolder root;
        ASSERT_TRUE(CreateDirectoryA((root / "a").c_str(), nullptr) && CreateDirectoryA((root / "a\\b").c_str(), nullptr) &&
                    CreateDirectoryA((root / "a\\b\\c").c_str(), nullptr));
        const std::string path = root / "a\\b\\c\\pak.pak";
        test::WriteWholeFile(path, test::ReadWholeFile(test::SharedPath("realpaks\\" + test::HostSeparators(pak.file))));
        const ScriptRun run = RunAsAScript({"--aes-key", test::kRealPakKey, path});
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_FALSE(run.boxSeen);
        EXPECT_TRUE(Exists(path + "_unpacked.bak"));
        for (const auto& [name, sha1] : pak.sha1)
            EXPECT_EQ(test::Sha1Of(test::ReadWholeFile(root / test::HostSeparators(pak.outputUnderRoot + name))), sha1)
                << name;
    }
}

// Versions 12 and 15, the one in counter mode with its key: every entry
// that is not Oodle byte for byte; the Oodle ones fail by name, and that pak
// keeps its name.
TEST(PakmoleRunTest, Ue5PaksExtractByteForByte) {
    struct Case {
        test::RealPak pak;
        int exitCode;
    };
    std::vector<Case> cases;
    for (const auto& pak : test::Ue5RealPaks()) cases.push_back({pak, 0});
    cases.push_back({test::Ue5CounterModePak(), 1});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pak.file);
        test::TempFolder root;
        ASSERT_TRUE(ForceDirectories(root / "a\\b\\c"));
        const std::string path = root / "a\\b\\c\\pak.pak";
        test::WriteWholeFile(path, test::ReadWholeFile(test::SharedPath("realpaks\\" + test::HostSeparators(c.pak.file))));
        const ScriptRun run = RunAsAScript({"--aes-key", test::kUe5PakKey, path});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors;
        EXPECT_FALSE(run.boxSeen);
        EXPECT_EQ(Exists(path + "_unpacked.bak"), c.exitCode == 0);
        for (const auto& [name, sha1] : c.pak.sha1)
            EXPECT_EQ(test::Sha1Of(test::ReadWholeFile(root / test::HostSeparators(c.pak.outputUnderRoot + name))), sha1)
                << name;
        if (c.exitCode == 1)
            for (const auto& name : test::Ue5OodleEntries()) {
                const std::string file = name.substr(name.rfind('/') + 1);
                const std::size_t line = run.errors.find(file + ": ");
                ASSERT_NE(line, std::string::npos) << name << "\n" << run.errors;
                EXPECT_NE(run.errors.substr(line, run.errors.find('\n', line) - line).find("Oodle"), std::string::npos)
                    << run.errors;
                EXPECT_FALSE(Exists(root / test::HostSeparators(c.pak.outputUnderRoot + name))) << name;
            }
    }
}

// Oodle entries through the game's library, here the tests' stand-in (not
// real Oodle data): found beside the game or given with --oodle; a library
// only of the other pointer size is named as such; with none, the entries
// fail by name, saying where a library was looked for.
TEST(PakmoleRunTest, OodleEntriesGoThroughTheGamesLibrary) {
    const std::string level = std::string(100000, 'L') + "end";
    const bool program64 = sizeof(void*) == 8;
    const std::string platform = program64 ? "Win64" : "Win32";
    // A library of the other pointer size: only its header is looked at.
    std::string otherSize(512, '\0');
    otherSize[0] = 'M', otherSize[1] = 'Z', otherSize[0x3C] = 0x40;
    otherSize.replace(0x40, 4, std::string("PE\0\0", 4));
    otherSize[0x44] = program64 ? '\x4C' : '\x64';
    otherSize[0x45] = program64 ? '\x01' : '\x86';
    const std::string otherName = program64 ? "oo2core_9_win32.dll" : "oo2core_9_win64.dll";
    struct Case {
        const char* what;
        bool standInBeside;
        bool otherSizeBeside;
        bool given;
        int exitCode;
        std::string said;
    } const cases[] = {
        {"nothing", false, false, false, 1, "no Oodle library was found in "},
        {"only the other size", false, true, false, 1,
         std::string("only a ") + (program64 ? "32" : "64") + "-bit Oodle library was found ("},
        {"the stand-in beside the game", true, true, false, 0, ""},
        {"the stand-in given", false, false, true, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder root;
        ASSERT_TRUE(ForceDirectories(root / "Game\\Content\\Paks"));
        const std::string pak = root / "Game\\Content\\Paks\\pakchunk0.pak";
        test::PakBuilder()
            .Version(15)
            .MethodNames({"Oodle"})
            .MountPoint("../../../Game/Content/")
            .Add(test::OodleStandInEntry("Maps/Level.umap", level))
            .Stored("Readme.txt", "plain")
            .WriteTo(pak);
        const std::string binaries = root / ("Game\\Binaries\\" + platform + "\\");
        ASSERT_TRUE(ForceDirectories(binaries));
        if (c.otherSizeBeside) test::WriteWholeFile(binaries + otherName, otherSize);
        if (c.standInBeside)
            test::WriteWholeFile(binaries + test::OodleStandInName(), test::ReadWholeFile(test::OodleStandInPath()));
        std::vector<std::string> arguments;
        if (c.given) arguments = {"--oodle", test::OodleStandInPath()};
        arguments.push_back(pak);
        const ScriptRun run = RunAsAScript(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors;
        EXPECT_FALSE(run.boxSeen);
        EXPECT_EQ(test::ReadWholeFile(root / "Game\\Content\\Readme.txt"), "plain");
        if (c.exitCode == 0) {
            EXPECT_EQ(test::ReadWholeFile(root / "Game\\Content\\Maps\\Level.umap"), level);
            EXPECT_TRUE(Exists(pak + "_unpacked.bak"));
        } else {
            EXPECT_NE(run.errors.find("Level.umap: compressed with Oodle"), std::string::npos) << run.errors;
            EXPECT_NE(run.errors.find(c.said), std::string::npos) << run.errors;
            EXPECT_NE(run.errors.find(binaries), std::string::npos) << run.errors;
            EXPECT_FALSE(Exists(root / "Game\\Content\\Maps\\Level.umap"));
            EXPECT_TRUE(Exists(pak));
        }
    }
}

// Through the program's own file layer: paths of any characters and length.
std::string ReadThroughProgramFiles(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

// A pak in a folder named outside any 8-bit code page, opened by a copy of the
// program in such a folder (its temporary block files go there), with 16-bit
// and Latin-1 entry names and an output path longer than MAX_PATH.
TEST(PakmoleRunTest, NamesInAnyLanguageAndPathsOfAnyLength) {
    test::TempFolder root;
    const std::string programFolder = root / "\xe3\x83\x97\xe3\x83\xad\xe3\x82\xb0\xe3\x83\xa9\xe3\x83\xa0\\";  // プログラム
    const std::string pakFolder = root / "\xe6\x97\xa5\xe6\x9c\xac\\";  // 日本
    ASSERT_TRUE(ForceDirectories(programFolder) && ForceDirectories(pakFolder));
    ASSERT_TRUE(CopyFileA(test::BuiltProgramPath().c_str(), (programFolder + "pakmole.exe").c_str(), FALSE));

    std::string deep = "Game/";
    for (int i = 0; deep.size() < 300; ++i) deep += "folder" + std::to_string(i) + "/";
    const std::string deepName = deep + "deep.bin";
    test::PakBuilderEntry japanese;
    japanese.wideName = u"Game/\u65e5\u672c\u8a9e/\u30c6\u30ad\u30b9\u30c8.txt";
    japanese.data = std::string(90000, 'j');
    japanese.compressed = true;
    const std::string pakBytes = test::PakBuilder()
                                     .MountPoint("")
                                     .Add(japanese)
                                     .Stored("Game/Caf\xe9.txt", "latin")
                                     .Compressed(deepName, std::string(70000, 'd') + "end", 16 * 1024)
                                     .Build();
    const std::string pak = pakFolder + "a.pak";
    {
        TFileStream out(pak, FileMode::Create);
        out.WriteBuffer(pakBytes.data(), pakBytes.size());
    }

    PakmoleProcess program({pak}, true, programFolder + "pakmole.exe");
    EXPECT_EQ(program.WaitForExit(60000), 0) << program.Errors();
    EXPECT_EQ(program.Errors(), "");
    EXPECT_EQ(ReadThroughProgramFiles(pakFolder + "Game\\\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\\"
                                      "\xe3\x83\x86\xe3\x82\xad\xe3\x82\xb9\xe3\x83\x88.txt"),
              std::string(90000, 'j'));
    EXPECT_EQ(ReadThroughProgramFiles(pakFolder + "Game\\Caf\xc3\xa9.txt"), "latin");
    std::string deepPath = pakFolder + deepName;
    for (char& c : deepPath)
        if (c == '/') c = '\\';
    ASSERT_GT(deepPath.size(), 300u);
    EXPECT_EQ(ReadThroughProgramFiles(deepPath), std::string(70000, 'd') + "end");
    EXPECT_TRUE(FileExists(pak + "_unpacked.bak"));
}

// What is not read is said, never a silent success: not a pak, a newer
// version, an encrypted index without its key, a wrong key.
TEST(PakmoleRunTest, PaksThatCannotBeReadSaySoAndKeepTheirName) {
    std::string newer = test::PakBuilder().Version(11).Stored("a.txt", "a").Build();
    newer[newer.size() - 200] = 16;
    // A footer of the largest known size with a version beyond it.
    std::string newest = test::ReadWholeFile(test::SharedPath("realpaks\\ue5\\v15-stored-flat-index.pak"));
    newest[newest.size() - 241] = 16;
    const std::string encrypted = test::ReadWholeFile(test::SharedPath("realpaks\\repak\\pack_v9_compress_encryptindex.pak"));
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> before;  // arguments in front of the pak
        const char* expected;
    } const cases[] = {
        {"1000 zero bytes", std::string(1000, '\0'), {}, "is not a pak file."},
        {"version 16", newer, {}, "pak version 16 is not supported"},
        {"version 16 in a version 15 footer", newest, {}, "pak version 16 is not supported"},
        {"no key", encrypted, {}, "the pak's index is encrypted; give its AES key with --aes-key"},
        {"wrong key", encrypted, {"--aes-key", "0x" + std::string(64, 'a')}, "the key does not open this pak"},
        {"not a key", encrypted, {"--aes-key", "secret"}, "AES key"},
    };
    for (const auto& c : cases) {
        for (const bool listMode : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (listMode ? ", file list" : ", extraction"));
            test::TempFolder folder;
            const std::string pak = folder / "x.pak";
            test::WriteWholeFile(pak, c.bytes);
            std::vector<std::string> arguments = c.before;
            if (listMode) arguments.push_back("-filelist");
            arguments.push_back(pak);
            const ScriptRun run = RunAsAScript(arguments);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_FALSE(run.boxSeen);
            EXPECT_NE(run.errors.find(c.expected), std::string::npos) << run.errors;
            EXPECT_TRUE(Exists(pak));
            EXPECT_FALSE(Exists(pak + "_filelist.txt"));
        }
    }
}

// A key that does not open the entries under a plain index, given to a
// script's run: refused before anything is written, the pak keeps its name.
// Where no entry can tell (stored files only), the job is done and says so.
TEST(PakmoleRunTest, AWrongKeyForTheEntriesIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* file;
        int exitCode;
        const char* expected;
    } const cases[] = {
        {"pack_v9_compress_encrypt.pak", 2, "pakmole: the key does not open this pak"},
        {"pack_v8a_encrypt.pak", 0, "pakmole: the key could not be checked"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        test::TempFolder root;
        ASSERT_TRUE(ForceDirectories(root / "a\\b\\c"));
        const std::string pak = root / "a\\b\\c\\x.pak";
        test::WriteWholeFile(pak, test::ReadWholeFile(test::SharedPath(std::string("realpaks\\repak\\") + c.file)));
        const ScriptRun run = RunAsAScript({"--aes-key", "0x" + std::string(64, 'a'), pak});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors;
        EXPECT_FALSE(run.boxSeen);
        EXPECT_NE(run.errors.find(c.expected), std::string::npos) << run.errors;
        EXPECT_EQ(Exists(pak), c.exitCode != 0) << "renamed after a refused key";
        EXPECT_EQ(Exists(root / "a\\b\\mount"), c.exitCode == 0) << "written with a refused key";
    }
}

// Two jobs at once from one program folder: neither gets in the other's way.
TEST(PakmoleRunTest, TwoJobsAtOnceBothComeOutWhole) {
    test::TempFolder first, second;
    std::string bytes[2];
    for (int i = 0; i < 2; ++i) {
        std::string data;
        for (int n = 0; n < 400000; ++n) data += static_cast<char>('a' + (n * (i + 3)) % 23);
        bytes[i] = data;
    }
    test::PakBuilder().MountPoint("").Compressed("one.bin", bytes[0], 4096).WriteTo(first / "one.pak");
    test::PakBuilder().MountPoint("").Compressed("two.bin", bytes[1], 4096).WriteTo(second / "two.pak");
    PakmoleProcess one({first / "one.pak"}, true), two({second / "two.pak"}, true);
    EXPECT_EQ(one.WaitForExit(60000), 0) << one.Errors();
    EXPECT_EQ(two.WaitForExit(60000), 0) << two.Errors();
    EXPECT_EQ(test::ReadWholeFile(first / "one.bin"), bytes[0]);
    EXPECT_EQ(test::ReadWholeFile(second / "two.bin"), bytes[1]);
}

// An entry of many blocks that fails half-way leaves nothing at its name:
// neither a partial file nor its ".part" file; an older file of that name
// stays as it was, and the entries around it are written.
TEST(PakmoleRunTest, AnEntryFailingHalfWayLeavesNoPartialFile) {
    test::TempFolder folder;
    std::string data;
    for (int n = 0; data.size() < 12u << 20; ++n) data += "row " + std::to_string(n * 7919 % 100003) + ";";
    test::PakBuilderEntry large;
    large.name = "large.bin";
    large.data = data;
    large.compressed = true;
    const std::size_t block = 64 * 1024;
    for (std::size_t at = 0; at < data.size(); at += block)
        large.rawBlocks.push_back(test::ZlibCompress(data.substr(at, block)));
    large.rawBlocks[large.rawBlocks.size() / 2] = std::string(200, '\x55');
    const std::string pak = folder / "Large.pak";
    test::PakBuilder()
        .MountPoint("")
        .Stored("before.txt", "before")
        .Add(large)
        .Compressed("after.bin", data.substr(0, 300000), 65536)
        .WriteTo(pak);
    test::WriteWholeFile(folder / "large.bin", "older");
    const ScriptRun run = RunAsAScript({pak});
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_NE(run.errors.find("pakmole: failed: large.bin: "), std::string::npos) << run.errors;
    EXPECT_EQ(test::ReadWholeFile(folder / "large.bin"), "older");
    EXPECT_EQ(test::ReadWholeFile(folder / "before.txt"), "before");
    EXPECT_TRUE(test::ReadWholeFile(folder / "after.bin") == data.substr(0, 300000));
    EXPECT_TRUE(Exists(pak)) << "not every entry was written: the pak keeps its name";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder / "*.part").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// Waits until the window's picture on the screen passes check (painting
// reaches the screen through the message queue of another process).
bool WaitForPicture(HWND window, const std::function<bool(const test::ScreenPicture&)>& check) {
    for (int i = 0; i < 150; ++i) {
        if (check(test::ScreenPicture::OfWindow(window))) return true;
        Sleep(20);
    }
    return false;
}

// A box as a person sees it on the screen: text written on the skin's dark
// face (light ink in its text area), and more than one flat colour. The text
// area is the box's static text, or everything above its OK button.
void ExpectBoxShowsItsText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) ok = PakmoleProcess::FindChild(box, "TButton", "OK");
    ASSERT_NE(ok, nullptr) << "the box has no OK button";
    auto textArea = [&](const test::ScreenPicture& picture) {
        if (text) return picture.PartOf(text);
        RECT client = picture.PartOf(box);
        client.bottom = picture.PartOf(ok, false).top;
        return client;
    };
    WaitForPicture(box, [&](const test::ScreenPicture& p) { return p.Ink(textArea(p)) > 20; });
    const test::ScreenPicture picture = test::ScreenPicture::OfWindow(box);
    const RECT area = textArea(picture);
    // The program's message forms and the platform's own boxes both wear the skin's dark face.
    EXPECT_LT(test::Brightness(picture.Face(area)), 100) << "the box is not on the skin's face";
    EXPECT_GT(picture.Ink(area), 20) << "no text to be seen";
    EXPECT_GT(picture.Ink(picture.PartOf(ok)), 10) << "the OK button shows no caption";
    EXPECT_GT(picture.DistinctColours(), 4) << "the box is nearly one flat colour";
}

// A batch job started from the desktop (a pak dropped on the program) has no
// console to tell: what goes wrong is shown in a box wearing the skin, and
// the window stays open until the user closes it; the exit code is kept.
TEST(PakmoleRunTest, AFailingJobWithoutAConsoleShowsItsBoxAndTheWindowStays) {
    struct Case {
        const char* what;
        std::vector<std::string> before;  // arguments in front of the pak
        std::string bytes;                // "" for no file at all
        const char* boxClass;             // the platform's error box, or the program's message form
        const char* expected;
        int exitCode;
    } const cases[] = {
        {"missing pak", {}, "", "#32770", "missing.pak", 2},
        {"wrong key",
         {"--aes-key", "0x" + std::string(64, 'a')},
         test::ReadWholeFile(test::SharedPath("realpaks\\repak\\pack_v9_compress_encrypt.pak")),
         "#32770",
         "the key does not open this pak",
         2},
        {"failed entry", {}, "broken", "TMessageForm", "1 of 2 entries could not be extracted.", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder root;
        ASSERT_TRUE(ForceDirectories(root / "a\\b\\c"));
        const std::string pak = root / "a\\b\\c\\missing.pak";
        if (c.bytes == "broken") {
            test::PakBuilderEntry bad;
            bad.name = "Content/bad.bin";
            bad.data = "never inflates";
            bad.compressed = true;
            bad.rawBlocks = {"this is not a zlib stream"};
            test::PakBuilder().MountPoint("Game/").Stored("Content/good.txt", "fine").Add(bad).WriteTo(pak);
        } else if (!c.bytes.empty()) {
            test::WriteWholeFile(pak, c.bytes);
        }
        std::vector<std::string> arguments = c.before;
        arguments.push_back(pak);
        PakmoleProcess program(arguments, test::Streams::FromDesktop);
        HWND box = program.WaitForWindow(c.boxClass, 60000);
        ASSERT_NE(box, nullptr) << "no box";
        EXPECT_EQ(test::WindowText(box), kTitle);
        ExpectBoxShowsItsText(box);
        const std::string text = std::string(c.boxClass) == "#32770" ? test::WindowText(GetDlgItem(box, 0xFFFF))
                                                                     : test::MessageFormText(box);
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        test::DismissWithOk(box);
        // The window stays for the user, ready for another job.
        Sleep(1500);
        ASSERT_TRUE(program.Running()) << "the window closed by itself";
        HWND main = program.MainWindow(1000);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(IsWindowVisible(main));
        EXPECT_EQ(program.FindWindowOfClass(c.boxClass), nullptr);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(10000), c.exitCode);
        if (c.exitCode == 2 && !c.bytes.empty()) {
            EXPECT_TRUE(Exists(pak));
            EXPECT_FALSE(Exists(root / "a\\b\\mount")) << "written with a refused key";
        }
    }
}

// pakmole.exe started without arguments, its window up and past the
// run-mode decision: it waits for the user.
class InteractivePakmole : public ::testing::Test {
protected:
    void SetUp() override {
        main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        Sleep(800);  // past the run-mode decision
        unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
        edit = PakmoleProcess::FindChild(main, "TsFilenameEdit");
        ASSERT_NE(unpack, nullptr);
        ASSERT_NE(edit, nullptr);
    }
    // Picks the pak through the file-name edit's button and the open dialog.
    void ChooseThroughTheOpenDialog(const std::string& pak) {
        test::ClickEditButton(edit);
        HWND dialog = program.WaitForWindow("#32770");
        ASSERT_NE(dialog, nullptr) << "no open dialog";
        Sleep(300);
        SetDlgItemTextA(dialog, 0x47c, pak.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        const DWORD start = GetTickCount();
        while (test::WindowText(edit) != pak && GetTickCount() - start < 5000) Sleep(20);
        ASSERT_EQ(test::WindowText(edit), pak);
        while (program.FindWindowOfClass("#32770") && GetTickCount() - start < 5000) Sleep(20);
    }
    // After a box: the button is ready for the next job, the window stays.
    void ExpectReadyAgain() {
        Sleep(300);
        EXPECT_EQ(test::WindowText(unpack), "Unpack");
        EXPECT_TRUE(IsWindowEnabled(unpack));
        EXPECT_TRUE(program.Running());
    }
    // The job's closing box, saying "DONE!" first (further lines may follow
    // when entries failed), after the shell's window of the result folder
    // `folderName` came up; every window of that name goes, older ones of
    // earlier runs included, so that the box is looked at with nothing in
    // front of it.
    HWND WaitForDone(const char* folderName) {
        HWND done = program.WaitForWindow("TMessageForm", 30000);
        if (!done) return nullptr;
        HWND folderWindow = nullptr;
        for (int i = 0; i < 250 && !folderWindow; ++i) {
            folderWindow = FindWindowA(nullptr, folderName);
            if (!folderWindow) Sleep(20);
        }
        EXPECT_NE(folderWindow, nullptr) << "no folder window " << folderName;
        for (int i = 0; i < 100; ++i) {
            HWND window = FindWindowA(nullptr, folderName);
            if (!window) break;
            PostMessageA(window, WM_CLOSE, 0, 0);
            Sleep(20);
        }
        EXPECT_EQ(test::MessageFormText(done).rfind("DONE!", 0), 0u);
        return done;
    }
    // Closing the window ends the program with exit status 0.
    void CloseAndExpectCleanExit() {
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(10000), 0);
    }

    PakmoleProcess program{std::vector<std::string>{}};
    HWND main = nullptr;
    HWND unpack = nullptr;
    HWND edit = nullptr;
};

TEST_F(InteractivePakmole, MainWindowShowsItsTextsOnTheScreen) {
    const auto edited = [&](const test::ScreenPicture& p) { return p.Ink(p.PartOf(edit)) > 50; };
    WaitForPicture(main, edited);
    const test::ScreenPicture picture = test::ScreenPicture::OfWindow(main);
    EXPECT_GT(picture.DistinctColours(), 8) << "the window is nearly one flat colour";
    // Silver placeholder text on the edit's dark grey, dark "Unpack" on the button.
    EXPECT_LT(test::Brightness(picture.Face(picture.PartOf(edit))), 100);
    EXPECT_GT(picture.Ink(picture.PartOf(edit)), 50) << "the edit shows no text";
    EXPECT_GT(picture.Ink(picture.PartOf(unpack)), 20) << "the button shows no caption";
    CloseAndExpectCleanExit();
}

TEST_F(InteractivePakmole, FileEditButtonShowsItsGlyph) {
    RECT client;
    GetClientRect(edit, &client);
    POINT origin{client.right - 18, 0};
    ClientToScreen(edit, &origin);
    EXPECT_GT(test::PixelsUnlikeTheFace(origin, 18, client.bottom), 40)
        << "the button at the edit's right edge shows no glyph";
    CloseAndExpectCleanExit();
}

TEST_F(InteractivePakmole, UnpackBeforeChoosingAFileAsksForOne) {
    test::ClickButton(unpack);
    HWND box = program.WaitForWindow("TMessageForm");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::WindowText(box), kTitle);
    ExpectBoxShowsItsText(box);
    EXPECT_EQ(test::MessageFormText(box), "Please select file!");
    test::DismissWithOk(box);
    Sleep(300);
    EXPECT_EQ(program.FindWindowOfClass("TMessageForm"), nullptr);
    ExpectReadyAgain();
    CloseAndExpectCleanExit();
}

TEST_F(InteractivePakmole, ChoiceThroughTheOpenDialogEndsInDone) {
    test::TempFolder folder;
    const std::string pak = WriteSamplePak(folder);
    ChooseThroughTheOpenDialog(pak);
    test::ClickButton(unpack);
    // The folder window was asked for: the shell shows the extracted "Game" folder.
    HWND done = WaitForDone("Game");
    ASSERT_NE(done, nullptr);
    ExpectBoxShowsItsText(done);
    EXPECT_TRUE(Exists(pak + "_unpacked.bak"));
    EXPECT_EQ(test::ReadWholeFile(folder / "Game\\Content\\readme.txt"), "stored bytes");
    test::DismissWithOk(done);
    ExpectReadyAgain();
    CloseAndExpectCleanExit();
}

TEST_F(InteractivePakmole, UnreadablePakShowsItsErrorInABoxAndTheWindowStays) {
    test::TempFolder folder;
    const std::string pak = WritePakWithIndexOutside(folder);
    ChooseThroughTheOpenDialog(pak);
    test::ClickButton(unpack);
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(test::WindowText(box), kTitle);
    EXPECT_NE(test::WindowText(GetDlgItem(box, 0xFFFF)), "");
    ExpectBoxShowsItsText(box);
    test::DismissWithOk(box);
    ExpectReadyAgain();
    EXPECT_TRUE(Exists(pak));
    CloseAndExpectCleanExit();
}

// An encrypted pak picked in the window: a small form asks for its key,
// shows its prompt on the screen, and with the key the job goes on.
TEST_F(InteractivePakmole, AnEncryptedPakAsksForItsKey) {
    test::TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA((folder / "Paks").c_str(), nullptr));
    const std::string pak = folder / "Paks\\Locked.pak";
    test::WriteWholeFile(pak, test::ReadWholeFile(test::SharedPath("realpaks\\repak\\pack_v7_compress_encrypt_encryptindex.pak")));
    ChooseThroughTheOpenDialog(pak);
    test::ClickButton(unpack);
    HWND form = program.WaitForWindow("TInputForm");
    ASSERT_NE(form, nullptr) << "no key was asked for";
    EXPECT_EQ(test::WindowText(form), kTitle);
    HWND value = PakmoleProcess::FindChild(form, "TEdit");
    HWND ok = PakmoleProcess::FindChild(form, "TButton", "OK");
    ASSERT_NE(value, nullptr);
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(PakmoleProcess::FindChild(form, "TButton", "Cancel"), nullptr);
    // The prompt is on the screen, above the edit.
    auto promptArea = [&](const test::ScreenPicture& p) {
        RECT area = p.PartOf(form);
        area.bottom = p.PartOf(value, false).top;
        return area;
    };
    WaitForPicture(form, [&](const test::ScreenPicture& p) { return p.Ink(promptArea(p)) > 20; });
    const test::ScreenPicture picture = test::ScreenPicture::OfWindow(form);
    EXPECT_GT(picture.Ink(promptArea(picture)), 20) << "no prompt to be seen";
    EXPECT_GT(picture.DistinctColours(), 4) << "the form is nearly one flat colour";
    SetWindowTextA(value, test::kRealPakKey);
    test::ClickButton(ok);
    HWND done = WaitForDone("root");
    ASSERT_NE(done, nullptr);
    test::DismissWithOk(done);
    EXPECT_EQ(test::Sha1Of(test::ReadWholeFile(folder / "mount\\point\\root\\test.png")),
              test::RepakRealPaks().front().sha1.at("test.png"));
    ExpectReadyAgain();
    CloseAndExpectCleanExit();
}

// A pak whose entries are encrypted under a plain index, picked in the
// window: its key is asked for; a key that does not open the entries is asked
// for again, with nothing written, and the right one finishes the job.
TEST_F(InteractivePakmole, AKeyThatDoesNotOpenTheEntriesIsAskedForAgain) {
    test::TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA((folder / "Paks").c_str(), nullptr));
    const std::string pak = folder / "Paks\\Entries.pak";
    test::WriteWholeFile(pak, test::ReadWholeFile(test::SharedPath("realpaks\\repak\\pack_v7_compress_encrypt.pak")));
    ChooseThroughTheOpenDialog(pak);
    test::ClickButton(unpack);
    auto answer = [&](HWND form, const std::string& key) {
        HWND value = PakmoleProcess::FindChild(form, "TEdit");
        HWND ok = PakmoleProcess::FindChild(form, "TButton", "OK");
        ASSERT_NE(value, nullptr);
        ASSERT_NE(ok, nullptr);
        SetWindowTextA(value, key.c_str());
        test::ClickButton(ok);
    };
    HWND first = program.WaitForWindow("TInputForm");
    ASSERT_NE(first, nullptr) << "no key was asked for";
    answer(first, "0x" + std::string(64, 'a'));
    // The same question again, in a new form once the first has gone.
    for (const DWORD start = GetTickCount(); IsWindow(first) && IsWindowVisible(first) && GetTickCount() - start < 30000;)
        Sleep(20);
    HWND second = program.WaitForWindow("TInputForm", 30000);
    ASSERT_NE(second, nullptr) << "the wrong key was not asked for again";
    EXPECT_FALSE(Exists(folder / "mount")) << "written with a wrong key";
    answer(second, test::kRealPakKey);
    HWND done = WaitForDone("root");
    ASSERT_NE(done, nullptr);
    test::DismissWithOk(done);
    EXPECT_EQ(test::Sha1Of(test::ReadWholeFile(folder / "mount\\point\\root\\test.png")),
              test::RepakRealPaks().front().sha1.at("test.png"));
    ExpectReadyAgain();
    CloseAndExpectCleanExit();
}

}  // namespace
}  // namespace pakmole

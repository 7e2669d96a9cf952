// Paks written by the engine's own packer, of every version we have, must
// come out byte for byte, with and without their AES key.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "RecordingHost.h"
#include "base/FileSystem.h"
#include "pak/PakFormatError.h"
#include "pak/PakJob.h"
#include "tests/support/RealPaks.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::HostSeparators;
using test::RealPak;
using test::Sha1Of;
const char* const kKey = test::kRealPakKey;

std::string CopyIn(const test::TempFolder& root, const std::string& file) {
    std::filesystem::create_directories(HostSeparators(root / "a/b/c"));
    const std::string path = HostSeparators(root / "a/b/c/pak.pak");
    std::filesystem::copy_file(test::SharedPath("realpaks/" + file), path);
    return path;
}

// The job on a copy of the pak, once without a key and once with a wrong
// one, is refused for want of the right key, and says which it is: the pak
// keeps its name, nothing is written (under written, the folder its entries
// would go to) and nothing is shown.
void ExpectRefusedWithoutTheRightKey(const std::string& file, const std::string& wrongKey, const std::string& written) {
    PakJobOptions wrong;
    wrong.key = ParseAesKey(wrongKey);
    struct Case {
        const char* what;
        PakJobOptions options;
        EPakKeyError::Kind kind;
    } const cases[] = {{"no key", {}, EPakKeyError::Kind::Missing}, {"wrong key", wrong, EPakKeyError::Kind::Wrong}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + file);
        test::TempFolder root;
        test::RecordingHost host(false);
        const std::string path = CopyIn(root, file);
        try {
            RunPakJob(path, host, c.options);
            ADD_FAILURE() << "no error";
        } catch (const EPakKeyError& e) {
            EXPECT_EQ(e.kind(), c.kind);
        }
        EXPECT_TRUE(FileExists(path));
        EXPECT_FALSE(DirectoryExists(HostSeparators(root / written)));
        EXPECT_TRUE(host.messages.empty());
    }
}

// Through temporary files, in memory, and streamed on one and on three
// workers, with zlib; with libdeflate in memory and streamed on three.
struct Way {
    test::RecordingHost::Inflation inflation;
    bool streams;
    unsigned workers;
};
const Way kWays[] = {{test::RecordingHost::Inflation::TempFiles, false, 1},
                     {test::RecordingHost::Inflation::Memory, false, 1},
                     {test::RecordingHost::Inflation::Memory, true, 1},
                     {test::RecordingHost::Inflation::Memory, true, 3},
                     {test::RecordingHost::Inflation::Libdeflate, false, 1},
                     {test::RecordingHost::Inflation::Libdeflate, true, 3}};

// Runs the pak's job every way, each in a root of its own; check sees the
// root, the pak's path there and what the job said.
void ExtractEveryWay(const RealPak& pak, const PakJobOptions& options,
                     const std::function<void(const test::TempFolder& root, const std::string& path,
                                              const JobSummary& summary)>& check) {
    for (const Way& way : kWays) {
        test::TempFolder root;
        test::RecordingHost host(true, false, way.inflation);
        host.streams = way.streams;
        host.workers = way.workers;
        const std::string path = CopyIn(root, pak.file);
        check(root, path, RunPakJob(path, host, options));
    }
}

void ExpectExtracted(const RealPak& pak, PakJobOptions options = {}) {
    ExtractEveryWay(pak, options, [&](const test::TempFolder& root, const std::string&, const JobSummary& summary) {
        EXPECT_TRUE(summary.AllExtracted()) << pak.file << ": " << summary.failed.front().name << ": "
                                            << summary.failed.front().reason;
        EXPECT_EQ(summary.entries, static_cast<int32_t>(pak.sha1.size())) << pak.file;
        EXPECT_TRUE(summary.renamed) << pak.file;
        for (const auto& [name, sha1] : pak.sha1)
            EXPECT_EQ(Sha1Of(test::ReadWholeFile(HostSeparators(root / (pak.outputUnderRoot + name)))), sha1)
                << pak.file << " " << name;
    });
}

TEST(RealPaks, EveryVersionExtractsByteForByte) {
    for (const auto& pak : test::PlainRealPaks()) ExpectExtracted(pak);
}

TEST(RealPaks, Ue5PaksOfVersions12And15ExtractByteForByte) {
    for (const auto& pak : test::Ue5RealPaks()) ExpectExtracted(pak);
}

// Counter mode: the index and the stored entries decrypt with their IVs;
// the Oodle entries fail one by one, by name, and the pak keeps its name.
TEST(RealPaks, Ue5CounterModePakGivesItsStoredEntriesByteForByte) {
    const RealPak pak = test::Ue5CounterModePak();
    PakJobOptions options;
    options.key = ParseAesKey(test::kUe5PakKey);
    ExtractEveryWay(pak, options, [&](const test::TempFolder& root, const std::string& path,
                                      const JobSummary& summary) {
        EXPECT_EQ(summary.entries, 11);
        for (const auto& [name, sha1] : pak.sha1)
            EXPECT_EQ(Sha1Of(test::ReadWholeFile(HostSeparators(root / (pak.outputUnderRoot + name)))), sha1) << name;
        std::vector<std::string> failed;
        for (const auto& failure : summary.failed) {
            std::string name = failure.name;
            std::replace(name.begin(), name.end(), '\\', '/');
            failed.push_back(name);
            EXPECT_NE(failure.reason.find("Oodle"), std::string::npos) << failure.reason;
        }
        EXPECT_EQ(failed, test::Ue5OodleEntries());
        EXPECT_FALSE(summary.renamed);
        EXPECT_TRUE(FileExists(path));
    });
}

TEST(RealPaks, Ue5CounterModeIndexNeedsTheRightKey) {
    // The wrong key is a real one, of other paks.
    ExpectRefusedWithoutTheRightKey(test::Ue5CounterModePak().file, kKey, "CUE4ParseFixtures");
}

TEST(RealPaks, EncryptedAndPlainRepaksExtractByteForByteWithTheKey) {
    PakJobOptions options;
    options.key = ParseAesKey(kKey);
    for (const auto& pak : test::RepakRealPaks()) ExpectExtracted(pak, options);
}

TEST(RealPaks, FileListsHaveOneRowPerFile) {
    std::vector<RealPak> paks = test::PlainRealPaks();
    for (const auto& pak : test::Ue5RealPaks()) paks.push_back(pak);
    for (const auto& pak : paks) {
        test::TempFolder root;
        test::RecordingHost host(true, true);
        const std::string path = CopyIn(root, pak.file);
        RunPakJob(path, host);
        const std::string list = test::ReadWholeFile(path + "_filelist.txt");
        std::size_t rows = 0;
        for (const auto& [name, sha1] : pak.sha1) {
            std::string listed = name;
            for (auto& c : listed)
                if (c == '/') c = '\\';
            EXPECT_NE(list.find("\t" + listed + "\t"), std::string::npos) << pak.file << " " << name;
            ++rows;
        }
        EXPECT_EQ(static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n')), rows + 1) << pak.file;
    }
}

// Without the key nothing is written and the archive keeps its name; with a
// wrong one the same, and the user is told which it is.
TEST(RealPaks, AnEncryptedIndexNeedsTheRightKey) {
    for (const char* file : {"repak/pack_v5_encryptindex.pak", "repak/pack_v9_compress_encrypt_encryptindex.pak"})
        ExpectRefusedWithoutTheRightKey(file, "0x" + std::string(64, '7'), "a/b/mount");
}

// Entries encrypted under a plain index, with a wrong but well-formed key:
// compressed ones show it in their first block, and the job is refused with
// nothing written; stored ones (no package among them) cannot show it, so
// they are written and the job says the key could not be checked.
TEST(RealPaks, AWrongKeyForEncryptedEntriesIsRefusedOrSaid) {
    PakJobOptions wrong;
    wrong.key = ParseAesKey("0x" + std::string(64, 'a'));
    struct Case {
        const char* file;
        bool refused;
    } const cases[] = {
        {"repak/pack_v5_compress_encrypt.pak", true},  {"repak/pack_v7_compress_encrypt.pak", true},
        {"repak/pack_v8a_compress_encrypt.pak", true}, {"repak/pack_v9_compress_encrypt.pak", true},
        {"repak/pack_v5_encrypt.pak", false},          {"repak/pack_v7_encrypt.pak", false},
        {"repak/pack_v8a_encrypt.pak", false},         {"repak/pack_v9_encrypt.pak", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        for (const Way& way : kWays) {
            test::TempFolder root;
            test::RecordingHost host(true, false, way.inflation);
            host.streams = way.streams;
            host.workers = way.workers;
            const std::string path = CopyIn(root, c.file);
            if (c.refused) {
                try {
                    RunPakJob(path, host, wrong);
                    ADD_FAILURE() << "the wrong key was taken";
                } catch (const EPakKeyError& e) {
                    EXPECT_EQ(e.kind(), EPakKeyError::Kind::Wrong);
                    EXPECT_STREQ(e.what(), "the key does not open this pak");
                }
                EXPECT_TRUE(FileExists(path));
                EXPECT_FALSE(DirectoryExists(HostSeparators(root / "a/b/mount"))) << "something was written";
                EXPECT_EQ(host.progress, 0);
            } else {
                const JobSummary summary = RunPakJob(path, host, wrong);
                EXPECT_TRUE(summary.keyUnchecked);
                EXPECT_EQ(host.warnings, std::vector<std::string>{"the key could not be checked"});
            }
        }
    }
}

TEST(RealPaks, TheWindowIsAskedForAKeyWhenTheIndexNeedsOne) {
    struct AskingHost : test::RecordingHost {
        std::optional<AesKey> AskForKey(const std::string&) override {
            ++asked;
            return ParseAesKey(kKey);
        }
        int asked = 0;
    } host;
    test::TempFolder root;
    const JobSummary summary = RunPakJob(CopyIn(root, "repak/pack_v7_compress_encrypt_encryptindex.pak"), host);
    EXPECT_EQ(host.asked, 1);
    EXPECT_TRUE(summary.AllExtracted());
}

TEST(RealPaks, EncryptedEntriesWithoutAKeyFailOneByOne) {
    for (const char* file : {"repak/pack_v5_encrypt.pak", "repak/pack_v8a_compress_encrypt.pak"}) {
        test::TempFolder root;
        test::RecordingHost host(false);
        const std::string path = CopyIn(root, file);
        const JobSummary summary = RunPakJob(path, host);
        ASSERT_EQ(summary.failed.size(), 4u) << file;
        for (const auto& failure : summary.failed) EXPECT_EQ(failure.reason, "the entry is encrypted; a key is needed");
        EXPECT_FALSE(summary.renamed);
        EXPECT_TRUE(FileExists(path));
        EXPECT_FALSE(FileExists(HostSeparators(root / "a/b/mount/point/root/test.txt"))) << "no ciphertext written";
    }
}

}  // namespace
}  // namespace pakmole

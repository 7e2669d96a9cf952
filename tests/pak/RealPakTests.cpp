// Paks written by the engine's own packer, of every version we have, must
// come out byte for byte, with and without their AES key.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "RecordingHost.h"
#include "base/FileSystem.h"
#include "base/Sha1.h"
#include "pak/PakFormatError.h"
#include "pak/PakJob.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

const char kKey[] = "lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94=";
const char* const kV5V7Entries[] = {"directory/nested.txt", "test.png", "test.txt", "zeros.bin"};

std::string Sha1Of(const std::string& bytes) { return Sha1Hex(Sha1(bytes.data(), bytes.size())); }

std::string Slashes(std::string path) {
    for (auto& c : path)
        if (c == '/') c = kFolderDelimiters[0];
    return path;
}

struct RealPak {
    std::string file;                          // under realpaks/
    std::string outputUnderRoot;               // where archive folder + mount point lands
    std::map<std::string, std::string> sha1;   // entry name -> SHA-1 of its bytes
};

std::map<std::string, std::string> ExpectedV5V7() {
    std::map<std::string, std::string> sha1;
    for (const char* name : kV5V7Entries)
        sha1[name] = Sha1Of(test::ReadWholeFile(test::SharedPath(std::string("realpaks/expected-v5-v7/") + name)));
    return sha1;
}

// The pak is copied to <root>/a/b/c/, so "../../../" lands in <root>/.
std::vector<RealPak> PlainPaks() {
    const auto v5v7 = ExpectedV5V7();
    return {
        {"v3-stored-textures.pak", "MyProject/Content/MyProject/Textures/",
         {{"T_Test.uasset", "e3252bd920863cc14fe2b43ba82e9af80d3f1d14"},
          {"T_Test.ubulk", "169c10d04169a0a5053c3af817e70a750e4effd6"},
          {"T_Test.uexp", "e96bff23dcd5254f78470a3fcbd3644631ee99bd"}}},
        {"v3-stored-materials.pak", "MyProject/Content/MyProject/Materials/",
         {{"M_Test.uasset", "4d6c6d8a095a4b27c9f554045e64f23649685185"},
          {"M_Test.uexp", "7ba40e92f20cea2ca11a3a15992f485a572bbcf4"}}},
        {"v4-stored-absolute-mount.pak", "a/b/c/UE/Project/MyProject/MyProject/Content/MyAsset/MyTom/",
         {{"Cube.uasset", "dbac524d55bf249d5e5486e374f47af833431d55"}}},
        {"v5-zlib.pak", "a/b/mount/point/root/", v5v7},
        {"v7-stored.pak", "a/b/mount/point/root/", v5v7},
        {"v7-zlib.pak", "a/b/mount/point/root/", v5v7},
        {"v8b-zlib.pak", "",
         {{"Astro/Content/Guy/TestPak/LargeFile.bin", "00b8486452834934362997f9841e1315e36d99c0"},
          {"Astro/Content/Guy/TestPak/TestFile.txt", "39cb15766d6f0cc553a2538fdfd2e8cb942b353e"},
          {"Astro/EmptyFile.txt", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
          {"Astro/smoll.txt", "93e297762c8d6eec32cddae5934a585f89882ef0"},
          {"metadata.json", "8fc81a38cec8de425537e6def257541cd3c32dee"}}},
        {"v11-zlib.pak", "TestForPackage/Content/TestPak/",
         {{"BP_testCube.uasset", "9f0007335dfce74bed242ebbfd15fc7c84d67a4c"},
          {"BP_testCube.uexp", "0731e8849550b0ecfa04fea0b3e744f537aed406"},
          {"TestLevel.uexp", "94de17f7dd1c3c628dbade8ac85f7a0a6a2950d7"},
          {"TestLevel.umap", "2387ceb344aff283d493f5f0cd356ef30f7a54f0"},
          {"TestLevel_BuiltData.uasset", "c9da5bddba415e3713e891cf31adb82894a30e13"},
          {"TestLevel_BuiltData.ubulk", "4fcdddedde65483331100c1a3bb4965e0cc00d65"},
          {"TestLevel_BuiltData.uexp", "37f7c96edf96a57ea1c0316692209c4b9fc6579d"}}},
    };
}

// Every combination of versions 5, 7, 8a and 9 with compression and encryption.
std::vector<std::string> RepakFiles() {
    std::vector<std::string> files;
    for (const char* version : {"v5", "v7", "v8a", "v9"})
        for (const char* compress : {"", "_compress"})
            for (const char* encrypt : {"", "_encrypt"})
                for (const char* index : {"", "_encryptindex"})
                    files.push_back(std::string("repak/pack_") + version + compress + encrypt + index + ".pak");
    return files;
}

std::string CopyIn(const test::TempFolder& root, const std::string& file) {
    std::filesystem::create_directories(Slashes(root / "a/b/c"));
    const std::string path = Slashes(root / "a/b/c/pak.pak");
    std::filesystem::copy_file(test::SharedPath("realpaks/" + file), path);
    return path;
}

// The window's way (through temporary files), in memory, and streamed on
// one and on three workers as the command line does.
struct Way {
    test::RecordingHost::Inflation inflation;
    bool streams;
    unsigned workers;
};
const Way kWays[] = {{test::RecordingHost::Inflation::TempFiles, false, 1},
                     {test::RecordingHost::Inflation::Memory, false, 1},
                     {test::RecordingHost::Inflation::Memory, true, 1},
                     {test::RecordingHost::Inflation::Memory, true, 3}};

void ExpectExtracted(const RealPak& pak, PakJobOptions options = {}) {
    for (const Way& way : kWays) {
        test::TempFolder root;
        test::RecordingHost host(true, false, way.inflation);
        host.streams = way.streams;
        host.workers = way.workers;
        const std::string path = CopyIn(root, pak.file);
        const JobSummary summary = RunPakJob(path, host, options);
        EXPECT_TRUE(summary.AllExtracted()) << pak.file << ": " << summary.failed.front().name << ": "
                                            << summary.failed.front().reason;
        EXPECT_EQ(summary.entries, static_cast<int32_t>(pak.sha1.size())) << pak.file;
        EXPECT_TRUE(summary.renamed) << pak.file;
        for (const auto& [name, sha1] : pak.sha1)
            EXPECT_EQ(Sha1Of(test::ReadWholeFile(Slashes(root / (pak.outputUnderRoot + name)))), sha1)
                << pak.file << " " << name;
    }
}

TEST(RealPaks, EveryVersionExtractsByteForByte) {
    for (const auto& pak : PlainPaks()) ExpectExtracted(pak);
}

TEST(RealPaks, EncryptedAndPlainRepaksExtractByteForByteWithTheKey) {
    PakJobOptions options;
    options.key = ParseAesKey(kKey);
    for (const auto& file : RepakFiles()) ExpectExtracted({file, "a/b/mount/point/root/", ExpectedV5V7()}, options);
}

TEST(RealPaks, FileListsHaveOneRowPerFile) {
    for (const auto& pak : PlainPaks()) {
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
    PakJobOptions wrong;
    wrong.key = ParseAesKey("0x" + std::string(64, '7'));
    struct Case {
        const char* what;
        PakJobOptions options;
        EPakKeyError::Kind kind;
    } const cases[] = {{"no key", {}, EPakKeyError::Kind::Missing}, {"wrong key", wrong, EPakKeyError::Kind::Wrong}};
    for (const auto& c : cases) {
        for (const char* file : {"repak/pack_v5_encryptindex.pak", "repak/pack_v9_compress_encrypt_encryptindex.pak"}) {
            test::TempFolder root;
            test::RecordingHost host(false);
            const std::string path = CopyIn(root, file);
            try {
                RunPakJob(path, host, c.options);
                ADD_FAILURE() << c.what << " " << file << ": no error";
            } catch (const EPakKeyError& e) {
                EXPECT_EQ(e.kind(), c.kind) << c.what << " " << file;
            }
            EXPECT_TRUE(FileExists(path)) << c.what;
            EXPECT_FALSE(DirectoryExists(Slashes(root / "a/b/mount"))) << c.what;
            EXPECT_TRUE(host.messages.empty()) << c.what;
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
        EXPECT_FALSE(FileExists(Slashes(root / "a/b/mount/point/root/test.txt"))) << "no ciphertext written";
    }
}

}  // namespace
}  // namespace pakmole

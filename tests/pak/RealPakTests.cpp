// Paks written by the engine's own packer must come out byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "RecordingHost.h"
#include "base/FileSystem.h"
#include "pak/PakJob.h"
#include "tests/support/Sha1.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

struct RealPak {
    const char* file;
    const char* outputUnderRoot;  // where archive folder + mount point lands
    std::map<std::string, std::string> sha1;
};

// The pak is copied to <root>/a/b/c/, so "../../../" lands in <root>/.
const RealPak kExact[] = {
    {"v3-stored-textures.pak", "MyProject/Content/MyProject/Textures/",
     {{"T_Test.uasset", "e3252bd920863cc14fe2b43ba82e9af80d3f1d14"},
      {"T_Test.ubulk", "169c10d04169a0a5053c3af817e70a750e4effd6"},
      {"T_Test.uexp", "e96bff23dcd5254f78470a3fcbd3644631ee99bd"}}},
    {"v3-stored-materials.pak", "MyProject/Content/MyProject/Materials/",
     {{"M_Test.uasset", "4d6c6d8a095a4b27c9f554045e64f23649685185"},
      {"M_Test.uexp", "7ba40e92f20cea2ca11a3a15992f485a572bbcf4"}}},
    {"v4-stored-absolute-mount.pak", "a/b/c/UE/Project/MyProject/MyProject/Content/MyAsset/MyTom/",
     {{"Cube.uasset", "dbac524d55bf249d5e5486e374f47af833431d55"}}},
};

const char* const kV5V7Entries[] = {"directory/nested.txt", "test.png", "test.txt", "zeros.bin"};

std::string CopyIn(const test::TempFolder& root, const std::string& file) {
    std::filesystem::create_directories(root / "a/b/c");
    const std::string path = root / ("a/b/c/" + file);
    std::filesystem::copy_file(test::SharedPath("realpaks/" + file), path);
    return path;
}

TEST(RealPaks, StoredPaksExtractByteForByte) {
    for (const auto& pak : kExact) {
        test::TempFolder root;
        test::RecordingHost host;
        const JobSummary summary = RunPakJob(CopyIn(root, pak.file), host);
        EXPECT_TRUE(summary.AllExtracted()) << pak.file;
        EXPECT_EQ(summary.entries, static_cast<int32_t>(pak.sha1.size())) << pak.file;
        for (const auto& [name, sha1] : pak.sha1)
            EXPECT_EQ(test::Sha1Hex(test::ReadWholeFile(root / (std::string(pak.outputUnderRoot) + name))), sha1)
                << pak.file << " " << name;
    }
}

TEST(RealPaks, V7StoredMatchesTheOriginalFiles) {
    test::TempFolder root;
    test::RecordingHost host;
    const JobSummary summary = RunPakJob(CopyIn(root, "v7-stored.pak"), host);
    EXPECT_TRUE(summary.AllExtracted());
    for (const char* name : kV5V7Entries)
        EXPECT_EQ(test::ReadWholeFile(root / (std::string("a/b/mount/point/root/") + name)),
                  test::ReadWholeFile(test::SharedPath(std::string("realpaks/expected-v5-v7/") + name)))
            << name;
}

// Their blocks are counted from the entry, which this reader does not know
// yet: every entry either fails or, where both readings agree, is right.
// None may be written with another entry's bytes.
TEST(RealPaks, RelativeBlockOffsetsFailEntryByEntryButNeverWriteWrongBytes) {
    for (const char* file : {"v5-zlib.pak", "v7-zlib.pak"}) {
        test::TempFolder root;
        test::RecordingHost host;
        const JobSummary summary = RunPakJob(CopyIn(root, file), host);
        EXPECT_EQ(summary.entries, 4) << file;
        EXPECT_FALSE(summary.failed.empty()) << file;
        for (const char* name : kV5V7Entries) {
            const std::string out = root / (std::string("a/b/mount/point/root/") + name);
            if (FileExists(out)) {
                EXPECT_EQ(test::ReadWholeFile(out),
                          test::ReadWholeFile(test::SharedPath(std::string("realpaks/expected-v5-v7/") + name)))
                    << file << " " << name;
            }
        }
    }
}

}  // namespace
}  // namespace pakmole

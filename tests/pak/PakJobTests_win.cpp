// How the job meets the Windows file system: sharing, the program's own
// folder for "tmp1"/"tmp2", and paths resolved by name.
#include <gtest/gtest.h>
#include <windows.h>

#include "RecordingHost.h"
#include "base/Exceptions.h"
#include "base/FileStream.h"
#include "base/FileSystem.h"
#include "pak/PakJob.h"
#include "pak/TempFileBlockInflater.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::PakBuilder;
using test::RecordingHost;

// Removes this process's temporary files before and after a test.
struct CleanTempFiles {
    std::string tmp1 = TempFileBlockInflater().CompressedPath();
    std::string tmp2 = TempFileBlockInflater().InflatedPath();
    CleanTempFiles() { Clean(); }
    ~CleanTempFiles() { Clean(); }
    void Clean() const {
        RemoveDirectoryA(tmp1.c_str());
        RemoveFile(tmp1);
        RemoveFile(tmp2);
    }
};

TEST(WindowsJob, AnotherProgramHoldingThePakOpenStopsTheJob) {
    test::TempFolder folder;
    const std::string path = folder / "Held.pak";
    PakBuilder().Stored("a.txt", "a").WriteTo(path);
    TFileStream held(path, FileMode::OpenRead);
    RecordingHost host;
    try {
        RunPakJob(path, host);
        FAIL() << "opened a pak held by another handle";
    } catch (const EFileError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("Cannot open file \"" + path + "\". ", 0), 0u) << message;
    }
}

// While the job runs, nobody else can open the pak.
class ProbingHost : public RecordingHost {
public:
    explicit ProbingHost(std::string path) : path_(std::move(path)) {}
    void ProcessMessages() override {
        HANDLE h = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            opened = true;
            CloseHandle(h);
        }
    }
    bool opened = false;

private:
    std::string path_;
};

TEST(WindowsJob, ThePakIsNotSharedWhileTheJobRuns) {
    test::TempFolder folder;
    const std::string path = folder / "Busy.pak";
    PakBuilder().MountPoint("").Stored("a.txt", "a").Stored("b.txt", "b").WriteTo(path);
    ProbingHost host(path);
    RunPakJob(path, host);
    EXPECT_FALSE(host.opened);
}

TEST(WindowsJob, TempFilesAreGoneAfterACleanJobAndTmp1StaysAfterABadBlock) {
    CleanTempFiles temp;
    test::TempFolder folder;
    const std::string good = folder / "good.pak";
    PakBuilder().MountPoint("").Compressed("c.bin", std::string(5000, 'c'), 1000).WriteTo(good);
    RecordingHost host(true, false, RecordingHost::Inflation::TempFiles);
    EXPECT_TRUE(RunPakJob(good, host).AllExtracted());
    EXPECT_FALSE(FileExists(temp.tmp1));
    EXPECT_FALSE(FileExists(temp.tmp2));

    test::PakBuilderEntry bad;
    bad.name = "bad.bin";
    bad.data = "x";
    bad.compressed = true;
    bad.rawBlocks = {std::string(20, '\0')};
    const std::string badPak = folder / "bad.pak";
    PakBuilder().MountPoint("").Add(bad).WriteTo(badPak);
    EXPECT_EQ(RunPakJob(badPak, host).failed.size(), 1u);
    EXPECT_TRUE(FileExists(temp.tmp1));
}

TEST(WindowsJob, AnUnwritableProgramFolderFailsCompressedEntriesOnly) {
    CleanTempFiles temp;
    // A folder named "tmp1" makes the file impossible to create, as a
    // read-only folder would (which an administrator could still write).
    ASSERT_TRUE(CreateDirectoryA(temp.tmp1.c_str(), nullptr));
    test::TempFolder folder;
    const std::string path = folder / "mixed.pak";
    PakBuilder()
        .MountPoint("")
        .Stored("stored.txt", "kept")
        .Compressed("packed.bin", "lost", 64)
        .Stored("stored2.txt", "kept too")
        .WriteTo(path);
    RecordingHost host(true, false, RecordingHost::Inflation::TempFiles);
    const JobSummary summary = RunPakJob(path, host);
    ASSERT_EQ(summary.failed.size(), 1u);
    EXPECT_EQ(summary.failed[0].name, "packed.bin");
    EXPECT_NE(summary.failed[0].reason.find("tmp1"), std::string::npos) << summary.failed[0].reason;
    EXPECT_EQ(test::ReadWholeFile(folder / "stored.txt"), "kept");
    EXPECT_EQ(test::ReadWholeFile(folder / "stored2.txt"), "kept too");
    EXPECT_FALSE(FileExists(folder / "packed.bin"));
}

TEST(WindowsJob, ParentSegmentsAreResolvedByTheFileSystem) {
    test::TempFolder root;
    const std::string paks = root / "G\\Content\\Paks\\";
    ASSERT_TRUE(ForceDirectories(paks));
    PakBuilder().MountPoint("../../../").Stored("G/Content/b.uasset", "b").WriteTo(paks + "a.pak");
    RecordingHost host(false);
    RunPakJob(paks + "a.pak", host);
    EXPECT_EQ(test::ReadWholeFile(root / "G\\Content\\b.uasset"), "b");
    ASSERT_EQ(host.foldersOpened.size(), 1u);
    EXPECT_EQ(host.foldersOpened[0], paks + "..\\..\\..\\");
    // A drive-relative pak path: the archive folder ends at the colon.
    EXPECT_EQ(ExtractFilePath("C:a.pak"), "C:");
    EXPECT_EQ(ExtractFilePath("C:\\G\\a.pak"), "C:\\G\\");
    EXPECT_EQ(ExtractFilePath("a.pak"), "");
}

}  // namespace
}  // namespace pakmole

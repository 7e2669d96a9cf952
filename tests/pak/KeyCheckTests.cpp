// A key must open a pak's entries before anything is written: encrypted
// paks of every version that encrypts entries, made with a key of our own.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "base/FileSystem.h"
#include "base/Sha1.h"
#include "pak/PakFormatError.h"
#include "pak/PakJob.h"
#include "tests/support/AesEncrypt.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::PakBuilder;
using test::PakBuilderEntry;
using test::ReadWholeFile;
using test::RecordingHost;

const AesKey kRight = ParseAesKey("0x" + std::string(64, '5'));
const AesKey kWrong = ParseAesKey("0x" + std::string(63, '5') + "6");

// The package file tag a .uasset or .umap starts with, little-endian.
const std::string kPackageTag = "\xC1\x83\x2A\x9E";

// ECB, entry by entry, under a plain index; in counter mode (version 15)
// every entry with an IV of its own, the index plain too.
PakBuilder Encrypting(int32_t version, bool variant8a = false, bool counterMode = false) {
    PakBuilder builder = PakBuilder().Version(version, variant8a).MountPoint("../Game/");
    if (counterMode) return builder.Encrypt(kRight.bytes, true, false, true);
    return builder.EncryptWith([](const std::string& plain) { return test::EncryptAes256Ecb(plain, kRight); });
}

PakBuilderEntry Entry(std::string name, std::string data, bool compressed) {
    PakBuilderEntry entry;
    entry.name = std::move(name);
    entry.data = std::move(data);
    entry.compressed = compressed;
    entry.blockSize = 4096;
    entry.encrypted = true;
    return entry;
}

struct Pak {
    test::TempFolder root;
    std::string folder = root.Path() + "Paks" + kFolderDelimiters[0];
    std::string path = folder + "x.pak";
    std::string output = root.Path() + "Game" + kFolderDelimiters[0];
    explicit Pak(const std::string& bytes) {
        ForceDirectories(folder);
        test::WriteWholeFile(path, bytes);
    }
};

struct Version {
    int32_t number;
    bool variant8a;
    bool counterMode = false;
    std::string Name() const {
        return std::to_string(number) + (variant8a ? "a" : "") + (counterMode ? " counter mode" : "");
    }
};
const Version kVersions[] = {{5, false},  {6, false},  {7, false},  {8, true},   {8, false},      {9, false},
                             {10, false}, {11, false}, {12, false}, {13, false}, {14, false},     {15, false},
                             {15, false, true}};

// Compressed entries (their first block must start a zlib stream) and stored
// packages (they must start with the tag): a wrong key is refused with
// nothing written and the name kept, the right one extracts.
TEST(KeyCheck, AWrongKeyIsRefusedBeforeAnythingIsWritten) {
    const std::string text(10000, 't');
    const std::string package = kPackageTag + std::string(3000, 'p');
    struct Kind {
        const char* what;
        PakBuilderEntry entry;
    } const kinds[] = {
        {"compressed", Entry("Content/a.bin", text, true)},
        {"stored package", Entry("Content/Map.umap", package, false)},
        {"stored asset", Entry("Content/A.UASSET", package, false)},
    };
    for (const Version& version : kVersions) {
        for (const Kind& kind : kinds) {
            SCOPED_TRACE(version.Name() + " " + kind.what);
            const std::string bytes = Encrypting(version.number, version.variant8a, version.counterMode)
                                          .Stored("plain.txt", "plain")
                                          .Add(kind.entry)
                                          .Build();
            {
                Pak pak(bytes);
                RecordingHost host(false);
                PakJobOptions options;
                options.key = kWrong;
                try {
                    RunPakJob(pak.path, host, options);
                    ADD_FAILURE() << "the wrong key was taken";
                } catch (const EPakKeyError& e) {
                    EXPECT_EQ(e.kind(), EPakKeyError::Kind::Wrong);
                    EXPECT_STREQ(e.what(), "the key does not open this pak");
                }
                EXPECT_FALSE(DirectoryExists(pak.output)) << "something was written";
                EXPECT_TRUE(FileExists(pak.path));
                EXPECT_FALSE(FileExists(pak.path + "_unpacked.bak"));
                EXPECT_TRUE(host.messages.empty());
            }
            Pak pak(bytes);
            RecordingHost host;
            PakJobOptions options;
            options.key = kRight;
            const JobSummary summary = RunPakJob(pak.path, host, options);
            for (const auto& failure : summary.failed) ADD_FAILURE() << failure.name << ": " << failure.reason;
            EXPECT_FALSE(summary.keyUnchecked);
            EXPECT_TRUE(host.warnings.empty());
            std::string name = kind.entry.name;
            for (char& c : name)
                if (c == '/') c = kFolderDelimiters[0];
            EXPECT_EQ(ReadWholeFile(pak.output + name), kind.entry.data);
            EXPECT_EQ(ReadWholeFile(pak.output + "plain.txt"), "plain");
        }
    }
}

// Only plain stored files are encrypted: nothing tells a wrong key, so the
// files are written and the user is told the key could not be checked.
TEST(KeyCheck, WhereNothingCanTellItIsSaid) {
    for (const Version& version : kVersions) {
        SCOPED_TRACE(version.Name());
        Pak pak(Encrypting(version.number, version.variant8a, version.counterMode)
                    .Add(Entry("a.txt", "some text", false))
                    .Build());
        RecordingHost host(false);
        PakJobOptions options;
        options.key = kWrong;
        const JobSummary summary = RunPakJob(pak.path, host, options);
        EXPECT_TRUE(summary.AllExtracted());
        EXPECT_TRUE(summary.keyUnchecked);
        EXPECT_EQ(host.warnings, std::vector<std::string>{"the key could not be checked"});
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0], "DONE!\r\nThe key could not be checked.");
    }
    // Nothing encrypted: a key given is not used, and nothing is said.
    Pak pak(PakBuilder().Version(9).Stored("a.txt", "a").Build());
    RecordingHost host;
    PakJobOptions options;
    options.key = kWrong;
    EXPECT_FALSE(RunPakJob(pak.path, host, options).keyUnchecked);
    EXPECT_TRUE(host.warnings.empty());
}

// One damaged block does not make the right key wrong: the others outvote
// it, and the damaged entry fails on its own, naming its block.
TEST(KeyCheck, ADamagedEntryDoesNotOutvoteTheOthers) {
    PakBuilderEntry damaged = Entry("c.bin", "x", true);
    damaged.rawBlocks = {std::string(32, '\x11')};
    Pak pak(Encrypting(9)
                .Add(Entry("a.bin", std::string(5000, 'a'), true))
                .Add(damaged)
                .Add(Entry("b.bin", std::string(5000, 'b'), true))
                .Build());
    RecordingHost host;
    PakJobOptions options;
    options.key = kRight;
    const JobSummary summary = RunPakJob(pak.path, host, options);
    ASSERT_EQ(summary.failed.size(), 1u);
    EXPECT_EQ(summary.failed[0].reason, "block 1 of c.bin does not inflate: damaged data or a wrong key");
    EXPECT_EQ(ReadWholeFile(pak.output + "b.bin"), std::string(5000, 'b'));
}

// The window asks again for a key that does not open the entries, until it
// gets one that does (or the user gives up).
TEST(KeyCheck, TheWindowAsksAgainUntilTheKeyOpensTheEntries) {
    struct AskingHost : RecordingHost {
        AskingHost() : RecordingHost(false) {}
        std::optional<AesKey> AskForKey(const std::string&) override {
            ++asked;
            if (asked == 1) return kWrong;
            if (asked == 2) return kRight;
            return std::nullopt;
        }
        int asked = 0;
    };
    const std::string bytes = Encrypting(7).Add(Entry("a.bin", std::string(5000, 'a'), true)).Build();
    // Started with a wrong key, or with none (the entries' encryption makes
    // the window ask): the wrong answer is asked again, the right one taken.
    for (const bool withKey : {true, false}) {
        SCOPED_TRACE(withKey);
        Pak pak(bytes);
        AskingHost host;
        PakJobOptions options;
        if (withKey) options.key = kWrong;
        EXPECT_TRUE(RunPakJob(pak.path, host, options).AllExtracted());
        EXPECT_EQ(host.asked, 2);
        EXPECT_EQ(ReadWholeFile(pak.output + "a.bin"), std::string(5000, 'a'));
    }
    // A user who gives up ends the job with the key's error, nothing written.
    struct GivingUp : RecordingHost {
        std::optional<AesKey> AskForKey(const std::string&) override { return std::nullopt; }
    } host;
    Pak pak(bytes);
    PakJobOptions options;
    options.key = kWrong;
    EXPECT_THROW(RunPakJob(pak.path, host, options), EPakKeyError);
    EXPECT_FALSE(DirectoryExists(pak.output));
}

}  // namespace
}  // namespace pakmole

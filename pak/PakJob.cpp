#include "PakJob.h"

#include <algorithm>
#include <memory>
#include <new>

#include "EntryReader.h"
#include "FileList.h"
#include "KeyCheck.h"
#include "OodleSearch.h"
#include "OutputPath.h"
#include "ParallelExtraction.h"
#include "PakDecryptor.h"
#include "PakFormatError.h"
#include "PakIndex.h"
#include "base/Exceptions.h"
#include "base/FileStream.h"
#include "base/FileSystem.h"

namespace pakmole {
namespace {

std::string Describe(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return "Not enough memory for this entry.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error.";
    }
}

bool AnyEncrypted(const PakIndex& index) {
    return std::any_of(index.entries.begin(), index.entries.end(),
                       [](const PakEntry& entry) { return entry.encrypted && !entry.deleted; });
}

// The pak opened for the job, with its index. An encrypted index that the key
// given (or none) does not open makes the job ask the host for one, until
// the host gives up (the window asks the user; a script is never asked).
// For extraction the key must also open the entries: one that does not is
// refused the same way, before anything is written; encrypted entries under
// a plain index make the window ask once (without a key they fail one by one).
struct OpenPak {
    OpenPak(const std::string& pakPath, JobHost& host, const PakJobOptions& options, bool checkEntryKey)
        : file(pakPath, FileMode::OpenReadExclusive) {
        std::optional<AesKey> key = options.key;
        bool askedForEntries = false;
        for (;;) {
            decryptor.reset();
            if (key) decryptor = std::make_unique<PakDecryptor>(*key);
            try {
                index = ReadPakIndex(file, pakPath, decryptor.get());
                if (!checkEntryKey) return;
                if (!decryptor) {
                    if (askedForEntries || !AnyEncrypted(index)) return;
                    askedForEntries = true;
                    key = host.AskForKey(pakPath);
                    if (!key) return;
                    continue;
                }
                keyCheck = CheckKey(file, index, *decryptor);
                if (keyCheck == KeyCheck::DoesNotOpen) throw EPakKeyError(EPakKeyError::Kind::Wrong);
                return;
            } catch (const EPakKeyError&) {
                std::optional<AesKey> asked = host.AskForKey(pakPath);
                if (!asked) throw;
                key = asked;
            }
        }
    }

    TFileStream file;
    std::unique_ptr<PakDecryptor> decryptor;
    PakIndex index;
    KeyCheck keyCheck = KeyCheck::NotNeeded;
};

// The entry's path under the output folder: its real characters where the
// host takes them, else the name narrowed to 8 bits.
std::string HostName(const PakEntry& entry) {
    if (entry.hasWideName)
        if (std::optional<std::string> wide = ToHostPathWide(entry.wideName)) return *wide;
    return ToHostPath(entry.name);
}

// A name that would cut the path short or that no file system takes: 16-bit
// characters above 255 narrow to such bytes (U+4E00 becomes a NUL).
std::string UnwritableName(const std::string& hostName) {
    for (const char c : hostName)
        if (static_cast<unsigned char>(c) < 0x20)
            return "The entry name holds a character that cannot be written in a file name.";
    return {};
}

class Extraction {
public:
    Extraction(OpenPak& pak, JobHost& host, std::string outputFolder)
        : outputFolder_(std::move(outputFolder)),
          streams_(host.StreamsEntries()),
          reader_(pak.file, pak.index.footer, host.Inflater(), pak.decryptor.get(), [&host] { host.ProcessMessages(); }),
          archive_(pak.file.Identity()) {}

    // The entry's output path with its folders made; raises when the entry
    // cannot be written there.
    std::string Prepare(const PakEntry& entry) {
        if (const std::string why = RefusedEntryName(entry.name); !why.empty()) throw Exception(why);
        const std::string name = HostName(entry);
        if (const std::string why = UnwritableName(name); !why.empty()) throw Exception(why);
        reader_.Check(entry);
        const std::string path = outputFolder_ + name;
        // Found by identity, so that no spelling of the path (case, links,
        // "." segments) lets an entry truncate the archive being read.
        if (IdentityOfFile(path) == archive_) throw Exception("The entry's output path is the archive itself.");
        const std::string folder = ExtractFilePath(path);
        if (!ForceDirectories(folder)) throw Exception("Cannot create the folder \"" + folder + "\".");
        return path;
    }

    void SetOodle(const OodleSource* oodle) { reader_.SetOodle(oodle); }

    // Writes one entry's file; returns its size. Raises on any failure.
    uint64_t ExtractEntry(const PakEntry& entry) {
        const std::string path = Prepare(entry);
        std::unique_ptr<EntrySink> output;
        if (streams_)
            output = std::make_unique<StreamingFileSink>(path);
        else
            output = std::make_unique<MemorySink>(path);
        reader_.Read(entry, *output);
        output->Commit();
        return static_cast<uint64_t>(output->Written());
    }

private:
    std::string outputFolder_;
    bool streams_;
    EntryReader reader_;
    FileIdentity archive_;
};

JobSummary Extract(const std::string& pakPath, JobHost& host, const PakJobOptions& options) {
    JobSummary summary;
    std::string damage;
    {
        OpenPak pak(pakPath, host, options, true);
        const PakIndex& index = pak.index;
        damage = index.damage;
        if (pak.keyCheck == KeyCheck::CouldNotCheck) {
            summary.keyUnchecked = true;
            host.Warn(kKeyNotChecked);
        }
        summary.outputFolder = options.outputRoot.empty()
                                   ? ExtractFilePath(pakPath) + ToHostPath(RelativeMountPoint(index.mountPoint))
                                   : options.outputRoot + ToHostPath(ContainedMountPoint(index.mountPoint));
        Extraction extraction(pak, host, summary.outputFolder);
        // Only a pak with Oodle entries makes the game's library be looked for.
        OodleSearch oodleSearch;
        OodleSource oodle;
        if (UsesOodle(index)) {
            oodleSearch = FindOodleLibrary(pakPath, options.oodlePath);
            oodle = {oodleSearch.library.get(), oodleSearch.unavailable};
        }
        extraction.SetOodle(&oodle);
        host.SetProgressMax(static_cast<int32_t>(index.entries.size()));
        // A patch pak's delete record removes a file; there is nothing to write.
        auto wanted = [&](const PakEntry& entry) {
            return !entry.deleted && (!options.select || options.select(entry.name));
        };
        auto finished = [&](const PakEntry& entry, bool skipped, std::exception_ptr failure, uint64_t written) {
            if (failure) {
                summary.failed.push_back({ReadableName(entry), Describe(failure)});
                host.EntryFailed(summary.failed.back());
            } else if (!skipped) {
                summary.bytesWritten += written;
                host.EntryWritten(entry.name, written);
            }
            ++summary.entries;
            host.StepProgress();
            host.ProcessMessages();
        };
        if (host.Workers() > 1 && host.StreamsEntries()) {
            ParallelEntryHooks hooks;
            hooks.prepare = [&](const PakEntry& entry) -> std::optional<std::string> {
                if (!wanted(entry)) return std::nullopt;
                return extraction.Prepare(entry);
            };
            hooks.finished = finished;
            hooks.afterPiece = [&host] { host.ProcessMessages(); };
            ExtractInParallel(pak.file, index.footer, pak.decryptor.get(), index.entries, host.Inflater(), host.Workers(),
                              hooks, &oodle);
        } else {
            for (const PakEntry& entry : index.entries) {
                if (!wanted(entry)) {
                    finished(entry, true, nullptr, 0);
                    continue;
                }
                try {
                    finished(entry, false, nullptr, extraction.ExtractEntry(entry));
                } catch (...) {
                    finished(entry, false, std::current_exception(), 0);
                }
            }
        }
    }
    // A walk cut short by a damaged index is not a finished job: the archive
    // keeps its name so it can be looked at again.
    if (!damage.empty()) throw EPakFormatError(damage);
    // The rename makes the game load the loose files instead; with a file
    // missing it would lose that file, so the archive stays as it is.
    if (options.renameWhenComplete && summary.AllExtracted())
        summary.renamed = RenameFile(pakPath, pakPath + "_unpacked.bak");
    if (!host.BatchMode()) {
        host.OpenFolderWindow(summary.outputFolder);
        host.ShowMessage(CompletionMessage(summary));
    }
    return summary;
}

JobSummary WriteFileList(const std::string& pakPath, JobHost& host, const PakJobOptions& options) {
    JobSummary summary;
    std::string damage;
    std::string list = kFileListHeader;
    {
        OpenPak pak(pakPath, host, options, false);
        damage = pak.index.damage;
        host.SetProgressMax(static_cast<int32_t>(pak.index.entries.size()));
        for (const PakEntry& entry : pak.index.entries) {
            AppendFileListRow(list, ++summary.entries, entry);
            host.StepProgress();
            host.ProcessMessages();
        }
    }
    // The rows read before a damaged record are still written.
    summary.writtenFile = pakPath + kFileListSuffix;
    TFileStream file(summary.writtenFile, FileMode::Create);
    file.WriteBuffer(list.data(), list.size());
    summary.bytesWritten = list.size();
    if (!damage.empty()) throw EPakFormatError(damage);
    return summary;
}

}  // namespace

JobSummary RunPakJob(const std::string& pakPath, JobHost& host, const PakJobOptions& options) {
    return host.ListMode() ? WriteFileList(pakPath, host, options) : Extract(pakPath, host, options);
}

std::string CompletionMessage(const JobSummary& summary) {
    std::string message = "DONE!";
    if (summary.keyUnchecked) message += "\r\nThe key could not be checked.";
    if (!summary.failed.empty()) message += "\r\n" + FailedCountMessage(summary);
    return message;
}

std::string FailedCountMessage(const JobSummary& summary) {
    return std::to_string(summary.failed.size()) + " of " + std::to_string(summary.entries) +
           " entries could not be extracted.\r\nThe archive keeps its name.";
}

}  // namespace pakmole

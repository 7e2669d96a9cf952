#include "PakJob.h"

#include <algorithm>
#include <new>

#include "FileList.h"
#include "OutputPath.h"
#include "PakFormatError.h"
#include "PakReader.h"
#include "base/Exceptions.h"
#include "base/FileStream.h"
#include "base/FileSystem.h"

namespace pakmole {
namespace {

// Deflate never inflates one byte to more than about 1032.
constexpr int64_t kMaxInflateRatio = 1032;

class Extraction {
public:
    Extraction(TFileStream& pak, JobHost& host, std::string outputFolder)
        : pak_(pak), reader_(pak), host_(host), outputFolder_(std::move(outputFolder)) {}

    PakReader& Reader() { return reader_; }

    // Writes one entry's file; returns its size. Raises on any failure.
    uint64_t ExtractEntry(const PakIndexEntry& entry) {
        if (const std::string why = RefusedEntryName(entry.name); !why.empty()) throw Exception(why);
        TMemoryStream output;
        const int32_t blockCount = reader_.ReadBlockCount(entry);
        const std::string path = outputFolder_ + ToHostPath(entry.name);
        const std::string folder = ExtractFilePath(path);
        if (!ForceDirectories(folder)) throw Exception("Cannot create the folder \"" + folder + "\".");
        if (blockCount == 0) {
            pak_.Skip(1);  // the data begins at offset + 53
            if (entry.size > 0) ReadExactly(entry.size, output.MutableBytes());
        } else {
            const auto blocks = reader_.ReadBlockTable(blockCount);
            // Blocks sit behind the table, in the entry's own data. Offsets
            // that point in front of it are not this entry's (newer paks count
            // them from the entry): inflating them would write another file's bytes.
            const int64_t dataStart = pak_.Position();
            for (const auto& block : blocks)
                if (block.end > block.start && block.start < dataStart)
                    throw Exception("The entry's compression blocks lie outside its data.");
            InflateBlocks(entry, blocks, output);
        }
        output.SaveToFile(path);
        return static_cast<uint64_t>(output.Size());
    }

private:
    // Reads count bytes at the current position, or fails with "Stream read error".
    void ReadExactly(int64_t count, std::vector<unsigned char>& into) {
        if (count > pak_.Remaining()) throw StreamReadError();
        if (count > static_cast<int64_t>(into.max_size())) throw std::bad_alloc();
        into.resize(static_cast<std::size_t>(count));
        pak_.ReadBuffer(into.data(), into.size());
    }

    void InflateBlocks(const PakIndexEntry& entry, const std::vector<PakBlock>& blocks, TMemoryStream& output) {
        // Only blocks inside the file count (bounds far outside would overflow
        // the subtraction), and overlapping ones cannot hold more than the file.
        int64_t packed = 0;
        for (const auto& block : blocks)
            if (block.start >= 0 && block.end <= pak_.Size() && block.end > block.start)
                packed = std::min(packed + (block.end - block.start), pak_.Size());
        // The inflated size is a hint only; the data decides.
        const int64_t hint = std::min(std::max(entry.size, entry.zsize), packed * kMaxInflateRatio);
        if (hint > 0 && hint < static_cast<int64_t>(output.MutableBytes().max_size() / 2))
            output.Reserve(static_cast<std::size_t>(hint));
        for (const auto& block : blocks) {
            block_.Clear();
            // A block that ends where it starts, or before, carries no data.
            if (block.end > block.start) {
                if (block.start < 0 || block.end > pak_.Size()) throw StreamReadError();
                pak_.SetPosition(block.start);
                ReadExactly(block.end - block.start, block_.MutableBytes());
            }
            host_.Inflater().InflateBlock(block_, output);
            host_.ProcessMessages();
        }
    }

    TFileStream& pak_;
    PakReader reader_;
    JobHost& host_;
    std::string outputFolder_;
    TMemoryStream block_;  // one block's compressed bytes, reused
};

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

JobSummary Extract(const std::string& pakPath, JobHost& host) {
    JobSummary summary;
    std::string damage;
    {
        TFileStream pak(pakPath, FileMode::OpenReadExclusive);
        PakReader head(pak);
        const PakIndexHead index = head.ReadIndexHead();
        summary.outputFolder = ExtractFilePath(pakPath) + ToHostPath(RelativeMountPoint(index.mountPoint));
        Extraction extraction(pak, host, summary.outputFolder);
        host.SetProgressMax(std::max(index.entryCount, 0));
        for (int32_t n = 1; n <= index.entryCount; ++n) {
            PakIndexEntry entry;
            try {
                entry = extraction.Reader().ReadNextEntry();
            } catch (const EPakFormatError& e) {
                damage = e.what();
                break;
            }
            const int64_t indexPosition = pak.Position();
            try {
                const uint64_t written = extraction.ExtractEntry(entry);
                summary.bytesWritten += written;
                host.EntryWritten(entry.name, written);
            } catch (...) {
                summary.failed.push_back({entry.name, Describe(std::current_exception())});
                host.EntryFailed(summary.failed.back());
            }
            pak.SetPosition(indexPosition);
            ++summary.entries;
            host.StepProgress();
            host.ProcessMessages();
        }
    }
    // A walk cut short by a damaged index is not a finished job: the archive
    // keeps its name so it can be looked at again.
    if (!damage.empty()) throw EPakFormatError(damage);
    summary.renamed = RenameFile(pakPath, pakPath + "_unpacked.bak");
    if (!host.BatchMode()) {
        host.OpenFolderWindow(summary.outputFolder);
        host.ShowMessage(CompletionMessage(summary));
    }
    return summary;
}

JobSummary WriteFileList(const std::string& pakPath, JobHost& host) {
    JobSummary summary;
    std::string damage;
    std::string list = kFileListHeader;
    {
        TFileStream pak(pakPath, FileMode::OpenReadExclusive);
        PakReader reader(pak);
        const PakIndexHead index = reader.ReadIndexHead();
        host.SetProgressMax(std::max(index.entryCount, 0));
        for (int32_t n = 1; n <= index.entryCount; ++n) {
            try {
                AppendFileListRow(list, n, reader.ReadNextEntry());
            } catch (const EPakFormatError& e) {
                damage = e.what();
                break;
            }
            ++summary.entries;
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

JobSummary RunPakJob(const std::string& pakPath, JobHost& host) {
    return host.ListMode() ? WriteFileList(pakPath, host) : Extract(pakPath, host);
}

std::string CompletionMessage(const JobSummary& summary) {
    std::string message = "DONE!";
    if (!summary.failed.empty())
        message += "\r\n" + std::to_string(summary.failed.size()) + " of " + std::to_string(summary.entries) +
                   " entries could not be extracted.";
    return message;
}

}  // namespace pakmole

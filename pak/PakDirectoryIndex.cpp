#include "PakDirectoryIndex.h"

#include <string>

namespace pakmole {
namespace {

constexpr uint32_t kFlatMagic = 0x50464451;  // "QDFP"

// The root is "/" and contributes nothing; the others are relative.
void DropLeadingSlash(PakString& folder) {
    if (!folder.narrow.empty() && folder.narrow.front() == '/') {
        folder.narrow.erase(0, 1);
        if (folder.isWide) folder.wide.erase(0, 1);
    }
}

DirectoryIndex ReadNested(ByteCursor& in, int32_t version) {
    // From version 12 on names are UTF-8, and file names have no terminator.
    auto name = [&] { return version >= 12 ? ReadPakUtf8String(in) : ReadPakString(in, false); };
    DirectoryIndex index;
    // A directory takes at least its name and its file count, a file its
    // name and location: counts beyond that cannot be real.
    const uint32_t dirCount = in.U32();
    if (dirCount > in.Remaining() / 8) in.Damaged("its directory count cannot fit in it");
    for (uint32_t d = 0; d < dirCount; ++d) {
        PakString folder = name();
        DropLeadingSlash(folder);
        const uint32_t fileCount = in.U32();
        if (fileCount > in.Remaining() / 8) in.Damaged("a file count cannot fit in it");
        for (uint32_t f = 0; f < fileCount; ++f) {
            const PakString file = name();
            const int32_t location = in.I32();
            index.files.push_back({Joined(folder, file), location});
        }
    }
    return index;
}

// A table of count 32-bit numbers at the cursor, each checked to fit.
std::vector<int32_t> Table(ByteCursor& in, int64_t count, const char* what) {
    in.Need(4 * static_cast<uint64_t>(count), what);
    std::vector<int32_t> table(static_cast<std::size_t>(count));
    for (auto& value : table) value = in.I32();
    return table;
}

// Offsets into a blob: rising from 0 and ending at its size.
void CheckOffsets(const ByteCursor& in, const std::vector<int32_t>& offsets, int32_t blobSize, const char* what) {
    if (offsets.front() != 0) in.Damaged(std::string(what) + " do not start at 0");
    for (std::size_t i = 1; i < offsets.size(); ++i)
        if (offsets[i] < offsets[i - 1]) in.Damaged(std::string(what) + " do not rise");
    if (offsets.back() != blobSize) in.Damaged(std::string(what) + " do not end at their blob's size");
}

DirectoryIndex ReadFlat(ByteCursor& in) {
    in.Skip(4);  // the magic
    const int32_t dirCount = in.I32();
    const int32_t fileCount = in.I32();
    const int32_t interval = in.I32();
    const int32_t dirBlobSize = in.I32();
    const int32_t fileBlobSize = in.I32();
    const int32_t hashCount = in.I32();
    in.Skip(4);  // padding
    if (dirCount < 0 || fileCount < 0 || dirBlobSize < 0 || fileBlobSize < 0 || hashCount < 0)
        in.Damaged("a count is negative");
    if (interval <= 0) in.Damaged("its restart interval is not positive");
    // The path hashes repeat the path-hash index; a lister skips them.
    in.Need(12 * static_cast<uint64_t>(hashCount), "the hash table");
    in.Skip(12 * static_cast<std::size_t>(hashCount));
    const int64_t anchorCount = (static_cast<int64_t>(dirCount) + interval - 1) / interval + 1;
    const std::vector<int32_t> anchors = Table(in, anchorCount, "the anchor offsets");
    const std::vector<int32_t> firsts = Table(in, static_cast<int64_t>(dirCount) + 1, "the first-file table");
    const std::vector<int32_t> nameOffsets = Table(in, static_cast<int64_t>(fileCount) + 1, "the file-name offsets");
    const std::vector<int32_t> locations = Table(in, fileCount, "the file locations");
    in.Need(static_cast<uint64_t>(dirBlobSize) + static_cast<uint64_t>(fileBlobSize), "the name blobs");
    const unsigned char* dirBlob = in.Data() + in.Position();
    const unsigned char* fileBlob = dirBlob + dirBlobSize;
    CheckOffsets(in, anchors, dirBlobSize, "the anchor offsets");
    CheckOffsets(in, nameOffsets, fileBlobSize, "the file-name offsets");
    if (firsts.front() != 0 || firsts.back() != fileCount) in.Damaged("the first-file table does not span the files");
    for (std::size_t d = 1; d < firsts.size(); ++d)
        if (firsts[d] < firsts[d - 1]) in.Damaged("the first-file table does not rise");

    DirectoryIndex index;
    index.flat = true;
    ByteCursor names(dirBlob, static_cast<std::size_t>(dirBlobSize), "the directory names");
    std::string previous;
    for (int32_t d = 0; d < dirCount; ++d) {
        // Every interval-th name starts afresh, where its anchor says.
        const bool anchor = d % interval == 0;
        if (anchor && names.Position() != static_cast<std::size_t>(anchors[static_cast<std::size_t>(d / interval)]))
            names.Damaged("a directory name is not where its anchor says");
        const int32_t shared = names.I32();
        const int32_t suffix = names.I32();
        if (shared < 0 || suffix < 0 || static_cast<std::size_t>(shared) > previous.size() || (anchor && shared != 0))
            names.Damaged("a directory name shares more than the name before it has");
        names.Need(static_cast<uint64_t>(suffix), "a directory name");
        std::string name = previous.substr(0, static_cast<std::size_t>(shared));
        name.append(reinterpret_cast<const char*>(names.Data() + names.Position()), static_cast<std::size_t>(suffix));
        names.Skip(static_cast<std::size_t>(suffix));
        previous = name;
        PakString folder = PakStringFromUtf8(std::move(name));
        DropLeadingSlash(folder);
        for (int32_t f = firsts[static_cast<std::size_t>(d)]; f < firsts[static_cast<std::size_t>(d) + 1]; ++f) {
            const auto at = static_cast<std::size_t>(f);
            std::string file(reinterpret_cast<const char*>(fileBlob + nameOffsets[at]),
                             static_cast<std::size_t>(nameOffsets[at + 1] - nameOffsets[at]));
            index.files.push_back({Joined(folder, PakStringFromUtf8(std::move(file))), locations[at]});
        }
    }
    if (names.Remaining() != 0) names.Damaged("bytes follow the last directory name");
    return index;
}

}  // namespace

DirectoryIndex ReadDirectoryIndex(ByteCursor& in, int32_t version) {
    if (version >= 13 && in.Remaining() >= 4) {
        const std::size_t start = in.Position();
        const uint32_t magic = in.U32();
        in.Seek(start);
        if (magic == kFlatMagic) return ReadFlat(in);
    }
    return ReadNested(in, version);
}

}  // namespace pakmole

#include "EntryReader.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <typeinfo>

#include "OodleLibrary.h"
#include "PakCompression.h"
#include "PakDecryptor.h"
#include "base/Exceptions.h"

namespace pakmole {
namespace {

// Deflate never inflates one byte to more than about 1032.
constexpr int64_t kMaxInflateRatio = 1032;
// The oldest layout: the block count sits behind the fixed part of the data
// header, stored data one byte further.
constexpr int64_t kOldHeaderFixed = 48;
// Stored data goes through in pieces of this size (a multiple of 16, for
// encrypted data).
constexpr int64_t kStoredChunk = 1 << 20;

// The inflaters say no more than zlib's "Error" for data it refuses; the
// entry knows which block of which file that was.
bool RefusedByZlib(const Exception& e) { return typeid(e) == typeid(Exception) && std::string_view(e.what()) == "Error"; }

Exception DoesNotInflate(const EntryPlan& plan, const DataPiece& piece) {
    return Exception("block " + std::to_string(piece.number) + " of " + plan.name + " does not inflate: damaged data" +
                     (plan.encrypted ? " or a wrong key" : ""));
}

Exception BlocksOutsideData() { return Exception("The entry's compression blocks lie outside its data."); }

}  // namespace

EntryData LocateEntryData(TStream& pak, const PakFooter& footer, const PakEntry& entry) {
    EntryData data;
    if (footer.version == 3 || footer.version == 4) {
        if (entry.offset < 0 || entry.offset > pak.Size() - kOldHeaderFixed - 4)
            throw Exception("The entry's data lies outside the file.");
        pak.SetPosition(entry.offset + kOldHeaderFixed);
        const int32_t count = pak.ReadInt32();
        if (count == 0) {
            data.dataStart = entry.offset + kOldHeaderFixed + 5;
            return data;
        }
        data.stored = false;
        if (count > 0) {
            if (static_cast<int64_t>(count) * 16 > pak.Remaining())
                throw Exception("The entry's block table runs past the end of the file.");
            data.blocks.resize(static_cast<std::size_t>(count));
            for (auto& block : data.blocks) {
                block.start = pak.ReadInt64();
                block.end = pak.ReadInt64();
            }
        }
        data.dataStart = pak.Position();
        return data;
    }
    if (entry.offset < 0 || entry.headerSize > pak.Size() || entry.offset > pak.Size() - entry.headerSize)
        throw Exception("The entry's data lies outside the file.");
    data.dataStart = entry.offset + entry.headerSize;
    data.stored = entry.method == 0;
    if (footer.version < 3 && !data.stored)
        throw Exception("The entry is compressed, which paks of version " + std::to_string(footer.version) +
                        " cannot describe.");
    for (const auto& block : entry.blocks) {
        // Counted from the entry; bounds beyond the file fail when read.
        if (block.start > INT64_MAX - entry.offset || block.end > INT64_MAX - entry.offset) throw BlocksOutsideData();
        data.blocks.push_back({entry.offset + block.start, entry.offset + block.end});
    }
    return data;
}

void RequireKeyFor(const PakEntry& entry, bool haveKey) {
    if (entry.encrypted && !haveKey) throw Exception("the entry is encrypted; a key is needed");
}

void EntryReader::Check(const PakEntry& entry) const { RequireKeyFor(entry, key_ != nullptr); }

EntryPlan PlanEntry(TStream& pak, const PakFooter& footer, const PakEntry& entry, bool haveKey,
                    const OodleSource* oodle) {
    RequireKeyFor(entry, haveKey);
    const EntryData data = LocateEntryData(pak, footer, entry);
    EntryPlan plan;
    plan.encrypted = entry.encrypted;
    plan.name = ReadableName(entry);
    plan.encryption = footer.encryption;
    plan.iv = entry.iv;
    plan.dataStart = data.dataStart;
    if (entry.encrypted) {
        if (footer.encryption != PakEncryption::AesEcb && footer.encryption != PakEncryption::AesCtr)
            throw Exception("The entry is encrypted with method " + std::to_string(static_cast<int>(footer.encryption)) +
                            ", which Pakmole does not know.");
        if (footer.encryption == PakEncryption::AesCtr && !entry.hasIv)
            throw Exception("The entry is encrypted in counter mode but carries no IV.");
    }
    if (data.stored) {
        plan.expectedSize = plan.limit = std::max<int64_t>(entry.size, 0);
        const int64_t stored = StoredLength(entry, plan.limit);
        if (data.dataStart > pak.Size() || stored > pak.Size() - data.dataStart) throw StreamReadError();
        for (int64_t done = 0; done < stored; done += kStoredChunk) {
            const int64_t piece = std::min(stored - done, kStoredChunk);
            plan.pieces.push_back({0, data.dataStart + done, std::min(piece, plan.limit - done), piece});
        }
        return plan;
    }
    const CompressionMethod method = MethodOf(footer, entry);
    const bool isOodle = IsOodle(method);
    if (isOodle && oodle && oodle->library) {
        plan.oodle = oodle->library;
    } else if (!method.format) {
        if (isOodle && oodle && !oodle->unavailable.empty())
            throw Exception("compressed with " + method.name + ", which only the game's Oodle library decodes: " +
                            oodle->unavailable);
        throw Exception(CannotInflate(method));
    }
    plan.format = method.format;
    plan.limit = entry.uncompressedSize;
    // Blocks follow one another behind the header. One that points in front
    // of the data belongs to another entry (or is counted from somewhere
    // else); rows that overlap or run backwards are damage, and would let a
    // small file inflate one stream many times.
    int64_t floor = data.dataStart;
    int64_t packed = 0;
    for (const auto& block : data.blocks) {
        if (block.end < block.start) throw Exception("The entry's compression blocks overlap or run backwards.");
        // A block that ends where it starts carries no data.
        const auto number = static_cast<int32_t>(plan.pieces.size() + 1);
        if (block.end == block.start) {
            plan.pieces.push_back({number, block.start, 0, 0});
            continue;
        }
        // Both bounds inside the file before anything is computed from them.
        if (block.start < data.dataStart) throw BlocksOutsideData();
        if (block.end > pak.Size()) throw StreamReadError();
        const int64_t length = block.end - block.start;
        const int64_t readLength = StoredLength(entry, length);
        if (block.start < floor) throw Exception("The entry's compression blocks overlap or run backwards.");
        if (readLength > pak.Size() - block.start) throw StreamReadError();
        floor = block.start + readLength;
        packed += length;
        plan.pieces.push_back({number, block.start, length, readLength, 0});
    }
    // Oodle needs each block's exact size: all but the last one decode to the
    // block size, the last one to what is left.
    if (plan.oodle) {
        const int64_t blockSize = entry.blockSize > 0 ? entry.blockSize : entry.uncompressedSize;
        int64_t left = entry.uncompressedSize;
        for (auto& piece : plan.pieces) {
            piece.rawLength = std::min(left, blockSize);
            if (piece.length > 0 && piece.rawLength <= 0) throw Exception("The entry's blocks do not match its size.");
            left -= piece.rawLength;
        }
        if (left != 0) throw Exception("The entry's blocks do not match its size.");
    }
    // The recorded size is a hint for the buffer only; the data decides.
    plan.expectedSize = std::min(entry.uncompressedSize, packed * kMaxInflateRatio);
    return plan;
}

void ReadPieceOnto(TStream& pak, const DataPiece& piece, ByteBuffer& onto) {
    const std::size_t start = onto.size();
    if (static_cast<uint64_t>(piece.readLength) > onto.max_size() - start) throw std::bad_alloc();
    if (piece.readLength == 0) return;
    onto.resize(start + static_cast<std::size_t>(piece.readLength));
    try {
        pak.SetPosition(piece.at);
        pak.ReadBuffer(onto.data() + start, static_cast<std::size_t>(piece.readLength));
    } catch (...) {
        onto.resize(start);
        throw;
    }
}

void ReadPiece(TStream& pak, const DataPiece& piece, ByteBuffer& into) {
    into.clear();
    ReadPieceOnto(pak, piece, into);
}

void FinishPiece(const EntryPlan& plan, const DataPiece& piece, TMemoryStream& bytes, const PakDecryptor* key,
                 BlockInflater& inflater, int64_t room, TMemoryStream& output) {
    auto& raw = bytes.MutableBytes();
    // Pieces start on whole blocks of the entry's data (padded and spaced by 16).
    if (plan.encrypted && !raw.empty())
        key->Decrypt(plan.encryption, plan.iv, static_cast<uint64_t>(piece.at - plan.dataStart) / 16, raw.data(),
                     raw.size());
    raw.resize(static_cast<std::size_t>(piece.length));
    if (plan.oodle) {
        if (piece.rawLength > room) throw InflatesPastRecordedSize();
        auto& out = output.MutableBytes();
        if (!raw.empty()) plan.oodle->Decompress(raw.data(), raw.size(), static_cast<std::size_t>(piece.rawLength), out);
        output.SetPosition(static_cast<int64_t>(out.size()));
    } else if (plan.format) {
        try {
            inflater.InflateBlock(bytes, output, *plan.format, room);
        } catch (const Exception& e) {
            if (RefusedByZlib(e)) throw DoesNotInflate(plan, piece);
            throw;
        }
    } else {
        output.WriteBuffer(raw.data(), raw.size());
    }
}

void EntryReader::Read(const PakEntry& entry, EntrySink& output) {
    const EntryPlan plan = PlanEntry(pak_, footer_, entry, key_ != nullptr, oodle_);
    output.Expect(plan.expectedSize);
    for (const DataPiece& piece : plan.pieces) {
        ReadPiece(pak_, piece, piece_.MutableBytes());
        finished_.Clear();
        FinishPiece(plan, piece, piece_, key_, inflater_, plan.limit - output.Written(), finished_);
        output.Write(finished_.Memory(), static_cast<std::size_t>(finished_.Size()));
        if ((plan.format || plan.oodle) && afterBlock_) afterBlock_();
    }
}

}  // namespace pakmole

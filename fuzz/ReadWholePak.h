#pragma once
// What the pak fuzzer does with one input, shared with the regression test
// of its findings: footer, index (plain and, with a fixed key, decrypted),
// the file-list rows, and every entry's data read and inflated within its
// recorded size, whatever its name.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "base/MemoryStream.h"
#include "pak/EntryReader.h"
#include "pak/FileList.h"
#include "pak/LibdeflateBlockInflater.h"
#include "pak/PakDecryptor.h"
#include "pak/PakIndex.h"

namespace pakmole::fuzz {

// Counts what would be written, keeps nothing.
class CountingSink : public EntrySink {
public:
    void Write(const unsigned char*, std::size_t size) override { written_ += static_cast<int64_t>(size); }
    int64_t Written() const override { return written_; }
    void Commit() override {}

private:
    int64_t written_ = 0;
};

inline void ReadWholePak(const uint8_t* data, std::size_t size) {
    static const PakDecryptor key(ParseAesKey("lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94="));
    TMemoryStream pak(std::vector<unsigned char>(data, data + size));
    for (const PakDecryptor* withKey : {static_cast<const PakDecryptor*>(nullptr), &key}) {
        try {
            const PakIndex index = ReadPakIndex(pak, "fuzz.pak", withKey);
            std::string list = kFileListHeader;
            int32_t n = 0;
            for (const PakEntry& entry : index.entries) AppendFileListRow(list, ++n, entry);
            LibdeflateBlockInflater inflater;
            EntryReader reader(pak, index.footer, inflater, withKey, nullptr);
            for (const PakEntry& entry : index.entries) {
                try {
                    CountingSink sink;
                    reader.Read(entry, sink);
                } catch (const std::exception&) {
                }
            }
        } catch (const std::exception&) {
        }
    }
}

}  // namespace pakmole::fuzz

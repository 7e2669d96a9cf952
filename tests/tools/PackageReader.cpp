#include "tests/tools/PackageReader.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace pakmole::test {

namespace {
int32_t Int32At(const std::string& data, size_t& pos) {
    if (data.size() - pos < 4) throw std::runtime_error("package ends inside a number");
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t{static_cast<unsigned char>(data[pos + i])} << (8 * i);
    pos += 4;
    return static_cast<int32_t>(v);
}
}  // namespace

std::vector<PackedFile> UnpackPackage(const std::string& data) {
    if (data.size() < 8 || data.compare(0, 4, "VLzf") != 0) throw std::runtime_error("not a skin package");
    size_t pos = 4;
    const int32_t count = Int32At(data, pos);
    if (count < 0 || count > 64) throw std::runtime_error("implausible file count");
    std::vector<PackedFile> files;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t nameLength = Int32At(data, pos);
        if (nameLength < 0 || static_cast<size_t>(nameLength) > data.size() - pos)
            throw std::runtime_error("name runs past the end");
        PackedFile file{data.substr(pos, static_cast<size_t>(nameLength)), {}};
        pos += static_cast<size_t>(nameLength);
        const int32_t size = Int32At(data, pos);
        if (size < 0 || size > (64 << 20)) throw std::runtime_error("implausible file size");
        file.bytes.resize(static_cast<size_t>(size));
        z_stream z{};
        if (inflateInit(&z) != Z_OK) throw std::runtime_error("inflateInit failed");
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + pos));
        z.avail_in = static_cast<uInt>(data.size() - pos);
        z.next_out = reinterpret_cast<Bytef*>(file.bytes.data());
        z.avail_out = static_cast<uInt>(file.bytes.size());
        const int rc = inflate(&z, Z_FINISH);
        const size_t consumed = (data.size() - pos) - z.avail_in;
        const size_t produced = file.bytes.size() - z.avail_out;
        inflateEnd(&z);
        if (rc != Z_STREAM_END)
            throw std::runtime_error("zlib stream of " + file.name + " does not end where its size says");
        if (produced != file.bytes.size())
            throw std::runtime_error("size of " + file.name + " disagrees with its data");
        pos += consumed;
        files.push_back(std::move(file));
    }
    if (pos != data.size()) throw std::runtime_error("bytes after the last entry");
    return files;
}

}  // namespace pakmole::test

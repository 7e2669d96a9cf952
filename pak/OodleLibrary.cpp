#include "OodleLibrary.h"

#include <cstring>

#include "base/DynamicLibrary.h"
#include "base/Exceptions.h"
#include "base/FileStream.h"

namespace pakmole {
namespace {

// The library's calling convention: stdcall on 32-bit Windows, the
// platform's only one elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define PAKMOLE_OODLE_CALL __attribute__((stdcall))
#else
#define PAKMOLE_OODLE_CALL
#endif

// OodleLZ_Decompress(compressed, its size, raw buffer, raw size, fuzz safe,
// check CRC, verbosity, decoder window base, its size, callback, callback
// data, decoder memory, its size, thread phase): the bytes decoded, 0 on
// failure.
using DecompressFunction = intptr_t(PAKMOLE_OODLE_CALL*)(const void*, intptr_t, void*, intptr_t, int, int, int,
                                                          void*, intptr_t, void*, void*, void*, intptr_t, int);
constexpr int kFuzzSafe = 1;   // never reads or writes outside the buffers, whatever the block holds
constexpr int kNoCrcCheck = 0;
constexpr int kSilent = 0;
constexpr int kAllPhases = 3;  // decode on this thread alone

uint32_t Little(const unsigned char* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

int LibraryBits(const std::string& path) {
    try {
        TFileStream file(path, FileMode::OpenRead);
        unsigned char head[64] = {};
        if (file.Read(head, sizeof head) < sizeof head) return 0;
        // ELF: the class byte says 32 or 64 bits.
        if (std::memcmp(head, "\x7F" "ELF", 4) == 0) return head[4] == 1 ? 32 : head[4] == 2 ? 64 : 0;
        // PE: MZ, then the PE header where the MZ header says, and its machine.
        if (head[0] != 'M' || head[1] != 'Z') return 0;
        const int64_t pe = Little(head + 0x3C, 4);
        unsigned char header[6] = {};
        if (pe > file.Size() - 6) return 0;
        file.SetPosition(pe);
        file.ReadBuffer(header, sizeof header);
        if (std::memcmp(header, "PE\0\0", 4) != 0) return 0;
        const uint32_t machine = Little(header + 4, 2);
        if (machine == 0x014C) return 32;  // i386
        if (machine == 0x8664) return 64;  // x86-64
        return 0;
    } catch (const std::exception&) {
        return 0;
    }
}

OodleLibrary::OodleLibrary(const std::string& path) : path_(path) {
    const int bits = LibraryBits(path);
    if (bits != 0 && bits != ProgramBits())
        throw Exception("it is a " + std::to_string(bits) + "-bit library, which the " +
                        std::to_string(ProgramBits()) + "-bit program cannot load");
    library_ = std::make_unique<DynamicLibrary>(path);
    decompress_ = library_->Symbol("OodleLZ_Decompress");
#if defined(_WIN32) && !defined(_WIN64)
    // Exported with its stdcall decoration: 14 arguments of 4 bytes.
    if (!decompress_) decompress_ = library_->Symbol("_OodleLZ_Decompress@56");
#endif
    if (!decompress_) throw Exception("it has no OodleLZ_Decompress");
}

OodleLibrary::~OodleLibrary() = default;

void OodleLibrary::Decompress(const unsigned char* block, std::size_t size, std::size_t rawSize,
                              ByteBuffer& out) const {
    const std::size_t start = out.size();
    out.resize(start + rawSize);
    const auto decompress = reinterpret_cast<DecompressFunction>(decompress_);
    const intptr_t decoded =
        decompress(block, static_cast<intptr_t>(size), out.data() + start, static_cast<intptr_t>(rawSize), kFuzzSafe,
                   kNoCrcCheck, kSilent, nullptr, 0, nullptr, nullptr, nullptr, 0, kAllPhases);
    if (decoded != static_cast<intptr_t>(rawSize)) {
        out.resize(start);
        throw Exception("the Oodle library could not decode a block: damaged data or a wrong key");
    }
}

}  // namespace pakmole

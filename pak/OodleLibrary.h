#pragma once
// The game's own Oodle library, loaded at run time: Oodle blocks have no
// other decoder. Its OodleLZ_Decompress turns one block into exactly the
// number of bytes it was made from.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/ByteBuffer.h"

namespace pakmole {

class DynamicLibrary;

class OodleLibrary {
public:
    // Loads the library at path. Raises Exception saying why it cannot be
    // used: a library for the other pointer size ("a 64-bit library, which
    // the 32-bit program cannot load"), no OodleLZ_Decompress, or the
    // platform's reason.
    explicit OodleLibrary(const std::string& path);
    ~OodleLibrary();
    OodleLibrary(const OodleLibrary&) = delete;
    OodleLibrary& operator=(const OodleLibrary&) = delete;

    const std::string& Path() const { return path_; }

    // Decodes one block into exactly rawSize bytes appended to out; raises
    // when the library says the block does not decode to that many. Safe on
    // several threads at once.
    void Decompress(const unsigned char* block, std::size_t size, std::size_t rawSize,
                    ByteBuffer& out) const;

private:
    std::string path_;
    std::unique_ptr<DynamicLibrary> library_;
    void* decompress_ = nullptr;
};

// The pointer size, in bits, of the code in a library file (PE or ELF): 32
// or 64; 0 when the file is no such library or cannot be read.
int LibraryBits(const std::string& path);

// The pointer size of this program: 32 or 64.
constexpr int ProgramBits() { return static_cast<int>(sizeof(void*) * 8); }

}  // namespace pakmole

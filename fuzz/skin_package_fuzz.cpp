// A skin package on any bytes: unpacking, its options and its pictures, as
// the skin manager loads an internal or packaged skin.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace pakmole;
    TMemoryStream package(std::vector<unsigned char>(data, data + size));
    TsSkinModel model;
    try {
        LoadPackagedSkin(model, package, {});
    } catch (const std::exception&) {
    }
    return 0;
}

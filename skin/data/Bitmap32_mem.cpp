// Plain memory storage of a bitmap, for builds without a window system.
#include <memory>
#include <vector>

#include "skin/data/Bitmap32.h"

namespace pakmole {

struct TBitmap32Storage {
    std::vector<uint32_t> Pixels;
};

TBitmap32Storage* CreateBitmap32Storage(int width, int height, uint32_t*& bits) {
    auto storage = std::make_unique<TBitmap32Storage>();
    storage->Pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    bits = storage->Pixels.data();
    return storage.release();
}

void TBitmap32StorageDeleter::operator()(TBitmap32Storage* storage) const { delete storage; }

}  // namespace pakmole

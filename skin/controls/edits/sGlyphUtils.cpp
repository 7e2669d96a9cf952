#include "skin/controls/edits/sGlyphUtils.h"

#include <memory>
#include <vector>

#include "ui/WindowClasses.h"

namespace pakmole {

namespace {

bool ReadResource(const char* name, std::vector<unsigned char>& bytes) {
    HMODULE module = ModuleInstance();
    HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) return false;
    HGLOBAL loaded = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0) return false;
    const auto* p = static_cast<const unsigned char*>(data);
    bytes.assign(p, p + size);
    return true;
}

std::unique_ptr<TsAlphaImageList> LoadGlyphs() {
    auto list = std::make_unique<TsAlphaImageList>(nullptr, 48, 16);
    for (const char* name : {"SF", "SR", "SD", "SE", "SC"}) {
        std::vector<unsigned char> bytes;
        // Indexes are positions: a missing strip must not shift the ones after it.
        if (!ReadResource(name, bytes)) break;
        list->AddImage(bytes, name);
    }
    return list;
}

}  // namespace

const TsAlphaImageList& BuiltInGlyphs() {
    static const std::unique_ptr<TsAlphaImageList> glyphs = LoadGlyphs();
    return *glyphs;
}

}  // namespace pakmole

// The INI parser and the skin options model on any text: every section and
// key read, then the whole model built from it with no picture files at hand.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "skin/data/IniText.h"
#include "skin/data/SkinFileSource.h"
#include "skin/data/SkinLoader.h"

namespace {

// A skin that names files gets none: the fuzzer must not reach the disk.
class NoFiles : public pakmole::TSkinFileSource {
public:
    bool ReadFile(const std::string&, std::vector<unsigned char>&) const override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace pakmole;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const bool caseSensitive : {true, false}) {
        const TIniText ini(text, caseSensitive);
        for (const auto& section : ini.Sections())
            for (const auto& entry : section.Entries) {
                (void)ini.ReadInteger(section.Name, entry.Key, 0);
                (void)ini.ReadFloat(section.Name, entry.Key, 0.0);
            }
    }
    TsSkinModel model;
    try {
        LoadSkinModel(model, TIniText(text), NoFiles(), {});
    } catch (const std::exception&) {
    }
    return 0;
}

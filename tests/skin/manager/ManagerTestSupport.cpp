#include "tests/skin/manager/ManagerTestSupport.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "skin/manager/MainSkinManager.h"
#include "skin/manager/ResourceBytes.h"

namespace pakmole::test {
namespace {

void PutInt32(Bytes& out, int32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF));
}

}  // namespace

const Bytes& EmberlineBytes() {
    static const Bytes bytes = [] {
        auto found = ReadResourceBytes(kInternalSkinResource);
        if (!found) throw std::runtime_error("the test program carries no built-in skin");
        return *found;
    }();
    return bytes;
}

Bytes MakePackage(const std::vector<std::pair<std::string, std::string>>& files) {
    Bytes out = {'V', 'L', 'z', 'f'};
    PutInt32(out, static_cast<int32_t>(files.size()));
    for (const auto& [name, content] : files) {
        PutInt32(out, static_cast<int32_t>(name.size()));
        out.insert(out.end(), name.begin(), name.end());
        PutInt32(out, static_cast<int32_t>(content.size()));
        uLongf size = compressBound(static_cast<uLong>(content.size()));
        Bytes packed(size);
        if (compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(content.data()),
                      static_cast<uLong>(content.size()), Z_BEST_COMPRESSION) != Z_OK)
            throw std::runtime_error("compress2 failed");
        out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(size));
    }
    return out;
}

std::string MarkedOptions(const std::string& marker, const std::string& version) {
    return "[GLOBALINFO]\r\nVERSION=" + version + "\r\nAUTHOR=Tests\r\n[" + marker + "]\r\nSTATES=1\r\n";
}

Bytes EncodeBmp24(const TBitmap32& bitmap) {
    std::vector<unsigned char> rgb;
    for (uint32_t p : bitmap.Pixels()) {
        rgb.push_back(static_cast<unsigned char>((p >> 16) & 0xFF));
        rgb.push_back(static_cast<unsigned char>((p >> 8) & 0xFF));
        rgb.push_back(static_cast<unsigned char>(p & 0xFF));
    }
    Bytes out;
    auto append = [](void* context, void* data, int size) {
        auto* bytes = static_cast<Bytes*>(context);
        bytes->insert(bytes->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
    };
    if (!stbi_write_bmp_to_func(append, &out, bitmap.Width(), bitmap.Height(), 3, rgb.data()))
        throw std::runtime_error("cannot encode a test bitmap");
    return out;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

void WriteSkinFolder(const std::string& folder, const std::string& options) {
    std::filesystem::create_directories(std::filesystem::path(folder));
    WriteBytes(folder + "\\Options.dat", Bytes(options.begin(), options.end()));
}

CaughtMessages::CaughtMessages() {
    previous_ = SetSkinMessageSink(
        [this](TsSkinMessageKind kind, const std::string& text) { messages_.push_back({kind, text}); });
}

CaughtMessages::~CaughtMessages() { SetSkinMessageSink(std::move(previous_)); }

ComponentPtr<TsSkinManager> MakeManager(const std::string& programFolder, bool withInternalSkin) {
    ComponentPtr<TsSkinManager> manager(new TsSkinManager(nullptr));
    manager->SetProgramFolder(programFolder);
    if (withInternalSkin) {
        TsStoredSkin& skin = manager->InternalSkins().Add();
        skin.Name = kInternalSkinName;
        skin.ReadData(EmberlineBytes());
    }
    return manager;
}

FakeFormLink::FakeFormLink(TCustomForm* form, TsSkinManager* manager) : form_(form), manager_(manager) {
    AddFormSkinLink(this);
}

FakeFormLink::~FakeFormLink() { RemoveFormSkinLink(this); }

void EventCounts::Attach(TsSkinManager& manager) {
    manager.OnBeforeChange = [this](TObject*) { ++BeforeChange; };
    manager.OnAfterChange = [this](TObject*) { ++AfterChange; };
    manager.OnActivate = [this](TObject*) { ++Activate; };
    manager.OnDeactivate = [this](TObject*) { ++Deactivate; };
    manager.OnSkinListChanged = [this](TObject*) { ++SkinListChanged; };
}

}  // namespace pakmole::test

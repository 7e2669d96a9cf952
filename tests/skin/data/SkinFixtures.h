#pragma once
// Loading skins built in code, for the model tests.
#include <memory>
#include <string>

#include "base/MemoryStream.h"
#include "skin/data/IniText.h"
#include "skin/data/PackagedSkin.h"
#include "skin/data/SkinFileSource.h"
#include "skin/data/SkinModel.h"
#include "tests/support/SkinBuilder.h"

namespace pakmole::test {

inline std::unique_ptr<TsSkinModel> LoadPackage(const SkinBuilder& skin, const TsSkinLoadSettings& settings = {}) {
    auto model = std::make_unique<TsSkinModel>();
    TMemoryStream package{skin.Package()};
    LoadPackagedSkin(*model, package, settings);
    return model;
}

inline std::unique_ptr<TsSkinModel> LoadOptions(const std::string& options, const TsSkinLoadSettings& settings = {}) {
    return LoadPackage(SkinBuilder().Options(options), settings);
}

// The skin as loose files in folder (ending with its delimiter).
inline std::unique_ptr<TsSkinModel> LoadFolder(const SkinBuilder& skin, const std::string& folder,
                                               const TsSkinLoadSettings& settings = {}) {
    skin.WriteFolder(folder);
    auto model = std::make_unique<TsSkinModel>();
    model->SkinData.ImageFolder = folder;
    TMemoryStream options;
    options.LoadFromFile(folder + "Options.dat");
    const auto& bytes = options.Bytes();
    const TIniText ini(std::string(bytes.begin(), bytes.end()));
    const TSkinFileSource files;
    LoadSkinModel(*model, ini, files, settings);
    return model;
}

inline const TsMaskData* Mask(const TsSkinModel& model, const std::string& section, const std::string& key) {
    const int index = model.FindMaskExact(section, key);
    return index < 0 ? nullptr : &model.Masks[static_cast<std::size_t>(index)];
}

inline const TsGeneralData& Section(const TsSkinModel& model, const std::string& name) {
    const int index = model.FindSection(name);
    if (index < 0) throw std::runtime_error("no section " + name);
    return model.Sections[static_cast<std::size_t>(index)];
}

}  // namespace pakmole::test

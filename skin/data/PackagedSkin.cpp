#include "skin/data/PackagedSkin.h"

#include <memory>
#include <string_view>

#include "base/Exceptions.h"
#include "skin/data/IniText.h"
#include "skin/data/SkinConvertor.h"
#include "skin/data/SkinFileSource.h"

namespace pakmole {

void LoadPackagedSkin(TsSkinModel& model, TStream& package, const TsSkinLoadSettings& settings) {
    auto convertor = std::make_unique<TvlSkinConvertor>();
    convertor->SetSourceData(&package);
    TvlSkinConvertor::Unpack(convertor);
    convertor->SetSourceData(nullptr);
    if (!convertor->OptionsData) throw Exception("The skin package holds no \"Options.dat\"");
    const auto& bytes = convertor->OptionsData->Bytes();
    const TIniText options(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    const TPackageFileSource files(*convertor);
    LoadSkinModel(model, options, files, settings);
}

}  // namespace pakmole

#include "skin/manager/MainSkinManager.h"

#include "skin/manager/ResourceBytes.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {

TsSkinManager* CreateMainSkinManager(TComponent* owner) {
    auto* manager = new TsSkinManager(owner);
    manager->SetName("sSkinManager1");

    TsStoredSkin& skin = manager->InternalSkins().Add();
    skin.Name = kInternalSkinName;
    skin.Shadow1Color = 0;
    skin.Shadow1Offset = 0;
    skin.Shadow1Transparency = 0;
    // A program built without the resource has an empty internal skin, which
    // the manager reports as a skin that cannot be loaded.
    if (const auto bytes = ReadResourceBytes(kInternalSkinResource)) skin.ReadData(*bytes);

    manager->MenuSupport().IcoLineSkin = "ICOLINE";
    manager->SetSkinDirectory("c:\\Skins");
    manager->SetSkinName(kInternalSkinName);
    manager->SetSkinInfo("8");
    for (int i = 0; i < kThirdPartyCount; ++i) manager->ThirdParty().SetText(i, i == tpButtons ? "TButton" : " ");
    return manager;
}

}  // namespace pakmole

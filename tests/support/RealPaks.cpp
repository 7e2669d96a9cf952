#include "RealPaks.h"

#include "TestPaths.h"
#include "base/FileSystem.h"
#include "base/Sha1.h"

namespace pakmole::test {

const char kRealPakKey[] = "lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94=";
const char kUe5PakKey[] = "Q1VFNFBhcnNlRml4dHVyZUFFU0tleTAxMjM0NTY3ODk=";

std::string Sha1Of(const std::string& bytes) { return Sha1Hex(Sha1(bytes.data(), bytes.size())); }

std::string HostSeparators(std::string path) {
    for (auto& c : path)
        if (c == '/') c = kFolderDelimiters[0];
    return path;
}

namespace {
std::map<std::string, std::string> ExpectedV5V7() {
    std::map<std::string, std::string> sha1;
    for (const char* name : {"directory/nested.txt", "test.png", "test.txt", "zeros.bin"})
        sha1[name] = Sha1Of(ReadWholeFile(SharedPath(HostSeparators(std::string("realpaks/expected-v5-v7/") + name))));
    return sha1;
}
}  // namespace

std::vector<RealPak> PlainRealPaks() {
    const auto v5v7 = ExpectedV5V7();
    return {
        {"v3-stored-textures.pak", "MyProject/Content/MyProject/Textures/",
         {{"T_Test.uasset", "e3252bd920863cc14fe2b43ba82e9af80d3f1d14"},
          {"T_Test.ubulk", "169c10d04169a0a5053c3af817e70a750e4effd6"},
          {"T_Test.uexp", "e96bff23dcd5254f78470a3fcbd3644631ee99bd"}}},
        {"v3-stored-materials.pak", "MyProject/Content/MyProject/Materials/",
         {{"M_Test.uasset", "4d6c6d8a095a4b27c9f554045e64f23649685185"},
          {"M_Test.uexp", "7ba40e92f20cea2ca11a3a15992f485a572bbcf4"}}},
        {"v4-stored-absolute-mount.pak", "a/b/c/UE/Project/MyProject/MyProject/Content/MyAsset/MyTom/",
         {{"Cube.uasset", "dbac524d55bf249d5e5486e374f47af833431d55"}}},
        {"v5-zlib.pak", "a/b/mount/point/root/", v5v7},
        {"v7-stored.pak", "a/b/mount/point/root/", v5v7},
        {"v7-zlib.pak", "a/b/mount/point/root/", v5v7},
        {"v8b-zlib.pak", "",
         {{"Astro/Content/Guy/TestPak/LargeFile.bin", "00b8486452834934362997f9841e1315e36d99c0"},
          {"Astro/Content/Guy/TestPak/TestFile.txt", "39cb15766d6f0cc553a2538fdfd2e8cb942b353e"},
          {"Astro/EmptyFile.txt", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
          {"Astro/smoll.txt", "93e297762c8d6eec32cddae5934a585f89882ef0"},
          {"metadata.json", "8fc81a38cec8de425537e6def257541cd3c32dee"}}},
        {"v11-zlib.pak", "TestForPackage/Content/TestPak/",
         {{"BP_testCube.uasset", "9f0007335dfce74bed242ebbfd15fc7c84d67a4c"},
          {"BP_testCube.uexp", "0731e8849550b0ecfa04fea0b3e744f537aed406"},
          {"TestLevel.uexp", "94de17f7dd1c3c628dbade8ac85f7a0a6a2950d7"},
          {"TestLevel.umap", "2387ceb344aff283d493f5f0cd356ef30f7a54f0"},
          {"TestLevel_BuiltData.uasset", "c9da5bddba415e3713e891cf31adb82894a30e13"},
          {"TestLevel_BuiltData.ubulk", "4fcdddedde65483331100c1a3bb4965e0cc00d65"},
          {"TestLevel_BuiltData.uexp", "37f7c96edf96a57ea1c0316692209c4b9fc6579d"}}},
    };
}

std::vector<RealPak> RepakRealPaks() {
    const auto v5v7 = ExpectedV5V7();
    std::vector<RealPak> paks;
    for (const char* version : {"v5", "v7", "v8a", "v9"})
        for (const char* compress : {"", "_compress"})
            for (const char* encrypt : {"", "_encrypt"})
                for (const char* index : {"", "_encryptindex"})
                    paks.push_back({std::string("repak/pack_") + version + compress + encrypt + index + ".pak",
                                    "a/b/mount/point/root/", v5v7});
    return paks;
}

std::vector<RealPak> Ue5RealPaks() {
    return {
        {"ue5/v12-zlib.pak", "CUE4ParseFixtures/Content/Fixtures/",
         {{"DataTables/DT_AllProperties.uasset", "d8550a889b762de168e0fd6468f3fc6a9c027bde"},
          {"DataTables/DT_AllProperties.uexp", "86f4e5e195bfe4425bef8f8358c27fe45dbaf013"},
          {"Maps/Empty.uexp", "246f06dd4f514bf3caad3955c3df4132840a5872"},
          {"Maps/Empty.umap", "cd5f10d3dbccae8d2d564fb4a21025ab6bdc4de0"},
          {"Properties/DA_AllProperties.uasset", "a24d4e8a9e6771bbe89de8c3258bf334bbbfee9a"},
          {"Properties/DA_AllProperties.uexp", "5d6285f63d99b2eb74be30eb38b9427193b8cf43"},
          {"Textures/T_BC6H.uasset", "5696cb77251846fa6990f453849466e0cfcb69b6"},
          {"Textures/T_BC6H.uexp", "dfa62b998a2aac229694bef2c7fe82b348712bf7"},
          {"Textures/T_Streaming.uasset", "a635c04cef62474a43fdf91664f757676daac7ca"},
          {"Textures/T_Streaming.ubulk", "e053969fede15cf386340f9e975010f810f4e31d"},
          {"Textures/T_Streaming.uexp", "ad8e6a3f20b086b96e9949e84419971e5bd1b5de"}}},
        {"ue5/v15-stored-flat-index.pak", "CUE4ParseFixtures/",
         {{"AssetRegistry.bin", "2f8133750346a84cd4f2b002cc00fa496a7c62bc"},
          {"Config/DefaultGame.ini", "eda4894f8007c37d7076f3bd84b79bf071c472d6"},
          {"Content/Localization/CUE4ParseFixtures/de/CUE4ParseFixtures.locres",
           "a205862117b41db8b89176a0d02ad0015a867dbf"},
          {"Content/Localization/CUE4ParseFixtures/en/CUE4ParseFixtures.locres",
           "55d2c88f8d19f3c568a898edbb0b46834f52969b"}}},
    };
}

RealPak Ue5CounterModePak() {
    return {"ue5/v15-ctr-encrypted-oodle.pak", "CUE4ParseFixtures/Content/Fixtures/",
            {{"DataTables/DT_AllProperties.uasset", "d8550a889b762de168e0fd6468f3fc6a9c027bde"},
             {"DataTables/DT_AllProperties.uexp", "86f4e5e195bfe4425bef8f8358c27fe45dbaf013"},
             {"Maps/Empty.uexp", "257d7cfb851a6d462149b319806574f870c109f4"},
             {"Textures/T_BC6H.uasset", "3d655c5b7e557401d0ac96e72a241d96b5dc8696"}}};
}

std::vector<std::string> Ue5OodleEntries() {
    return {"Maps/Empty.umap",        "Properties/DA_AllProperties.uasset", "Properties/DA_AllProperties.uexp",
            "Textures/T_BC6H.uexp",   "Textures/T_Streaming.uasset",        "Textures/T_Streaming.ubulk",
            "Textures/T_Streaming.uexp"};
}

}  // namespace pakmole::test

#include "skin/data/SectionReader.h"

#include <algorithm>
#include <unordered_set>

#include "skin/data/GradientParser.h"
#include "skin/data/NumberText.h"
#include "skin/data/SystemColors.h"
#include "skin/data/TextCase.h"

namespace pakmole {
namespace {

constexpr const char* kGlobal = "GLOBALINFO";

int16_t Short(int32_t v) { return SaturateInt16(v); }

// Bounds of the section numbers that are counts, percents or sizes. Painting
// does arithmetic on them (States - 1, T * 255, IP + GP, ...), so a skin's
// -2147483648 is brought into range here, once, rather than in every painter.
constexpr int32_t kMostFadeSteps = 255;  // 10 ms each: a fade never drags on
constexpr int32_t kMostGlowPixels = 255;

void KeepInRange(TsGeneralData& s) {
    s.States = std::max(s.States, 1);
    for (int32_t* percent : {&s.Transparency, &s.GradientPercent, &s.ImagePercent, &s.HotTransparency,
                             &s.HotGradientPercent, &s.HotImagePercent})
        *percent = std::clamp(*percent, 0, 100);
    s.Glow = std::clamp(s.Glow, 0, kMostGlowPixels);
    s.GlowMargin = std::clamp(s.GlowMargin, 0, kMostGlowPixels);
    s.FadingIterations = std::clamp(s.FadingIterations, 1, kMostFadeSteps);
}

}  // namespace

bool SkinBoolean(const std::string& text) {
    const std::string upper = UpperCase(text);
    return upper == "1" || upper == "TRUE";
}

void TsSectionReader::ReadGlobalData(TsSkinData& d, int sizingFrameWidth) const {
    const TIniText& o = options_;
    const auto strict = [&](const char* key, const char* fallback) {
        return Short(StrToInt(o.ReadString(kGlobal, key, fallback)));
    };
    const auto integer = [&](const char* key, int32_t fallback) { return o.ReadInteger(kGlobal, key, fallback); };
    d.Version = o.ReadFloat(kGlobal, "VERSION", 0);
    d.Author = o.ReadString(kGlobal, "AUTHOR", "");
    d.Description = o.ReadString(kGlobal, "DESCRIPTION", "");
    d.Shadow1Color = integer("SHADOW1COLOR", 0);
    d.Shadow1Offset = strict("SHADOW1OFFSET", "0");
    d.Shadow1Blur = strict("SHADOW1BLUR", "-1");
    d.Shadow1Transparency = strict("SHADOW1TRANSPARENCY", "0");
    d.FrameBorderWidth = Short(integer("BORDERWIDTH", 4));
    d.TitleBarHeight = Short(integer("TITLEHEIGHT", 30));
    if (d.TitleBarHeight == 0) d.TitleBarHeight = 30;
    d.TitleBarMaxHeight = Short(integer("MAXHEIGHT", 0));
    if (d.TitleBarMaxHeight == 0) d.TitleBarMaxHeight = d.TitleBarHeight;
    d.FormOffset = Short(integer("FORMOFFSET", sizingFrameWidth));
    d.AlignOffset = Short(integer("ALIGNOFFSET", 0));
    d.CenterOffset = Short(integer("CENTEROFFSET", 0));
    d.BorderMode = Short(integer("BORDERMODE", 0));
    d.TitleButtonSpace = Short(integer("BISPACE", 0));
    d.TitleButtonVAlign = Short(integer("BIVALIGN", 0));
    d.TitleButtonRight = Short(integer("BIRIGHT", 0));
    d.TitleButtonLeft = Short(integer("BILEFT", 0));
    d.TitleButtonTop = Short(integer("BITOP", 0));
    d.TitleIconsKeepHue = Short(integer("BIKEEPHUE", 0));
    d.TitleCloseGlow = strict("BICONCLOSEGLOW", "0");
    d.TitleCloseGlowMargin = strict("BICONCLOSEGLOWMARGIN", "0");
    d.TitleMaxGlow = strict("BICONMAXGLOW", "0");
    d.TitleMaxGlowMargin = strict("BICONMAXGLOWMARGIN", "0");
    d.TitleMinGlow = strict("BICONMINGLOW", "0");
    d.TitleMinGlowMargin = strict("BICONMINGLOWMARGIN", "0");
    d.AeroBlur = integer("AEROBLUR", 0) != 0;
}

// Follows PARENTCLASS from section to section. A section met twice ends the
// chain, so parents that name each other cannot loop.
template <typename Read>
static bool FindInChain(const TIniText& options, const std::string& section, Read read, bool& inherited) {
    std::unordered_set<std::string> visited;
    std::string current = section;
    inherited = false;
    while (visited.insert(current).second) {
        if (read(current)) return true;
        const std::string parent = options.ReadString(current, "PARENTCLASS", "");
        if (parent.empty() || parent == "?" || parent == current) return false;
        current = parent;
        inherited = true;
    }
    return false;
}

int32_t TsSectionReader::ReadInheritedInteger(const std::string& section, const std::string& key,
                                              int32_t fallback) const {
    int32_t value = -1;
    bool inherited = false;
    const bool found = FindInChain(
        options_, section,
        [&](const std::string& s) {
            value = options_.ReadInteger(s, key, -1);
            return value != -1;
        },
        inherited);
    if (!found) return fallback;
    return inherited ? colors_.Resolve(value) : value;
}

std::string TsSectionReader::ReadInheritedText(const std::string& section, const std::string& key,
                                               const std::string& fallback) const {
    std::string value;
    bool inherited = false;
    const bool found = FindInChain(
        options_, section,
        [&](const std::string& s) {
            value = options_.ReadString(s, key, "?");
            return value != "?";
        },
        inherited);
    return found ? value : fallback;
}

bool TsSectionReader::ReadInheritedBool(const std::string& section, const std::string& key,
                                        const std::string& fallback) const {
    return SkinBoolean(ReadInheritedText(section, key, fallback));
}

TsGeneralData TsSectionReader::ReadSection(const std::string& name) const {
    TsGeneralData s;
    const auto integer = [&](const char* key, int32_t fallback) { return ReadInheritedInteger(name, key, fallback); };
    const auto boolean = [&](const char* key) { return ReadInheritedBool(name, key, "0"); };
    s.SectionName = name;
    s.ParentClass = options_.ReadString(name, "PARENTCLASS", "");
    // The section's own mask and texture indexes are found once all masks are
    // known; the global section keeps these.
    s.FrameMask = 0;
    s.PatternIndex = 0;

    s.Color = colors_.Resolve(integer("COLOR", 0xFFFFFF));
    s.Transparency = integer("TRANSPARENCY", 0);
    s.GradientPercent = integer("GRADIENTPERCENT", 0);
    s.GradientData = ReadInheritedText(name, "GRADIENTDATA", " ");
    s.ImagePercent = integer("IMAGEPERCENT", 0);
    s.FontColor = integer("FONTCOLOR", 0);
    s.TCLeft = integer("TCLEFT", -1);
    s.TCTop = integer("TCTOP", -1);
    s.TCRight = integer("TCRIGHT", -1);
    s.TCBottom = integer("TCBOTTOM", -1);
    s.GiveOwnFont = boolean("GIVEOWNFONT");
    s.ReservedBoolean = boolean("RESERVEDBOOLEAN");
    s.ShowFocus = boolean("SHOWFOCUS");
    s.Glow = integer("GLOW", 0);
    s.GlowMargin = integer("GLOWMARGIN", 0);
    s.FadingEnabled = boolean("FADINGENABLED");
    s.FadingIterations = integer("FADINGITERATIONS", 5);
    s.GlowColor = colors_.Resolve(integer("GCOL", 0xFFFFFF));
    s.GlowSize = SaturateByte(integer("GSIZE", 0));
    s.States = integer("STATES", 3);
    if (s.States > 1) {
        s.HotColor = integer("HOTCOLOR", 0xFFFFFF);
        s.HotTransparency = integer("HOTTRANSPARENCY", 0);
        s.HotGradientPercent = integer("HOTGRADIENTPERCENT", 0);
        s.HotGradientData = ReadInheritedText(name, "HOTGRADIENTDATA", "");
        s.HotImagePercent = integer("HOTIMAGEPERCENT", 0);
        s.HotFontColor = integer("HOTFONTCOLOR", 0);
        s.HotTCLeft = integer("HOTTCLEFT", -1);
        s.HotTCTop = integer("HOTTCTOP", -1);
        s.HotTCRight = integer("HOTTCRIGHT", -1);
        s.HotTCBottom = integer("HOTTCBOTTOM", -1);
        s.HotGlowColor = colors_.Resolve(integer("HGCOL", 0xFFFFFF));
        s.HotGlowSize = SaturateByte(integer("HGSIZE", 0));
    }
    CompleteSection(s);
    return s;
}

void CompleteSection(TsGeneralData& s) {
    KeepInRange(s);
    s.Gradient = std::make_shared<TsGradArray>();
    if (s.GradientData.size() >= 2)
        *s.Gradient = ParseGradient(s.GradientData);
    else
        s.GradientPercent = 0;
    s.HotGradient = std::make_shared<TsGradArray>();
    if (s.HotGradientData.size() >= 2)
        *s.HotGradient = ParseGradient(s.HotGradientData);
    else
        s.HotGradientPercent = 0;

    TsGenState& normal = s.Props[0];
    normal.Color = s.Color;
    normal.FontColor = s.FontColor;
    normal.TCLeft = s.TCLeft;
    normal.TCTop = s.TCTop;
    normal.TCRight = s.TCRight;
    normal.TCBottom = s.TCBottom;
    normal.GradientPercent = s.GradientPercent;
    normal.GradientData = s.GradientData;
    normal.Gradient = s.Gradient;
    normal.ImagePercent = s.ImagePercent;
    normal.PatternMask = 0;
    normal.GlowColor = s.GlowColor;
    normal.GlowSize = s.GlowSize;
    normal.Transparency = s.Transparency;

    if (s.States <= 1) {
        s.Props[1] = normal;
        return;
    }
    TsGenState& hot = s.Props[1];
    hot.Color = s.HotColor;
    hot.FontColor = s.HotFontColor;
    hot.TCLeft = s.HotTCLeft;
    hot.TCTop = s.HotTCTop;
    hot.TCRight = s.HotTCRight;
    hot.TCBottom = s.HotTCBottom;
    hot.GradientPercent = s.HotGradientPercent;
    hot.GradientData = s.HotGradientData;
    hot.Gradient = s.HotGradient;
    hot.ImagePercent = s.HotImagePercent;
    hot.PatternMask = 0;
    hot.GlowColor = s.HotGlowColor;
    hot.GlowSize = s.HotGlowSize;
    hot.Transparency = s.HotTransparency;
}

}  // namespace pakmole

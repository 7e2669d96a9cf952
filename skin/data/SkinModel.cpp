#include "skin/data/SkinModel.h"

namespace pakmole {

int32_t TsMaskData::StateWidth() const {
    if (FrameCount == 0) return 0;
    if (FrameCount == 1) return SrcRect.Width();
    return static_cast<int32_t>(int64_t{SrcRect.Width()} / FrameCount);
}

int32_t TsMaskData::StateHeight() const {
    if (MaskKind == -1) return 0;
    if (MaskKind == 0) return SrcRect.Height();
    return static_cast<int32_t>(int64_t{SrcRect.Height()} / (MaskKind + 1));
}

void TsSkinModel::Clear() {
    while (!Masks.empty()) Masks.pop_back();
    MasterBitmap = TBitmap32();
    Patterns.clear();
    Sections.clear();
}

int TsSkinModel::FindSection(const std::string& name) const {
    if (name.empty() || !Loaded) return -1;
    for (std::size_t i = 0; i < Sections.size(); ++i)
        if (Sections[i].SectionName == name) return static_cast<int>(i);
    return -1;
}

// Walks up the parent classes of a section until a record matches. A chain of
// parents that comes back on itself is followed no further than there are
// sections, so it ends.
template <typename Match>
int TsSkinModel::FindInherited(int sectionIndex, const std::string& sectionName, const std::string& propertyName,
                               Match match) const {
    int index = sectionIndex;
    std::string name = sectionName;
    for (std::size_t hops = 0; hops <= Sections.size(); ++hops) {
        if (index < 0 || name.empty()) return -1;
        const int found = match(name, propertyName);
        if (found >= 0) return found;
        if (index >= static_cast<int>(Sections.size())) return -1;
        const std::string& parent = Sections[static_cast<std::size_t>(index)].ParentClass;
        if (parent.empty() || parent == name) return -1;
        const int parentIndex = FindSection(parent);
        if (parentIndex < 0) return -1;
        index = parentIndex;
        name = parent;
    }
    return -1;
}

int TsSkinModel::FindMask(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const {
    return FindInherited(sectionIndex, sectionName, propertyName,
                         [this](const std::string& s, const std::string& p) { return FindMaskExact(s, p); });
}

int TsSkinModel::FindMaskExact(const std::string& sectionName, const std::string& propertyName) const {
    if (sectionName.empty()) return -1;
    for (std::size_t i = 0; i < Masks.size(); ++i)
        if (Masks[i].SectionName == sectionName && Masks[i].PropertyName == propertyName) return static_cast<int>(i);
    return -1;
}

int TsSkinModel::FindTexture(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const {
    if (Masks.empty()) return -1;
    return FindInherited(sectionIndex, sectionName, propertyName, [this](const std::string& s, const std::string& p) {
        for (std::size_t i = 0; i < Masks.size(); ++i)
            if (Masks[i].RecordKind == 1 && Masks[i].SectionName == s && Masks[i].PropertyName == p)
                return static_cast<int>(i);
        return -1;
    });
}

int TsSkinModel::FindPattern(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const {
    if (Patterns.empty()) return -1;
    return FindInherited(sectionIndex, sectionName, propertyName, [this](const std::string& s, const std::string& p) {
        for (std::size_t i = 0; i < Patterns.size(); ++i)
            if (Patterns[i].SectionName == s && Patterns[i].PropertyName == p) return static_cast<int>(i);
        return -1;
    });
}

bool TsSkinModel::IsValidSection(int index) const {
    return Loaded && index >= 0 && index < static_cast<int>(Sections.size());
}

bool TsSkinModel::IsValidMask(int index) const { return index >= 0 && index < static_cast<int>(Masks.size()); }

int32_t TsSkinModel::MaskMarginLeft(int maskIndex) {
    TsMaskData& m = Masks.at(static_cast<std::size_t>(maskIndex));
    if (m.FrameCount == 0) m.FrameCount = 1;
    if (m.MarginLeft > 0) return m.MarginLeft;
    return m.DefaultMargin > 0 ? m.DefaultMargin : m.StateWidth();
}

int32_t TsSkinModel::MaskMarginRight(int maskIndex) const {
    const TsMaskData& m = Masks.at(static_cast<std::size_t>(maskIndex));
    if (m.MarginRight > 0) return m.MarginRight;
    return m.DefaultMargin > 0 ? m.DefaultMargin : m.StateWidth();
}

int32_t TsSkinModel::MaskMarginTop(int maskIndex) const {
    const TsMaskData& m = Masks.at(static_cast<std::size_t>(maskIndex));
    if (m.MarginTop > 0) return m.MarginTop;
    return m.DefaultMargin > 0 ? m.DefaultMargin : m.StateHeight();
}

int32_t TsSkinModel::MaskMarginBottom(int maskIndex) const {
    const TsMaskData& m = Masks.at(static_cast<std::size_t>(maskIndex));
    if (m.MarginBottom > 0) return m.MarginBottom;
    return m.DefaultMargin > 0 ? m.DefaultMargin : m.StateHeight();
}

void TsSkinModel::UpdateSectionMaskIndexes() {
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        TsGeneralData& s = Sections[i];
        if (s.SectionName == "GLOBALINFO") continue;
        const int index = static_cast<int>(i);
        const std::string& name = s.SectionName;
        s.FrameMask = FindMask(index, name, "BORDERSMASK");
        s.CornerTopLeft = FindMask(index, name, "IMGTOPLEFT");
        s.CornerTopRight = FindMask(index, name, "IMGTOPRIGHT");
        s.CornerBottomLeft = FindMask(index, name, "IMGBTMLEFT");
        s.CornerBottomRight = FindMask(index, name, "IMGBTMRIGHT");
        s.PatternIndex = FindTexture(index, name, "PATTERN");
        s.Props[0].PatternMask = s.PatternIndex;
        if (s.States > 1) s.Props[1].PatternMask = FindTexture(index, name, "HOTPATTERN");
    }
}

}  // namespace pakmole

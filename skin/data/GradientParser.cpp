#include "skin/data/GradientParser.h"

#include <algorithm>

#include "skin/data/IniText.h"
#include "skin/data/NumberText.h"

namespace pakmole {

std::vector<std::string_view> GradientWords(std::string_view data) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < data.size()) {
        if (data[pos] == ';') {
            ++pos;
            continue;
        }
        std::size_t end = data.find(';', pos);
        if (end == std::string_view::npos) end = data.size();
        words.push_back(data.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

TsGradArray ParseGradient(std::string_view data) {
    const std::vector<std::string_view> words = GradientWords(data);
    TsGradArray segments(words.size() / 5);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const auto value = [&](std::size_t k) { return StrToInt(TrimControl(words[i * 5 + k])); };
        TsGradient& g = segments[i];
        g.GradStart = std::max(0, value(0));
        g.GradEnd = std::max(0, value(1));
        g.GradPercent = static_cast<uint8_t>(std::clamp(value(2), 0, 100));
        g.GradMode = value(3);
        value(4);  // must still be a number, though nothing uses it
    }
    return segments;
}

}  // namespace pakmole

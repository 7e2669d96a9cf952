#include "ui/CommandLine.h"

#include <windows.h>

namespace pakmole {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> items;
    size_t i = 0;
    const size_t n = commandLine.size();
    while (true) {
        while (i < n && static_cast<unsigned char>(commandLine[i]) <= ' ') ++i;
        if (i >= n) break;
        std::string item;
        bool quoted = false;
        while (i < n && (quoted || static_cast<unsigned char>(commandLine[i]) > ' ')) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                item += commandLine[i];
            ++i;
        }
        items.push_back(item);
    }
    return items;
}

int ParamCount() {
    const auto items = SplitCommandLine(GetCommandLineA());
    return items.empty() ? 0 : static_cast<int>(items.size()) - 1;
}

std::string ParamStr(int index) {
    if (index == 0) {
        char path[MAX_PATH * 4] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
        return std::string(path, length < sizeof(path) ? length : 0);
    }
    const auto items = SplitCommandLine(GetCommandLineA());
    if (index < 0 || static_cast<size_t>(index) >= items.size()) return std::string();
    return items[static_cast<size_t>(index)];
}

}  // namespace pakmole

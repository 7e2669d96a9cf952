#include "ui/WindowClasses.h"

#include <map>

#include "base/Exceptions.h"

namespace pakmole {

namespace {
std::map<std::string, WNDPROC>& Registered() {
    static std::map<std::string, WNDPROC> classes;
    return classes;
}
}  // namespace

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

WNDPROC RegisterControlClass(const std::string& className, const std::string& baseClassName,
                             UINT classStyle, WNDPROC procedure) {
    auto& classes = Registered();
    auto it = classes.find(className);
    if (it != classes.end()) return it->second;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC base = DefWindowProcA;
    if (!baseClassName.empty()) {
        if (!GetClassInfoExA(nullptr, baseClassName.c_str(), &wc))
            throw Exception("Unknown window class " + baseClassName);
        base = wc.lpfnWndProc;
        // The system class's private styles stay; global ones must not leak in.
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = classStyle;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    }
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register window class " + className);
    classes.emplace(className, base);
    return base;
}

WNDPROC BaseProcedureOf(const std::string& className) {
    auto& classes = Registered();
    auto it = classes.find(className);
    return it == classes.end() ? DefWindowProcA : it->second;
}

}  // namespace pakmole

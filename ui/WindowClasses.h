#pragma once
// Registration of the window classes of the controls: each class name is
// registered once per process, superclassing a system class when one is named.
#include <windows.h>

#include <string>

namespace pakmole {

// Registers className (when not yet registered) with procedure as its window
// procedure and answers the procedure of the superclassed class (or
// DefWindowProcA when baseClassName is empty). Raises when the base class is unknown.
WNDPROC RegisterControlClass(const std::string& className, const std::string& baseClassName,
                             UINT classStyle, WNDPROC procedure);

// The window procedure that a registered class superclasses.
WNDPROC BaseProcedureOf(const std::string& className);

HINSTANCE ModuleInstance();

}  // namespace pakmole

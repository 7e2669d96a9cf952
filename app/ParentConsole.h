#pragma once
// Lines for whoever started the program from a command line. A script that
// redirected the output hands its handles down (so does Wine started from a
// Linux shell: they are the shell's own streams); a console window hands down
// nothing, so the program attaches to it.
#include <string>

namespace pakmole {

class ParentConsole {
public:
    // Writes the line and a line break to standard error (standard output when
    // only that one is there); without either, the line is dropped.
    void WriteLine(const std::string& line);
    // Whether anyone reads the lines: false for a program started from the
    // desktop (a pak dropped on it, a shortcut), which has no streams and no
    // console to attach to.
    bool Present() { return Output() != nullptr; }

private:
    void* Output();

    bool looked_ = false;
    void* output_ = nullptr;
};

}  // namespace pakmole

#include "ui/Memo.h"

namespace pakmole {

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

void TMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
    if (!wordWrap_) p.Style |= ES_AUTOHSCROLL | WS_HSCROLL;
}

void TMemo::SetWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    RecreateWnd();
}

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> lines;
    const std::string text = Text();
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    SetText(text);
}

void TMemo::AddLine(const std::string& line) { SetText(Text() + line + "\r\n"); }

void TMemo::WndProc(TMessage& m) {
    if (m.Msg == CM_WANTSPECIALKEY && m.WParam == VK_RETURN) {
        m.Result = 1;
        return;
    }
    TCustomEdit::WndProc(m);
}

}  // namespace pakmole

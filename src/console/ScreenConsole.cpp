#include "console/ScreenConsole.h"

namespace tess {

ScreenConsole& ScreenConsole::keys(std::string_view typed) {
    for (char c : typed) queue_.push_back(c == '\n' ? key::Return : static_cast<unsigned char>(c));
    return *this;
}

ScreenConsole& ScreenConsole::key(int k) {
    queue_.push_back(k);
    return *this;
}

void ScreenConsole::waitKey() {
    for (;;) {
        if (queue_.empty()) throw ScriptExhausted();
        const int k = queue_.front();
        queue_.pop_front();
        if (!tookForHelp(k)) {
            queue_.push_front(k);
            return;
        }
    }
}

int ScreenConsole::fetchKey() {
    if (queue_.empty()) throw ScriptExhausted();
    int k = queue_.front();
    queue_.pop_front();
    return k;
}

std::string ScreenConsole::colourText() const {
    std::string s;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c) s.push_back(static_cast<char>(cell(c, r).fg * 16 + cell(c, r).bg));
    return s;
}

bool ScreenConsole::sawText(std::string_view text) const {
    if (screenText().find(text) != std::string::npos) return true;
    for (const auto& s : snapshots_)
        if (s.find(text) != std::string::npos) return true;
    return false;
}

namespace {
std::string squeeze(std::string_view s) {
    std::string out;
    for (char ch : s) {
        if (ch == '\n') ch = ' ';
        if (ch == ' ' && !out.empty() && out.back() == ' ') continue;
        out += ch;
    }
    return out;
}
}  // namespace

bool ScreenConsole::sawMessage(std::string_view text) const {
    const std::string wanted = squeeze(text);
    if (squeeze(screenText()).find(wanted) != std::string::npos) return true;
    for (const auto& s : snapshots_)
        if (squeeze(s).find(wanted) != std::string::npos) return true;
    return false;
}

}  // namespace tess

#pragma once
// The in-memory console for tests: the shared grid plus a scripted key queue.
// Reading past the end of the script throws, so a test that goes astray fails
// at once instead of hanging; the screen is kept at every key read.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/Console.h"

namespace tess {

struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("key script exhausted") {}
};

class ScreenConsole : public Console {
public:
    ScreenConsole& keys(std::string_view typed);  // each character one key; '\n' gives Return
    ScreenConsole& key(int k);
    ScreenConsole& up() { return arrow(key::Up); }
    ScreenConsole& down() { return arrow(key::Down); }
    ScreenConsole& left() { return arrow(key::Left); }
    ScreenConsole& right() { return arrow(key::Right); }
    ScreenConsole& enter() { return key(key::Return); }
    ScreenConsole& esc() { return key(key::Esc); }
    ScreenConsole& line(std::string_view typed) {
        keys(typed);
        return enter();
    }

    bool keyPressed() override { return !queue_.empty(); }
    void waitKey() override;
    std::size_t keysLeft() const { return queue_.size(); }

    // The screen text as it stood at each key read, oldest first.
    const std::vector<std::string>& snapshots() const { return snapshots_; }
    // The colours of the screen, one byte per cell row by row (text colour x 16
    // + background): now, and as they stood at each key read.
    std::string colourText() const;
    const std::vector<std::string>& colourSnapshots() const { return colourSnapshots_; }
    // True when some snapshot (or the screen now) contains the text.
    bool sawText(std::string_view text) const;
    // The same for a message that may be broken over rows between words:
    // runs of blanks and row ends compare as one blank.
    bool sawMessage(std::string_view text) const;

protected:
    int fetchKey() override;
    void onKeyRead() override {
        snapshots_.push_back(screenText());
        colourSnapshots_.push_back(colourText());
    }

private:
    ScreenConsole& arrow(int code) {
        key(0);
        return key(code);
    }
    std::deque<int> queue_;
    std::vector<std::string> snapshots_;
    std::vector<std::string> colourSnapshots_;
};

}  // namespace tess

#pragma once
// Texts with a fixed maximum length (file names 14, pattern lines 30,
// question texts 254). A longer value is cut on assignment, here and only
// here, after its N-th character (never inside one).
#include <cstddef>
#include <string>
#include <string_view>

#include "console/Utf8.h"

namespace tess {

template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t max = N;
    FixedText() = default;
    FixedText(std::string_view s) { assign(s); }    // NOLINT: texts convert freely
    FixedText(const char* s) { assign(s); }         // NOLINT
    FixedText(const std::string& s) { assign(s); }  // NOLINT
    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    FixedText& operator=(const char* s) {
        assign(s);
        return *this;
    }
    FixedText& operator=(const std::string& s) {
        assign(s);
        return *this;
    }

    const std::string& str() const { return s_; }
    operator const std::string&() const { return s_; }  // NOLINT
    std::size_t size() const { return s_.size(); }
    bool empty() const { return s_.empty(); }
    // 1-based character access; a position past the end reads as a blank,
    // the way a fixed-width field reads.
    char at(std::size_t i) const { return (i >= 1 && i <= s_.size()) ? s_[i - 1] : ' '; }
    bool operator==(std::string_view o) const { return s_ == o; }

private:
    void assign(std::string_view s) { s_.assign(s.size() <= N ? s : firstChars(s, N)); }
    std::string s_;
};

}  // namespace tess

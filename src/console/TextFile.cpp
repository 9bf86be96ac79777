#include "console/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

namespace tess {

bool TextReader::open(const std::string& path) {
    in_.close();
    in_.clear();
    line_ = 0;
    in_.open(path, std::ios::binary);
    return in_.is_open();
}

bool TextReader::eof() {
    if (!in_.is_open()) return true;
    return in_.peek() == std::char_traits<char>::eof();
}

std::optional<std::string> TextReader::readLine(std::size_t bound, bool* wasLonger) {
    if (wasLonger) *wasLonger = false;
    if (eof()) return std::nullopt;
    ++line_;
    std::string s;
    bool dropped = false;
    if (bound == std::string::npos) {
        std::getline(in_, s, '\n');
    } else {
        // Characters past the bound (and one more, for a CR ending) are not
        // kept, so a file without line ends cannot fill memory; the rest of
        // the line is skipped unread.
        const std::size_t keep = bound + 1;
        buf_.resize(keep + 1);
        in_.getline(buf_.data(), static_cast<std::streamsize>(keep + 1), '\n');
        const bool endFound = !in_.fail() && !in_.eof();
        // The count holds the line end when one was taken; a NUL byte in the
        // line is kept like any other character.
        s.assign(buf_.data(), static_cast<std::size_t>(in_.gcount() - (endFound ? 1 : 0)));
        if (in_.fail() && !in_.eof()) {  // the buffer filled before the line end
            in_.clear();
            in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            dropped = true;
        }
    }
    if (in_.eof()) in_.clear(in_.rdstate() & ~std::ios::failbit);
    if (!dropped && !s.empty() && s.back() == '\r') s.pop_back();
    if (dropped || s.size() > bound) {
        s.resize(bound);
        if (wasLonger) *wasLonger = true;
    }
    return s;
}

bool TextWriter::create(const std::string& path) {
    close();
    out_.clear();
    out_.open(path, std::ios::binary | std::ios::trunc);
    return out_.is_open();
}

bool TextWriter::append(const std::string& path) {
    close();
    out_.clear();
    out_.open(path, std::ios::binary | std::ios::app);
    return out_.is_open();
}

std::optional<std::vector<std::string>> readAllLines(const std::string& path, std::size_t bound) {
    TextReader r;
    if (!r.open(path)) return std::nullopt;
    std::vector<std::string> lines;
    while (auto l = r.readLine(bound)) lines.push_back(std::move(*l));
    return lines;
}

bool writeFileAtomic(const std::string& path, const std::vector<std::string>& lines, bool lastLineEnd) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out << lines[i];
            if (i + 1 < lines.size() || lastLineEnd) out << "\r\n";
        }
        out.flush();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return true;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::vector<long> parseNumbers(std::string_view s) {
    std::vector<long> out;
    std::size_t i = 0;
    for (;;) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        if (i >= s.size()) break;
        std::size_t j = i;
        if (s[j] == '-' || s[j] == '+') ++j;
        std::size_t digits = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j == digits) break;  // not a number: stop here
        if (j < s.size() && s[j] != ' ' && s[j] != '\t') break;
        long v = 0;
        bool neg = s[i] == '-';
        for (std::size_t k = digits; k < j; ++k) {
            if (v < 100000000L) v = v * 10 + (s[k] - '0');
        }
        out.push_back(neg ? -v : v);
        i = j;
    }
    return out;
}

std::optional<long> parseNumber(std::string_view s) {
    auto v = parseNumbers(s);
    if (v.empty()) return std::nullopt;
    return v.front();
}

}  // namespace tess

#include "check/Findings.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "console/TextFile.h"

namespace tess::check {

std::string unreadable(const std::string& path) {
    const std::string why = whyUnreadable(path);
    return why == "it is missing" ? "not found" : why;
}

namespace {

std::string plural(std::size_t n, const char* one) { return std::to_string(n) + " " + one + (n == 1 ? "" : "s"); }

std::string tally(std::size_t errors, std::size_t warnings) {
    if (errors == 0 && warnings == 0) return "no errors";
    if (warnings == 0) return plural(errors, "error");
    if (errors == 0) return "no errors, " + plural(warnings, "warning");
    return plural(errors, "error") + ", " + plural(warnings, "warning");
}

}  // namespace

namespace {

// A repeated line's finding as the report writes it, around the two line
// numbers; its words alone are the same texts without the severity and the
// line end.
constexpr char REPEATED[] = ": warning: the same line as line ", REPEATED_END[] = ": delete one of them\n";
constexpr std::string_view SAME_LINE = std::string_view(REPEATED).substr(sizeof ": warning: " - 1),
                           DELETE_ONE = std::string_view(REPEATED_END, sizeof REPEATED_END - 2);

constexpr std::size_t DIGITS_MAX = 20;

// A number's digits kept from one finding to the next: findings come in line
// order, so a line number is mostly the one before or one more, and adding
// one to the last digit is cheaper than writing them all again.
class Decimal {
public:
    void set(std::size_t n) {
        if (n == value_ + 1 && digits_[size_ - 1] != '9')
            ++digits_[size_ - 1];
        else if (n != value_)
            size_ = static_cast<std::size_t>(std::to_chars(digits_, digits_ + DIGITS_MAX, n).ptr - digits_);
        value_ = n;
    }
    // Copied DIGITS_MAX bytes at once, however many are digits.
    char* copyTo(char* o) const {
        std::memcpy(o, digits_, DIGITS_MAX);
        return o + size_;
    }

private:
    std::size_t value_ = 0, size_ = 1;
    char digits_[DIGITS_MAX] = {'0'};
};

// The findings are put together a block at a time and each block written at
// once: a bank with a repeated line on every line has hundreds of thousands.
class Block {
public:
    explicit Block(std::ostream& out) : out_(out) {}
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block() { flush(); }

    void add(std::string_view s) {
        if (s.size() > SIZE - used_) flush();
        if (s.size() > SIZE) {
            out_.write(s.data(), static_cast<std::streamsize>(s.size()));
            return;
        }
        std::memcpy(buf_ + used_, s.data(), s.size());
        used_ += s.size();
    }
    void add(char c) { add(std::string_view(&c, 1)); }
    // "FILE:LINE: warning: the same line as line FIRST: delete one of them":
    // the commonest finding, put in place with one check for room and
    // copies of known length. `file` ends in ':' and is padded to a
    // multiple of FILE_STEP bytes.
    void repeated(std::string_view file, std::size_t padded, std::size_t line, std::size_t first) {
        if (SIZE - used_ < padded + sizeof REPEATED + sizeof REPEATED_END + 2 * DIGITS_MAX) flush();
        char* o = buf_ + used_;
        for (std::size_t i = 0; i < padded; i += FILE_STEP) std::memcpy(o + i, file.data() + i, FILE_STEP);
        line_.set(line);
        o = line_.copyTo(o + file.size());
        std::memcpy(o, REPEATED, sizeof REPEATED - 1);
        first_.set(first);
        o = first_.copyTo(o + sizeof REPEATED - 1);
        std::memcpy(o, REPEATED_END, sizeof REPEATED_END - 1);
        used_ = static_cast<std::size_t>(o + sizeof REPEATED_END - 1 - buf_);
    }
    void number(std::size_t n) {
        if (DIGITS_MAX > SIZE - used_) flush();
        used_ = static_cast<std::size_t>(std::to_chars(buf_ + used_, buf_ + SIZE, n).ptr - buf_);
    }
    void flush() {
        out_.write(buf_, static_cast<std::streamsize>(used_));
        used_ = 0;
    }

    static constexpr std::size_t SIZE = 1 << 16, FILE_STEP = 16;

private:
    Decimal line_, first_;  // of the last repeated line's finding
    std::ostream& out_;
    char buf_[SIZE];
    std::size_t used_ = 0;
};

}  // namespace

std::string FileReport::words(const Finding& f) const {
    if (!f.repeated) return texts[f.detail];
    return std::string(SAME_LINE) + std::to_string(f.detail) + std::string(DELETE_ONE);
}

std::vector<Finding> FileReport::oneByOne() const {
    std::vector<Finding> each;
    for (const Finding& f : findings)
        for (std::uint32_t i = 0; i < f.run; ++i)
            each.push_back({f.line + i, f.repeated ? f.firstAt(i) : f.detail, f.severity, f.repeated});
    return each;
}

void FileReport::sortByLine() {
    // A file's findings mostly come in line order already: each begins at
    // or after the line the one before ends on.
    const auto outOfOrder = [](const Finding& a, const Finding& b) { return b.line < a.line + a.run - 1; };
    if (!keepWords || std::adjacent_find(findings.begin(), findings.end(), outOfOrder) == findings.end()) return;
    findings = oneByOne();  // a finding that falls inside a run splits it
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

std::size_t Report::errors() const {
    std::size_t n = 0;
    for (const auto& f : files) n += f.errors();
    return n;
}

std::size_t Report::warnings() const {
    std::size_t n = 0;
    for (const auto& f : files) n += f.warnings();
    return n;
}

void writeReport(std::ostream& out, const Report& report, std::optional<std::size_t> max, bool verbose) {
    std::size_t written = 0, left = 0;
    {
        Block text(out);
        for (const auto& f : report.files) {
            const std::size_t found = f.errors() + f.warnings();
            if (max && written + found > *max) {
                const std::size_t shown = *max > written ? *max - written : 0;
                left += found - shown;
            }
            const std::string file = f.file + ':';
            // Read FILE_STEP bytes at a time, so the copy is a few fixed-size moves.
            const std::size_t padded = (file.size() + Block::FILE_STEP - 1) / Block::FILE_STEP * Block::FILE_STEP;
            const bool fits = padded <= Block::SIZE / 2;
            std::string filePadded = file;
            filePadded.resize(padded);
            for (const auto& x : f.findings) {
                if (max && written >= *max) break;
                if (x.repeated) {
                    for (std::uint32_t i = 0; i < x.run && !(max && written >= *max); ++i, ++written) {
                        if (fits) {
                            text.repeated({filePadded.data(), file.size()}, padded, x.line + i, x.firstAt(i));
                            continue;
                        }
                        text.add(file);
                        text.number(x.line + i);
                        text.add(REPEATED);
                        text.number(x.firstAt(i));
                        text.add(REPEATED_END);
                    }
                    continue;
                }
                ++written;
                text.add(file);
                if (x.line > 0) {
                    text.number(x.line);
                    text.add(':');
                }
                text.add(x.severity == Severity::Error ? " error: " : " warning: ");
                text.add(f.texts[x.detail]);
                text.add('\n');
            }
        }
    }
    if (left > 0) out << "... " << plural(left, "more finding") << " not listed (--max " << *max << ").\n";
    if (written > 0) out << '\n';
    for (const auto& f : report.files) {
        if (!verbose && f.errors() + f.warnings() == 0) continue;
        out << f.file << ": ";
        if (f.read) out << plural(f.lines, "line") << ", ";
        out << tally(f.errors(), f.warnings()) << '\n';
    }
    out << "Total: " << plural(report.files.size(), "file") << ", " << tally(report.errors(), report.warnings())
        << ".\n";
}

std::string shown(std::string_view text, std::size_t most) {
    std::string s;
    for (char c : text.substr(0, most)) s.push_back(c >= ' ' && c <= '~' ? c : '?');
    if (text.size() > most) s += "...";
    return s;
}

}  // namespace tess::check

#include "check/Findings.h"

#include <algorithm>
#include <charconv>

#include "console/TextFile.h"

namespace tess::check {

std::string unreadable(const std::string& path) {
    const std::string why = whyUnreadable(path);
    return why == "it is missing" ? "not found" : why;
}

namespace {

std::size_t count(const std::vector<Finding>& fs, Severity s) {
    return static_cast<std::size_t>(
        std::count_if(fs.begin(), fs.end(), [s](const Finding& f) { return f.severity == s; }));
}

std::string plural(std::size_t n, const char* one) { return std::to_string(n) + " " + one + (n == 1 ? "" : "s"); }

std::string tally(std::size_t errors, std::size_t warnings) {
    if (errors == 0 && warnings == 0) return "no errors";
    if (warnings == 0) return plural(errors, "error");
    if (errors == 0) return "no errors, " + plural(warnings, "warning");
    return plural(errors, "error") + ", " + plural(warnings, "warning");
}

}  // namespace

std::size_t FileReport::errors() const { return count(findings, Severity::Error); }
std::size_t FileReport::warnings() const { return count(findings, Severity::Warning); }

namespace {
constexpr std::string_view SAME_LINE = "the same line as line ", DELETE_ONE = ": delete one of them";
}  // namespace

std::string Finding::words() const {
    if (repeats == 0) return what;
    return std::string(SAME_LINE) + std::to_string(repeats) + std::string(DELETE_ONE);
}

void FileReport::sortByLine() {
    const auto byLine = [](const Finding& a, const Finding& b) { return a.line < b.line; };
    // A file's findings mostly come in line order already.
    if (!keepWords || std::is_sorted(findings.begin(), findings.end(), byLine)) return;
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
    // The findings are put together in memory and written at once: a bank
    // with a repeated line on every line has hundreds of thousands.
    std::string text;
    const auto number = [&](std::size_t n) {
        char digits[24];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
    };
    for (const auto& f : report.files) {
        if (max && written + f.findings.size() > *max) {
            const std::size_t shown = *max > written ? *max - written : 0;
            left += f.findings.size() - shown;
        }
        for (const auto& x : f.findings) {
            if (max && written >= *max) break;
            ++written;
            text += f.file;
            text += ':';
            if (x.line > 0) {
                number(x.line);
                text += ':';
            }
            text += x.severity == Severity::Error ? " error: " : " warning: ";
            if (x.repeats > 0) {
                text += SAME_LINE;
                number(x.repeats);
                text += DELETE_ONE;
            } else {
                text += x.what;
            }
            text += '\n';
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (left > 0) out << "... " << plural(left, "more finding") << " not listed (--max " << *max << ").\n";
    if (written > 0) out << '\n';
    for (const auto& f : report.files) {
        if (!verbose && f.findings.empty()) continue;
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

#include "check/Findings.h"

#include <algorithm>

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

void FileReport::sortByLine() {
    if (!keepWords) return;
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
    for (const auto& f : report.files)
        for (const auto& x : f.findings) {
            if (max && written >= *max) {
                ++left;
                continue;
            }
            ++written;
            out << f.file << ':';
            if (x.line > 0) out << x.line << ':';
            out << (x.severity == Severity::Error ? " error: " : " warning: ") << x.what << '\n';
        }
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

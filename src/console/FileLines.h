#pragma once
// A file read whole, at once, and handed out line by line as views into it:
// the lines TextReader gives (CR LF, LF, no last line end; a bound cuts a
// line), without a read or an allocation per line. The bank readers and the
// checker read every line of big files; the rest of the program reads
// through TextReader.
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

// A file's bytes as read whole. Shared, so that one run reads each bank file
// once however many readers walk it.
struct FileBytes {
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    // Not a std::string: that would set every byte to zero before the read
    // writes it, as much work again as reading the file.
    std::unique_ptr<char[], Free> data;
    std::size_t size = 0;
    std::string_view view() const { return {data.get(), size}; }
};

// The file's bytes; nothing, with errno set, when TextReader would refuse the
// file too (a folder, a pipe, no right to read it).
std::shared_ptr<const FileBytes> readFileBytes(const std::string& path);

class FileLines {
public:
    FileLines() = default;
    explicit FileLines(const std::string& path) { open(path); }
    // False, with errno set, when readFileBytes refuses the file.
    bool open(const std::string& path);
    // Lines of bytes read before (from the first line on).
    void open(std::shared_ptr<const FileBytes> bytes);
    bool isOpen() const { return file_ != nullptr; }
    std::string_view bytes() const { return file_ ? file_->view() : std::string_view(); }

    // The next line without its line end; std::nullopt at the end of the file.
    // `wasLonger` tells whether the line was cut at `bound`.
    std::optional<std::string_view> readLine(std::size_t bound = std::string::npos, bool* wasLonger = nullptr) {
        if (wasLonger) *wasLonger = false;
        if (at_ >= bytes().size()) return std::nullopt;
        ++line_;
        const std::string_view rest = bytes().substr(at_);
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        at_ += end == std::string_view::npos ? rest.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > bound) {
            line = line.substr(0, bound);
            if (wasLonger) *wasLonger = true;
        }
        return line;
    }
    std::size_t lineNumber() const { return line_; }  // lines read so far

private:
    std::shared_ptr<const FileBytes> file_;
    std::size_t at_ = 0;
    std::size_t line_ = 0;
};

}  // namespace tess

#pragma once
// Packet files of the p and c layouts and list files as PDF, in the base
// Courier font (nothing embedded) at 10 characters and 6 lines to the inch,
// every line where the text file puts it. Knows nothing of the command line:
// `tessarin pdf` and a run that prints its packet both call writePdf.
#include <filesystem>
#include <string>
#include <string_view>

namespace tess::pdf {

enum class Paper { Letter, A4 };
enum class CardPages {
    Single,  // one 5 x 3 inch page per card, for card stock
    Sheet,   // three cards to a page of the paper, with cut marks
};

struct PdfOptions {
    Paper paper = Paper::Letter;
    CardPages cards = CardPages::Single;
};

enum class PdfOutcome {
    Written,
    NotPrintable,  // the t layout, not a packet or list file, or too many pages or too long a line: nothing written
    ReadFailed,
    WriteFailed,  // nothing left behind, an older PDF of that name untouched
};

struct PdfResult {
    PdfOutcome outcome = PdfOutcome::Written;
    std::string message;  // one line, naming the file, when not Written
    int pages = 0;        // PDF pages written
};

// Reads `in`, recognises its kind from its content and writes `out` under a
// temporary name renamed into place, so a failed write never leaves half a PDF.
PdfResult writePdf(const std::filesystem::path& in, const std::filesystem::path& out, const PdfOptions& options);

// The same for the bytes of a file already in memory; `name` is the name
// the messages use.
PdfResult writePdfFromText(std::string_view bytes, const std::string& name, const std::filesystem::path& out,
                           const PdfOptions& options);

// The PDF of `in` made in memory, for a caller that sends it elsewhere
// (tessarin pdf -o - to standard output); `pdf` is set when Written.
PdfResult renderPdf(const std::filesystem::path& in, const PdfOptions& options, std::string& pdf);
PdfResult renderPdfFromText(std::string_view bytes, const std::string& name, const PdfOptions& options,
                            std::string& pdf);

}  // namespace tess::pdf

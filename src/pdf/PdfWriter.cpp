// The PDF of a printable text file, drawn with libharu: one text block per
// page or card, placed the way a text printer at 10 characters and 6 lines
// to the inch would put it on the paper.
#include "pdf/PdfWriter.h"

#include <hpdf.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "console/TextFile.h"
#include "core/Version.h"
#include "pdf/PrintText.h"

namespace tess::pdf {

namespace {

constexpr double INCH = 72;
constexpr double FONT_SIZE = 12;    // Courier 12 point: 10 characters to the inch
constexpr double LEAD = 12;         // 6 lines to the inch
constexpr double ADVANCE = 0.6;     // Courier's width, in ems
constexpr double BASELINE = 0.236;  // from the middle of that height down to the baseline, in ems
constexpr double CARD_WIDTH = 5 * INCH, CARD_HEIGHT = 3 * INCH;
constexpr int CARDS_PER_SHEET = 3;
constexpr std::size_t MOST_BYTES = 64u << 20;  // far beyond 135 packets of 30 questions
// What can be laid out: libharu keeps every page in one page-tree node of at
// most 32,767 entries, and a line of 1,000 columns is printed at under one
// point already (a packet's lines are under 80).
constexpr std::size_t MOST_PAGES = 30000;
constexpr std::size_t MOST_COLUMNS = 1000;

struct Box {
    double left, bottom, width, height;
};

// Where the lines of one page or card go and how large.
struct TextFit {
    double left, top, lead, size;
};

// A block of `rows` lines of `cols` columns at 10 and 6 to the inch, centred
// in the box; a block too large for the box less its margins is made to fit,
// the line spacing for too many lines, the font for too many columns or too
// close a spacing.
TextFit fit(const Box& b, std::size_t rows, std::size_t cols, double marginX, double marginY) {
    rows = std::max<std::size_t>(rows, 1);
    cols = std::max<std::size_t>(cols, 1);
    double size = FONT_SIZE, lead = LEAD;
    const double roomW = b.width - 2 * marginX, roomH = b.height - 2 * marginY;
    if (static_cast<double>(cols) * ADVANCE * size > roomW) size = roomW / (static_cast<double>(cols) * ADVANCE);
    if (static_cast<double>(rows) * lead > roomH) lead = roomH / static_cast<double>(rows);
    // Lines closer than the font's size look crammed on paper (and
    // overprint further on): the font shrinks with them.
    size = std::min(size, lead);
    const double advance = ADVANCE * size;
    const double w = static_cast<double>(cols) * advance, h = static_cast<double>(rows) * lead;
    // The left edge on a whole column from the paper's edge, so that text
    // extractors that count columns from there agree on every line.
    const double left = std::round((b.left + (b.width - w) / 2) / advance) * advance;
    return {left, b.bottom + b.height - (b.height - h) / 2, lead, size};
}

struct PaperSize {
    double width, height;
};

PaperSize paperSize(Paper p) { return p == Paper::A4 ? PaperSize{595.276, 841.89} : PaperSize{612, 792}; }

// libharu reports through a callback; the first error is kept and the
// document is given up when the pages are done.
struct HaruError {
    HPDF_STATUS code = HPDF_OK;
    HPDF_STATUS detail = HPDF_OK;
};

void onHaruError(HPDF_STATUS code, HPDF_STATUS detail, void* user) {
    auto* e = static_cast<HaruError*>(user);
    if (e->code == HPDF_OK) {
        e->code = code;
        e->detail = detail;
    }
}

class Document {
public:
    Document() : doc_(HPDF_New(onHaruError, &error_)) {
        if (!doc_) return;
        HPDF_SetCompressionMode(doc_, HPDF_COMP_ALL);
        const std::string creator = std::string("Tessarin ") + PROGRAM_VERSION;
        HPDF_SetInfoAttr(doc_, HPDF_INFO_CREATOR, creator.c_str());
        // WinAnsiEncoding is Windows-1252, the code page PrintText gives.
        font_ = HPDF_GetFont(doc_, "Courier", "WinAnsiEncoding");
    }
    ~Document() {
        if (doc_) HPDF_Free(doc_);
    }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    bool failed() const { return !doc_ || !font_ || error_.code != HPDF_OK; }
    bool started() const { return doc_ && font_; }  // libharu itself could start (memory, the font)
    std::string failure() const {
        char buf[64];
        std::snprintf(buf, sizeof buf, "libharu error 0x%04X/%u", static_cast<unsigned>(error_.code),
                      static_cast<unsigned>(error_.detail));
        return doc_ ? buf : "libharu could not start";
    }

    // A new page, or null once libharu has failed (nothing more is drawn).
    HPDF_Page page(double width, double height) {
        if (failed()) return nullptr;
        HPDF_Page pg = HPDF_AddPage(doc_);
        if (!pg || HPDF_Page_SetWidth(pg, static_cast<HPDF_REAL>(width)) != HPDF_OK ||
            HPDF_Page_SetHeight(pg, static_cast<HPDF_REAL>(height)) != HPDF_OK)
            return nullptr;
        ++pages_;
        return pg;
    }
    int pages() const { return pages_; }

    void lines(HPDF_Page pg, const PrintPage& lines, const TextFit& f) {
        if (!pg || HPDF_Page_BeginText(pg) != HPDF_OK) return;
        if (HPDF_Page_SetFontAndSize(pg, font_, static_cast<HPDF_REAL>(f.size)) != HPDF_OK) return;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& l = lines[i];
            if (l.empty()) continue;
            // Leading blanks become the start position, so no viewer or
            // text extractor has to count blanks.
            const std::size_t lead = l.find_first_not_of(' ');
            const double x = f.left + static_cast<double>(lead) * ADVANCE * f.size;
            const double y = f.top - (static_cast<double>(i) + 0.5) * f.lead - BASELINE * f.size;
            if (HPDF_Page_TextOut(pg, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(y), l.c_str() + lead) != HPDF_OK)
                return;
        }
        HPDF_Page_EndText(pg);
    }

    // Light ticks outside the corners of cards stacked without a gap: one
    // across each edge between two cards and at the top and bottom.
    void cutMarks(HPDF_Page pg, double left, double top, int cards) {
        if (!pg) return;
        constexpr double GAP = 0.1 * INCH, TICK = 0.3 * INCH;
        HPDF_Page_SetGrayStroke(pg, 0.6f);
        HPDF_Page_SetLineWidth(pg, 0.4f);
        auto line = [&](double x0, double y0, double x1, double y1) {
            HPDF_Page_MoveTo(pg, static_cast<HPDF_REAL>(x0), static_cast<HPDF_REAL>(y0));
            HPDF_Page_LineTo(pg, static_cast<HPDF_REAL>(x1), static_cast<HPDF_REAL>(y1));
        };
        const double right = left + CARD_WIDTH, bottom = top - cards * CARD_HEIGHT;
        for (int k = 0; k <= cards; ++k) {
            const double y = top - k * CARD_HEIGHT;
            line(left - GAP - TICK, y, left - GAP, y);
            line(right + GAP, y, right + GAP + TICK, y);
        }
        for (const double x : {left, right}) {
            line(x, top + GAP, x, top + GAP + TICK);
            line(x, bottom - GAP, x, bottom - GAP - TICK);
        }
        HPDF_Page_Stroke(pg);
    }

    std::string bytes() {
        std::string out;
        if (failed() || HPDF_SaveToStream(doc_) != HPDF_OK) return out;
        HPDF_UINT32 size = HPDF_GetStreamSize(doc_);
        out.resize(size);
        if (HPDF_ReadFromStream(doc_, reinterpret_cast<HPDF_BYTE*>(out.data()), &size) != HPDF_OK) out.clear();
        out.resize(size);
        return out;
    }

private:
    HaruError error_;
    HPDF_Doc doc_;
    HPDF_Font font_ = nullptr;
    int pages_ = 0;
};

void drawPages(Document& d, const std::vector<PrintPage>& pages, const PdfOptions& o, std::size_t rows) {
    const PaperSize paper = paperSize(o.paper);
    const std::size_t cols = std::max<std::size_t>(PAGE_COLUMNS, widestLine(pages));
    // Half an inch above and below at the least: 60 lines at 6 to the inch fill a Letter page.
    const TextFit f = fit({0, 0, paper.width, paper.height}, rows, cols, INCH / 4, INCH / 2);
    for (const auto& p : pages)
        if (HPDF_Page pg = d.page(paper.width, paper.height))
            d.lines(pg, p, f);
        else
            return;
}

void drawCards(Document& d, const std::vector<PrintPage>& cards, const PdfOptions& o) {
    const std::size_t cols = std::max<std::size_t>(CARD_COLUMNS, widestLine(cards));
    const std::size_t rows = std::max<std::size_t>(CARD_LINES, longestPage(cards));
    if (o.cards == CardPages::Single) {
        const TextFit f = fit({0, 0, CARD_WIDTH, CARD_HEIGHT}, rows, cols, 0, 0);
        for (const auto& c : cards)
            if (HPDF_Page pg = d.page(CARD_WIDTH, CARD_HEIGHT))
                d.lines(pg, c, f);
            else
                return;
        return;
    }
    const PaperSize paper = paperSize(o.paper);
    const double left = (paper.width - CARD_WIDTH) / 2;
    const double top = paper.height - (paper.height - CARDS_PER_SHEET * CARD_HEIGHT) / 2;
    for (std::size_t first = 0; first < cards.size(); first += CARDS_PER_SHEET) {
        HPDF_Page pg = d.page(paper.width, paper.height);
        if (!pg) return;
        const int here = static_cast<int>(std::min<std::size_t>(CARDS_PER_SHEET, cards.size() - first));
        d.cutMarks(pg, left, top, here);
        for (int k = 0; k < here; ++k) {
            const Box cell{left, top - (k + 1) * CARD_HEIGHT, CARD_WIDTH, CARD_HEIGHT};
            d.lines(pg, cards[first + static_cast<std::size_t>(k)], fit(cell, rows, cols, 0, 0));
        }
    }
}

// Why the pages cannot be laid out, as the end of a sentence naming the
// file; empty when they can.
std::string layoutProblem(const std::vector<PrintPage>& pages, TextKind kind, const PdfOptions& o) {
    const std::size_t sheets = kind == TextKind::Cards && o.cards == CardPages::Sheet
                                   ? (pages.size() + CARDS_PER_SHEET - 1) / CARDS_PER_SHEET
                                   : pages.size();
    if (sheets > MOST_PAGES)
        return "would make " + std::to_string(sheets) + " pages; a PDF of it can have at most " +
               std::to_string(MOST_PAGES) + " (is it a packet or list file?)";
    if (const std::size_t w = widestLine(pages); w > MOST_COLUMNS)
        return "has a line of " + std::to_string(w) + " characters; a PDF of it can print lines of at most " +
               std::to_string(MOST_COLUMNS) + " (is it a packet or list file?)";
    return {};
}

PdfResult failure(PdfOutcome o, std::string message) { return {o, std::move(message), 0}; }

std::string errnoText(int e) { return std::strerror(e); }

// Written as every file of the program is: into a file made anew beside
// `out` (exclusively, never through a link, listed for the signal guard),
// checked, and renamed into place.
bool writeAtomically(const std::filesystem::path& out, const std::string& bytes, std::string& why) {
    try {
        TextWriter w;
        if (!w.createStaged(out.string())) throw FileError(out.string(), "created", errno);
        w.write(bytes);
        w.commit();
        return true;
    } catch (const FileError& e) {
        why = e.what();
        return false;
    }
}

}  // namespace

PdfResult renderPdfFromText(std::string_view bytes, const std::string& name, const PdfOptions& options,
                            std::string& pdf) {
    const TextKind kind = recogniseText(bytes);
    if (kind == TextKind::Rows)
        return failure(
            PdfOutcome::NotPrintable,
            name + " is in the t layout, rows for a spreadsheet; to print, make the packet in the p or c layout");
    if (kind == TextKind::Unknown)
        return failure(PdfOutcome::NotPrintable,
                       name + " is neither a packet file of the p or c layout nor a list file");

    const auto pages = printPages(bytes, kind);
    if (std::string why = layoutProblem(pages, kind, options); !why.empty())
        return failure(PdfOutcome::NotPrintable, name + " " + why);
    Document d;
    if (kind == TextKind::Cards)
        drawCards(d, pages, options);
    else
        drawPages(d, pages, options, kind == TextKind::List ? LIST_PAGE_LINES : longestPage(pages));
    pdf = d.failed() ? std::string() : d.bytes();
    // Beyond the limits above libharu refuses nothing a packet can hold
    // (the print_text fuzz target holds it to that); should it, the file is
    // refused as one that cannot be laid out, never half drawn.
    if (d.failed() || pdf.empty())
        return failure(d.started() ? PdfOutcome::NotPrintable : PdfOutcome::WriteFailed,
                       "cannot lay out " + name + " as a PDF: " + d.failure());
    return {PdfOutcome::Written, {}, d.pages()};
}

PdfResult writePdfFromText(std::string_view bytes, const std::string& name, const std::filesystem::path& out,
                           const PdfOptions& options) {
    std::string pdf;
    PdfResult r = renderPdfFromText(bytes, name, options, pdf);
    if (r.outcome != PdfOutcome::Written) return r;
    if (std::string why; !writeAtomically(out, pdf, why)) return failure(PdfOutcome::WriteFailed, why);
    return r;
}

namespace {

// The packet or list file whole, within the size any of them can have.
std::optional<PdfResult> readInput(const std::string& name, std::string& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(name.c_str(), "rb"), std::fclose);
    if (!f) return failure(PdfOutcome::ReadFailed, "cannot read " + name + ": " + errnoText(errno));
    char buf[1 << 16];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f.get())) > 0;) {
        bytes.append(buf, n);
        if (bytes.size() > MOST_BYTES)
            return failure(PdfOutcome::NotPrintable, name + " is too large for a packet or list file");
    }
    if (std::ferror(f.get())) return failure(PdfOutcome::ReadFailed, "cannot read " + name + ": " + errnoText(errno));
    return std::nullopt;
}

}  // namespace

PdfResult writePdf(const std::filesystem::path& in, const std::filesystem::path& out, const PdfOptions& options) {
    std::string bytes;
    if (auto failed = readInput(in.string(), bytes)) return *failed;
    return writePdfFromText(bytes, in.string(), out, options);
}

PdfResult renderPdf(const std::filesystem::path& in, const PdfOptions& options, std::string& pdf) {
    std::string bytes;
    if (auto failed = readInput(in.string(), bytes)) return *failed;
    return renderPdfFromText(bytes, in.string(), options, pdf);
}

}  // namespace tess::pdf

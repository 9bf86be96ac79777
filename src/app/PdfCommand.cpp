// `tessarin pdf FILE`: a packet file of the p or c layout, or a list file,
// as a PDF beside it for printing.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "pdf/PdfWriter.h"

namespace tess {

namespace {

struct PdfArgs {
    std::string in;
    std::string out;
    std::string paper = "letter";
    std::string cards = "single";
};

int runPdf(const PdfArgs& a) {
    namespace fs = std::filesystem;
    fs::path out = a.out;
    if (out.empty()) out = fs::path(a.in).replace_extension(".pdf");
    // The PDF must never take the place of the file it is made from.
    std::error_code ec;
    if (fs::equivalent(a.in, out, ec) || fs::path(a.in).lexically_normal() == out.lexically_normal()) {
        std::fprintf(stderr, "tessarin: the PDF would overwrite %s: name another with -o\n", a.in.c_str());
        return exitstatus::USAGE;
    }
    pdf::PdfOptions o;
    o.paper = a.paper == "a4" ? pdf::Paper::A4 : pdf::Paper::Letter;
    o.cards = a.cards == "sheet" ? pdf::CardPages::Sheet : pdf::CardPages::Single;
    const pdf::PdfResult r = pdf::writePdf(a.in, out, o);
    if (r.outcome == pdf::PdfOutcome::Written) return exitstatus::OK;
    std::fprintf(stderr, "tessarin: %s\n", r.message.c_str());
    return r.outcome == pdf::PdfOutcome::NotPrintable ? exitstatus::USAGE : exitstatus::FILE_ERROR;
}

}  // namespace

void addPdfCommand(CLI::App& app, int& status) {
    auto args = std::make_shared<PdfArgs>();
    CLI::App* cmd = app.add_subcommand("pdf", "Make a PDF of a packet file (p or c layout) or a list file, for printing");
    cmd->add_option("FILE", args->in, "the packet file (.qui) or list file (.inf)")->required();
    cmd->add_option("-o,--output", args->out, "the PDF to write (default: FILE with .pdf for its extension)");
    cmd->add_option("--paper", args->paper, "paper of the p layout, list files and card sheets: letter (default) or a4")
        ->transform(CLI::IsMember({"letter", "a4"}, CLI::ignore_case));
    cmd->add_option("--cards", args->cards,
                    "c layout: single (default), one 5 x 3 inch page per card for card stock, or sheet, three "
                    "cards to a page of the paper with cut marks")
        ->transform(CLI::IsMember({"single", "sheet"}, CLI::ignore_case));
    cmd->callback([args, &status] { status = runPdf(*args); });
}

}  // namespace tess

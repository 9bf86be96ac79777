// `tessarin pdf FILE`: a packet file of the p or c layout, or a list file,
// as a PDF beside it for printing.
#include <unistd.h>

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
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

// What a PDF that was not written says, and its exit status.
int refused(const pdf::PdfResult& r) {
    commandMessage(r.message);
    return r.outcome == pdf::PdfOutcome::NotPrintable ? exitstatus::USAGE : exitstatus::FILE_ERROR;
}

// `-o -`: the PDF on standard output, for a pipe (`| lp`). A terminal would
// show it as noise, so it is refused there.
int pdfToStandardOutput(const PdfArgs& a, const pdf::PdfOptions& o) {
    if (::isatty(STDOUT_FILENO) == 1) {
        commandMessage("will not write a PDF to a terminal: redirect standard output, or name a file with -o");
        return exitstatus::USAGE;
    }
    std::string bytes;
    const pdf::PdfResult r = pdf::renderPdf(a.in, o, bytes);
    if (r.outcome != pdf::PdfOutcome::Written) return refused(r);
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return exitstatus::OK;  // a write that failed is told as the command line ends
}

pdf::PdfOptions optionsOf(const PdfArgs& a) {
    pdf::PdfOptions o;
    o.paper = a.paper == "a4" ? pdf::Paper::A4 : pdf::Paper::Letter;
    o.cards = a.cards == "sheet" ? pdf::CardPages::Sheet : pdf::CardPages::Single;
    return o;
}

int runPdf(const PdfArgs& a) {
    namespace fs = std::filesystem;
    if (a.out == "-") return pdfToStandardOutput(a, optionsOf(a));
    fs::path out = a.out;
    if (out.empty()) {
        // A run's packet and list files share a name: the list's PDF must not
        // replace the packet's.
        const fs::path in = a.in;
        out = in.extension() == ".inf" ? fs::path(in).replace_filename(in.stem().string() + "-list.pdf")
                                       : fs::path(in).replace_extension(".pdf");
    }
    // The PDF must never take the place of the file it is made from.
    std::error_code ec;
    if (fs::equivalent(a.in, out, ec) || fs::path(a.in).lexically_normal() == out.lexically_normal()) {
        commandMessage("the PDF would overwrite " + a.in + ": name another with -o");
        return exitstatus::USAGE;
    }
    const pdf::PdfResult r = pdf::writePdf(a.in, out, optionsOf(a));
    return r.outcome == pdf::PdfOutcome::Written ? exitstatus::OK : refused(r);
}

}  // namespace

void addPdfCommand(CLI::App& app, int& status) {
    CLI::App* cmd = app.add_subcommand("pdf", "Make a PDF of a packet file or a list file, to print");
    cmd->fallthrough();
    cmd->footer(
        "The kind of file is recognised from its content. The p layout and list\n"
        "files print a page of the file to a page of the paper in Courier at 10\n"
        "characters and 6 lines to the inch; the c layout prints its 5 x 3 inch\n"
        "cards. The t layout, for spreadsheets, is refused. Print with\n"
        "  tessarin pdf ch1to8.qui && lp ch1to8.pdf");
    auto args = std::make_shared<PdfArgs>();
    cmd->add_option("FILE", args->in, "The packet file (.qui) or list file (.inf)")->required()->type_name("");
    cmd->add_option(
           "-o,--output", args->out,
           "The PDF to write (default: FILE with the extension\n.pdf; for a list file NAME.inf, NAME-list.pdf;\n- for standard output)")
        ->type_name("OUT.pdf");
    cmd->add_option("--paper", args->paper, "letter (default) or a4: the paper of pages and card sheets")
        ->type_name("PAPER")
        ->transform(CLI::IsMember({"letter", "a4"}, CLI::ignore_case));
    cmd->add_option("--cards", args->cards,
                    "c layout: single (default), a 5 x 3 inch page a card;\n"
                    "sheet, three cards a page, with cut marks")
        ->type_name("HOW")
        ->transform(CLI::IsMember({"single", "sheet"}, CLI::ignore_case));
    cmd->callback([args, &status] { status = runPdf(*args); });
}

}  // namespace tess

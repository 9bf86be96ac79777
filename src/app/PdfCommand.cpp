// `tessarin pdf FILE`: a packet file of the p or c layout, or a list file,
// as a PDF beside it for printing.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <map>
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
    pdf::PdfOptions options;
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
    const pdf::PdfResult r = pdf::writePdf(a.in, out, a.options);
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
    cmd->add_option("--paper", args->options.paper, "paper of the p layout, list files and card sheets")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, pdf::Paper>{{"letter", pdf::Paper::Letter}, {"a4", pdf::Paper::A4}}, CLI::ignore_case))
        ->default_str("letter");
    cmd->add_option("--cards", args->options.cards,
                    "c layout: single 5 x 3 inch pages, or three cards to a sheet of the paper with cut marks")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, pdf::CardPages>{{"single", pdf::CardPages::Single}, {"sheet", pdf::CardPages::Sheet}},
            CLI::ignore_case))
        ->default_str("single");
    cmd->callback([args, &status] { status = runPdf(*args); });
}

}  // namespace tess

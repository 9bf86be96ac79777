// `tessarin init [DIR]`: makes DIR a working folder from the sample bank.
#include <CLI/CLI.hpp>
#include <iostream>
#include <stdexcept>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "app/Workspace.h"

namespace tess {

namespace {

// Names after a heading, wrapped to stay within 80 columns.
void listNames(std::ostream& out, const std::string& heading, const std::vector<std::string>& names) {
    if (names.empty()) return;
    out << heading;
    std::size_t col = 80;
    for (const std::string& n : names) {
        if (col + 1 + n.size() > 78) {
            out << "\n ";
            col = 1;
        }
        out << ' ' << n;
        col += 1 + n.size();
    }
    out << '\n';
}

}  // namespace

void addInitCommand(CLI::App& app, int& status) {
    CLI::App* cmd = app.add_subcommand("init", "Set up a working folder from the sample bank and styles");
    cmd->fallthrough();
    cmd->footer(
        "Copies the sample bank and styles (Specs.lst, New.spe, the styles,\n"
        "Verses.txt, the bank files) into DIR, default the current folder.\n"
        "Files already there are kept as they are. The sample is taken from\n"
        "TESSARIN_DATA when it is set.");
    auto dir = std::make_shared<std::string>(".");
    cmd->add_option("DIR", *dir, "The folder to set up (made if missing)")->type_name("");
    cmd->callback([dir, &status] {
        const auto sample = findSample(sampleCandidates());
        if (!sample) {
            const SampleCandidates c = sampleCandidates();
            commandMessage(c.fromEnvironment.empty()
                               ? "no sample bank found (install tessarin, or set TESSARIN_DATA)"
                               : "TESSARIN_DATA=" + c.fromEnvironment + " holds no sample bank (no Specs.lst)");
            status = exitstatus::FILE_ERROR;
            return;
        }
        try {
            const CopyReport r = copySample(*sample, *dir);
            std::error_code ec;
            std::filesystem::path where = std::filesystem::absolute(*dir, ec).lexically_normal();
            if (where.filename().empty()) where = where.parent_path();  // "dir/." normalises to "dir/"
            std::cout << "Set up " << where.string() << " from " << sample->string() << ".\n";
            listNames(std::cout, "Copied " + std::to_string(r.copied.size()) + " files:", r.copied);
            listNames(std::cout, "Kept " + std::to_string(r.kept.size()) + " files already there:", r.kept);
            status = exitstatus::OK;
        } catch (const std::exception& e) {
            commandMessage(e.what());
            status = exitstatus::FILE_ERROR;
        }
    });
}

}  // namespace tess

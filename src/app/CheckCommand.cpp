// `tessarin check [--dir DIR] [--max N] [FILE...]`: findings on standard
// output, exit status FINDINGS when any of them is an error.
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>

#include "app/CheckCommand.h"
#include "app/ExitStatus.h"
#include "check/Check.h"

void addCheckCommand(CLI::App& app, int& status) {
    struct Options {
        std::string dir = ".";
        std::optional<std::size_t> max;
        std::vector<std::string> files;
    };
    auto opt = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand(
        "check", "Check the question bank, Verses.txt, Specs.lst, the styles and the count files; list every fault");
    cmd->footer("Each finding is a line FILE:LINE: error: WHAT (or warning), then a summary per file and a total.\n"
                "Exit status: 0 no errors (warnings allowed), 3 errors found, 2 bad usage.");
    cmd->add_option("--dir", opt->dir, "The folder of the bank (default: the working directory)")
        ->check(CLI::ExistingDirectory);
    cmd->add_option("--max", opt->max, "List at most N findings (the summaries still count them all)")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("FILE", opt->files,
                    "Check only these files of the folder; the kind of each is known from its name");
    cmd->callback([opt, &status] {
        const tess::check::Report report = tess::check::checkBank(opt->dir, opt->files);
        tess::check::writeReport(std::cout, report, opt->max);
        std::cout.flush();
        status = report.errors() > 0 ? tess::exitstatus::FINDINGS : tess::exitstatus::OK;
    });
}

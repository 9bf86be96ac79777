// `tessarin check [--max N] [FILE...]`: every fault of the bank in the folder
// (the program-wide -C/--dir chooses it), on standard output; exit status
// FINDINGS when any of them is an error.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "check/Check.h"

namespace tess {

void addCheckCommand(CLI::App& app, int& status) {
    struct Options {
        std::optional<int> max;
        bool verbose = false;
        std::vector<std::string> files;
    };
    auto opt = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("check", "List every fault of the bank, its styles and count files");
    cmd->fallthrough();  // -C/--dir DIR may follow the command word
    cmd->footer(
        "With no FILE: every bank file in the folder, Verses.txt, Specs.lst,\n"
        "every style it lists and New.spe, and every count file against its\n"
        "bank files. Each finding is a line FILE:LINE: error: WHAT (or\n"
        "warning: WHAT), then a summary of each file with findings and the\n"
        "total; a clean bank is one line. --verbose sums up every file.\n"
        "Exit status: 0 no errors (warnings allowed), 3 errors found.");
    cmd->add_option("--max", opt->max, "List at most N findings (the summaries count them all)")
        ->type_name("N")
        ->check(CLI::Validator(
            [](const std::string& v) {
                return !v.empty() && v.find_first_not_of("0123456789") == std::string::npos
                           ? std::string()
                           : "N is a number of findings, 0 or more, not '" + v + "'";
            },
            ""));
    cmd->add_flag("-v,--verbose", opt->verbose, "A summary line for every file read, with or without findings");
    cmd->add_option("FILE", opt->files, "Check only these files; the kind of each is known from its name")
        ->type_name("");
    cmd->callback([opt, &status] {
        std::optional<std::size_t> max;
        if (opt->max) max = static_cast<std::size_t>(*opt->max);
        check::Report report;
        try {
            report = check::checkBank(".", opt->files, check::listsFindings(max));
        } catch (const std::filesystem::filesystem_error& e) {
            // The checker names every file it cannot read; one it cannot even look at ends the check.
            commandMessage(e.what());
            status = exitstatus::FILE_ERROR;
            return;
        }
        check::writeReport(std::cout, report, max, opt->verbose);
        std::cout.flush();
        status = report.errors() > 0 ? exitstatus::FINDINGS : exitstatus::OK;
    });
}

}  // namespace tess

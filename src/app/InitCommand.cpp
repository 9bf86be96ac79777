// `tessarin init [--material NAME] [DIR]` and `init --list`: makes DIR a
// working folder from a sample bank, or names the samples.
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

// Where the samples were looked for, for a message that finds none.
std::string whereLooked(const SampleCandidates& c) {
    return c.fromEnvironment.empty() ? "no sample bank found (install tessarin, or set TESSARIN_DATA)"
                                     : "TESSARIN_DATA=" + c.fromEnvironment + " holds no sample bank (no Specs.lst)";
}

std::string materialNames(const std::vector<Sample>& samples) {
    std::string names;
    for (const Sample& s : samples) names += (names.empty() ? "" : ", ") + s.material;
    return names;
}

}  // namespace

void addInitCommand(CLI::App& app, int& status) {
    CLI::App* cmd = app.add_subcommand("init", "Set up a working folder from the sample bank and styles");
    cmd->fallthrough();
    cmd->footer(
        "Copies a sample bank and styles (Specs.lst, New.spe, the styles,\n"
        "Books.txt, Verses.txt, the bank files) into DIR, default the current\n"
        "folder. Files already there are kept as they are. --list names the\n"
        "samples (a material and its books, one a line). The samples are\n"
        "taken from TESSARIN_DATA when it is set.");
    auto dir = std::make_shared<std::string>(".");
    auto material = std::make_shared<std::string>();
    auto list = std::make_shared<bool>(false);
    cmd->add_option("DIR", *dir, "The folder to set up (made if missing)")->type_name("");
    CLI::Option* named =
        cmd->add_option("--material", *material, "The sample to copy: luke (the default), james, peter...")
            ->type_name("NAME");
    cmd->add_flag("--list", *list, "Name the samples and their books, and copy nothing")->excludes(named);
    cmd->callback([dir, material, list, named, &status] {
        const SampleCandidates c = sampleCandidates();
        if (*list) {
            const std::vector<Sample> samples = findSamples(c);
            if (samples.empty()) {
                commandMessage(whereLooked(c));
                status = exitstatus::FILE_ERROR;
                return;
            }
            for (const Sample& s : samples) {
                std::cout << s.material;
                for (const std::string& b : sampleBooks(s.dir)) std::cout << ' ' << b;
                std::cout << '\n';
            }
            status = exitstatus::OK;
            return;
        }
        const std::optional<std::string> wanted = named->count() ? std::optional(*material) : std::nullopt;
        const auto sample = findSample(c, wanted);
        if (!sample) {
            const std::vector<Sample> samples = findSamples(c);
            if (!samples.empty()) {
                commandMessage("no sample material \"" + wanted.value_or(DEFAULT_MATERIAL) + "\" (the samples are " +
                               materialNames(samples) + "; tessarin init --list names their books)");
                status = wanted ? exitstatus::USAGE : exitstatus::FILE_ERROR;
            } else {
                commandMessage(whereLooked(c));
                status = exitstatus::FILE_ERROR;
            }
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

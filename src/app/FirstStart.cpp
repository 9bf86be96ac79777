#include "app/FirstStart.h"

#include <exception>
#include <string>

#include "app/Workspace.h"
#include "core/Messages.h"
#include "output/Screens.h"

namespace fs = std::filesystem;

namespace tess {

namespace {

void waitForReturn(Console& c, const std::string& prompt) {
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
    c.gotoXY(3, 23);
    c.write(prompt);
    while (c.readKey() != key::Return) {
    }
}

}  // namespace

void offerFirstStart(Program& p, const std::optional<fs::path>& sample) {
    Console& c = screenOf(p);
    std::error_code ec;
    fs::path folder = fs::absolute(p.dir, ec).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();

    WRITEHDG(c);
    c.gotoXY(3, 4);
    c.write("This folder has no quiz styles yet (no Specs.lst and no New.spe):");
    c.gotoXY(5, 6);
    c.textColor(colour::White);
    writeWrapped(c, 5, folder.string());
    c.textColor(colour::Yellow);
    if (!sample) {
        c.gotoXY(3, 10);
        writeWrapped(c, 3,
                     "No sample bank was found to set it up from: install tessarin, or set TESSARIN_DATA to a "
                     "folder that holds one, and start again.");
        waitForReturn(c, "Press Return to go on with an empty menu. ");
        return;
    }
    c.gotoXY(3, 10);
    writeWrapped(c, 3,
                 "Set it up from the sample bank of Luke? Its styles, Verses.txt and question bank are copied "
                 "in, as \"tessarin init\" does.");
    c.gotoXY(3, 14);
    c.textColor(colour::White);
    c.write("Y");
    c.textColor(colour::Yellow);
    c.write(": set it up      ");
    c.textColor(colour::White);
    c.write("N");
    c.textColor(colour::Yellow);
    c.write(": go on with an empty menu");
    for (;;) {
        const int k = c.readKey();
        if (k == 'n' || k == 'N' || k == key::Esc) return;
        if (k == 'y' || k == 'Y') break;
    }
    c.gotoXY(3, 17);
    try {
        const CopyReport r = copySample(*sample, p.dir);
        writeWrapped(c, 3, "Copied " + std::to_string(r.copied.size()) + " files from " + sample->string() + ".");
    } catch (const std::exception& e) {
        c.textColor(colour::White);
        c.textBackground(colour::Red);
        writeWrapped(c, 3, std::string("The folder could not be set up: ") + e.what());
    }
    waitForReturn(c, "Press Return to continue. ");
}

}  // namespace tess

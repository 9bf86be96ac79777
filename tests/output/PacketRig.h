#pragma once
// A hand-made quiz state on the fixture, written with OPUT to a packet file
// of the scratch directory and read back as lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/Continuation.h"
#include "output/PacketWriter.h"
#include "output/Slot.h"
#include "support/Fixture.h"

namespace tess::testing {

inline std::string blanks(std::size_t n) { return std::string(n, ' '); }

class PacketTest : public ::testing::Test, public Fixture {
protected:
    PacketTest() {
        r.NAME = "Berean";
        r.Q2 = 1;
        range(1, 1, 24, 53);
        r.AB = 20;
        r.LPP = 60;
        r.OUT = 'c';
    }
    // Appends a slot of the given kind holding the bank line (split into its
    // two strings the way the pickers read it).
    void slot(char kind, const std::string& line) {
        const int x = ++r.SECTORS;
        pattern += kind;
        r.ALL[x] = line;  // cut after its 254th character
        const std::string_view second = afterChars(line, LMAX);
        r.ALL2[x] = second.empty() ? std::string_view(" ") : second;
        r.RLBK[x] = 'L';
    }

    std::string write() {
        p.run.TYP = pattern;
        p.run.packetFile.create(p.file("packet.qui"));
        OPUT(p);
        p.run.packetFile.close();
        return dir.read("packet.qui");
    }
    std::vector<std::string> lines() { return splitLines(write()); }

    // The line buffer of a slot, set by hand for the continuation printers,
    // one character to a position.
    void setBuffer(const std::string& text) {
        const auto g = glyphs(text);
        for (int i = 1; i <= A2LEN; ++i)
            cur.A2[i] = static_cast<std::size_t>(i) <= g.size() ? g[static_cast<std::size_t>(i - 1)] : Glyph(' ');
    }
    // Runs a continuation printer from `mark` into the packet file.
    std::vector<std::string> printRest(void (*printer)(PacketCursor&), int mark) {
        p.run.packetFile.create(p.file("rest.txt"));
        cur.LINES = 0;
        continueFrom(cur, mark, printer);
        p.run.packetFile.close();
        return dir.readLines("rest.txt");
    }

    std::string pattern;
    PacketCursor cur{p.run.packetFile};  // the continuation printers' own
};

}  // namespace tess::testing

#pragma once
// Telling the user things: the restart message, the form's two-row problem
// line, notes on a cleared screen, and the message rows of generation (with
// their run-log lines). Every message breaks between words inside its rows.
#include <string>
#include <string_view>
#include <vector>

#include "console/Console.h"
#include "core/Program.h"

namespace tess {

// Clears rows 2 to 24 in the current background colour; cursor to (1, 3).
void CLR(Console& c);
void CLR(Program& p);  // on the front end's screen (screenOf)

// Writes text from the cursor, breaking lines between words so that no word
// is cut at column 80; each further line starts at column `indent`. A word
// longer than a line is cut where the line ends.
void writeWrapped(Console& c, int indent, std::string_view text);

// Restarts the run with a message for the user, shown (and told as the
// reason the run stopped) by whoever catches it. For conditions the user can mend.
[[noreturn]] void failRestart(Program& p, const std::string& message);

// The one place a restart's message is shown: white on red on a cleared
// screen, then a wait for Return. Shows nothing when it has no message.
void showRestart(Program& p, const RestartRun& restart);

// Lines the user should know about (for example clamped settings), given to
// the run's Ask (Ask::notes). Does nothing when there are none.
void tellNotes(Program& p, const std::vector<std::string>& notes);
// The screen's way: on a cleared screen, then a wait for Return.
void showNotes(Program& p, const std::vector<std::string>& notes);

// Shows a problem in white on red on rows 23-24, waits for Return, and clears
// the rows again in blue. The form's way: the form stays on screen.
void tellProblem(Program& p, const std::string& message);

// The same rows without a wait: a note that stays while the user goes on
// (the rule a style breaks, a value the form replaced) until clearNote.
void showNote(Program& p, const std::string& message);
std::string noteText(const Program& p);  // the rows as shown; empty without a note
void clearNote(Program& p);  // the rows blue again, the colours kept

// The text broken between words into rows of at most `width` characters; a
// word longer than a row is cut where the row ends.
std::vector<std::string> wrapRows(std::string_view text, std::size_t width);
// Says the words through the run's Ask (Ask::say): the screen writes them at
// the cursor (ending the line when asked), a batch is told them; a warning,
// stop or result is said once, whoever listens.
void say(Program& p, Event::Kind kind, const std::string& text, bool lineEnd = false);

// The message rows of generation: advance RSET (rows 5..23, wrapping to a
// cleared screen), clear that row from column 3 and write the warning there.
// Each warning has its own run-log line (logLine), worded for the log.
void warn(Program& p, const std::string& text, bool lineEnd = false);

// Advances the message row and leaves the cursor at column 3 of the cleared row.
void nextMessageRow(Program& p);

// Goes to the message row RSET as it stands (a cleared screen when it is past
// the last one), cleared from column 3.
void currentMessageRow(Program& p);

// One line of the run log "temp.txt".
void logLine(Program& p, const std::string& text);

}  // namespace tess

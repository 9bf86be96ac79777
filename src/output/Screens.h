#pragma once
// The title, stop and closing screens.
#include "console/Console.h"
#include "core/Program.h"
#include "core/Version.h"

namespace tess {

inline constexpr const char* PRODUCT = "Tessarin";
inline const std::string VERSION = std::string(" ") + PROGRAM_VERSION;
inline constexpr const char* ORGANISATION = "Orvalle";
inline constexpr const char* WEB_ADDRESS = "orvalle.org/tessarin";  // at most 34: the band never reaches (80,25)

// The stops and the closing screen, said through the run's Ask.
void QUESTWARN(Program& p);  // too few regular questions; waits for Return
void SPECWARN(Program& p);   // a specialty without questions; waits for two Returns
void THANK(Program& p);      // closing screen naming the .inf and .qui files

// What the full-screen program draws for them (run/ScreenAsk.cpp).
void WRITEHDG(Console& c, const Material& m = Material::luke());  // title bands; leaves yellow on blue
void drawTooFewRegular(Console& c);
void drawNoSpecialtyQuestions(Console& c);
void APPROVESPEC(Console& c);  // the two approval choices; leaves white on red
void drawThanks(Console& c);   // the closing screen's heading

}  // namespace tess

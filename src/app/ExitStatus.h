#pragma once
// The exit statuses of every command, in one place so that --help, the man
// page (docs/tessarin.1) and scripts agree. A signal that ends the program
// gives 128 + its number.
namespace tess::exitstatus {

inline constexpr int OK = 0;          // done
inline constexpr int REFUSED = 1;     // cannot start here: not a terminal, too small, unknown TERM, folder busy
inline constexpr int USAGE = 2;       // unknown command or option, bad argument
inline constexpr int FINDINGS = 3;    // tessarin check found errors
inline constexpr int MEND = 4;        // a run cannot go on until the style or the bank is mended
inline constexpr int FILE_ERROR = 5;  // a file could not be read or written (no sample bank to copy)
inline constexpr int FAULT = 70;      // an internal fault; the terminal is restored first

// The table --help ends with; keep it in step with the values above.
inline constexpr const char* SUMMARY =
    "Exit status: 0 done, 1 refused (not a terminal, too small, unknown TERM),\n"
    "2 usage, 3 check found errors, 4 style or bank to mend, 5 file error,\n"
    "70 internal fault.";

}  // namespace tess::exitstatus

#pragma once
// One way out for every fatal signal, whichever command runs: the terminal
// is given back (when the full-screen program has it), the process's
// temporary files and its folder lock are removed (TempFileRegistry), and
// the process dies of the signal with its default action, so the shell sees
// 128 + its number. A file-size limit reached by the program's own write is
// passed over instead, so the write fails with EFBIG ("File too large") and
// is told like a full disk.
namespace tess {

// Installs the handlers; main calls it before anything is written. Signals
// the parent ignores (nohup) stay ignored. Calling it again does nothing.
void guardFatalSignals();

}  // namespace tess

#include "run/StyleFile.h"

namespace tess {

bool readStyleFile(const std::string&, StyleSettings&, SharedSettings&, std::vector<std::string>&) { return false; }  // placeholder
void buildBankNames(RunState&, const SharedSettings&) {}

}  // namespace tess

#include "output/Screens.h"

namespace tess {

void WRITEHDG(Program&) {}  // placeholder
void QUESTWARN(Program&) {}
void SPECWARN(Program&) {}
void APPROVESPEC(Program&) {}
void THANK(Program&) {}

}  // namespace tess

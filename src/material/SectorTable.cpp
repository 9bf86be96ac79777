#include "material/SectorTable.h"

namespace tess {

void DISPLAY(Program&) {}  // placeholder

}  // namespace tess

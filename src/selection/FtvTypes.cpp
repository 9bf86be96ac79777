#include "selection/FtvTypes.h"

namespace tess {

void FINTYPES(Program&) {}  // placeholder until the specialty pickers land

}  // namespace tess

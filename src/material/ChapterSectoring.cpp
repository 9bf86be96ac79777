#include "material/ChapterSectoring.h"

namespace tess {

void CHAPSEC(Program&) {}  // placeholder

}  // namespace tess

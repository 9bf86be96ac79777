#pragma once
// The five kinds of question and where the run state keeps each kind's
// tables, so that what is done alike for every kind is written once.
#include <array>
#include <string>

#include "core/RunState.h"

namespace tess {

struct KindTables {
    std::string RunState::*file;       // its bank file (REGFILE, FTVFILE ...)
    Counts RunState::*count;           // per chapter and verse slot (QCOUNT ...)
    int RunState::*before;             // before the range (BEFORE ...)
    int RunState::*quest;              // inside the range (TQUEST ...)
    BySector<int> RunState::*undrawn;  // per sector: as sectored, then left in the cycle (QPS ...)
    BySector<int> RunState::*total;    // per sector, fixed when availability is set up (TQPS ...)
    Flags RunState::*avail;            // which questions may still be drawn (REGQUESTION ...)
};

namespace kinds {
inline const KindTables REGULAR{&RunState::REGFILE, &RunState::QCOUNT, &RunState::BEFORE,     &RunState::TQUEST,
                                &RunState::QPS,     &RunState::TQPS,   &RunState::REGQUESTION};
inline const KindTables FTV{&RunState::FTVFILE, &RunState::FCOUNT, &RunState::FBEFORE, &RunState::FQUEST,
                            &RunState::FPS,     &RunState::TFPS,   &RunState::FINISH};
inline const KindTables CV{&RunState::CVFILE, &RunState::RCOUNT, &RunState::RBEFORE,  &RunState::RQUEST,
                           &RunState::RPS,    &RunState::TRPS,   &RunState::REFERENCE};
inline const KindTables CO{&RunState::COFILE, &RunState::OCOUNT, &RunState::OBEFORE, &RunState::OQUEST,
                           &RunState::OPS,    &RunState::TOPS,   &RunState::ONLY};
inline const KindTables SIT{&RunState::SITFILE, &RunState::SCOUNT, &RunState::SBEFORE,  &RunState::SQUEST,
                            &RunState::SPS,     &RunState::TSPS,   &RunState::SITUATION};

// In the order of the count file's columns.
inline const std::array<const KindTables*, 5> ALL{&REGULAR, &FTV, &CV, &CO, &SIT};
inline const std::array<const KindTables*, 4> SPECIALTIES{&FTV, &CV, &CO, &SIT};
}  // namespace kinds

}  // namespace tess

#pragma once

namespace tess {

constexpr int VMAX = 85;    // verse slots per chapter in the count tables
constexpr int SCMAX = 30;   // sectors, and so positions per quiz
constexpr int SPXX = 50;    // specialty questions per sector and kind (flag tables)
constexpr int REGXX = 200;  // regular questions per sector (flag tables)
constexpr int QQZ = 135;    // quizzes per run (pattern table)
constexpr int LMAX = 254;   // characters of one text item

}  // namespace tess

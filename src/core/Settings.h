#pragma once
// The settings of a quiz style. The run side and the configuration unit each
// keep their own copy (RunState and Specc9 derive from StyleSettings); the
// few settings both use are held once in SharedSettings.
#include "console/Text.h"

namespace tess {

struct StyleSettings {
    char LG = ' ';
    int BCHAP = 1, BVER = 1, ECHAP = 1, EVER = 1;
    int LPP = 60;
    char OUT = 'C';
    int QMAX = 20;
    int AB = 16;
    int IPC = 50;
    char INDX = 'Y';
    int QNUM = 1;
    int REPEATPCT = 0;
    int SPMAX = 0, SPMIN = 0;
    int FMAX = 0, FMIN = 0;
    int RMAX = 0, RMIN = 0;
    int OMAX = 0, OMIN = 0;
    int SMAX = 0, SMIN = 0;
    int SPEARLY = 1, SPLATE = 30;
    FixedText<30> TYP;
};

struct SharedSettings {
    FixedText<14> NAME4;  // output file base name: NAME4.qui, NAME4.inf
    char REGLST = 'A';    // regular list letter
    char SEC1 = 'V';      // sectoring: C, V or Q
    int PRIMPCT = 100;    // primary FTV percentage; names FTV and count files
    char SETSPC = 'N';    // Y: specialty positions fixed by hand
    bool BACK = false;    // Esc on the 75-position pattern review screen
};

}  // namespace tess

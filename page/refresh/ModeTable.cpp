#include "page/refresh/ModeTable.h"

#include "resources/page/RefreshResources.h"
#include "text/Text.h"

namespace tarv {

// Constant data only: the compiler lays it out without any code running at load.
const ModeEntry ModeTable[ModeCount] = {
    {"640,480", "", "", 0, IDC_RATE_640X480, IDC_LABEL_640X480},
    {"800,600", "", "", 0, IDC_RATE_800X600, IDC_LABEL_800X600},
    {"960,720", "", "", 0, IDC_RATE_960X720, IDC_LABEL_960X720},
    {"1024,768", "", "", 0, IDC_RATE_1024X768, IDC_LABEL_1024X768},
    {"1152,864", "", "", 0, IDC_RATE_1152X864, IDC_LABEL_1152X864},
    {"1280,960", "", "", 0, IDC_RATE_1280X960, IDC_LABEL_1280X960},
    {"1280,1024", "", "", 0, IDC_RATE_1280X1024, IDC_LABEL_1280X1024},
    {"1600,1024", "", "", 0, IDC_RATE_1600X1024, IDC_LABEL_1600X1024},
    {"1600,1200", "", "", 0, IDC_RATE_1600X1200, IDC_LABEL_1600X1200},
    {"1792,1344", "", "", 0, IDC_RATE_1792X1344, IDC_LABEL_1792X1344},
    {"1856,1392", "", "", 0, IDC_RATE_1856X1392, IDC_LABEL_1856X1392},
    {"1920,1080", "", "", 0, IDC_RATE_1920X1080, IDC_LABEL_1920X1080},
    {"1920,1200", "", "", 0, IDC_RATE_1920X1200, IDC_LABEL_1920X1200},
    {"1920,1440", "", "", 0, IDC_RATE_1920X1440, IDC_LABEL_1920X1440},
    {"2048,1536", "", "", 0, IDC_RATE_2048X1536, IDC_LABEL_2048X1536},
};

void ResetModeEntries(ModeEntry (&entries)[ModeCount])
{
    CopyBytes(entries, ModeTable, sizeof ModeTable);
}

}  // namespace tarv

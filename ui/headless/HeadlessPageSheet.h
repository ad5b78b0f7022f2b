// A property sheet without windows: it counts what its page tells it.
#pragma once

#include "ui/PropertyPageLogic.h"

namespace tarv {

class HeadlessPageSheet : public PageSheet {
public:
    void SetModified(bool modified) override
    {
        if (modified)
            changedCount++;
        else
            unchangedCount++;
        sheetModified = modified;
    }

    bool sheetModified = false;  // the sheet's view: changed since the last PSM_UNCHANGED
    int changedCount = 0;        // PSM_CHANGED sent
    int unchangedCount = 0;      // PSM_UNCHANGED sent
};

}  // namespace tarv

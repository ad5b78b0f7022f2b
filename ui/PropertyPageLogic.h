// A property-sheet page: the dialog messages, and what the sheet adds for its pages. Only pages
// talk to a sheet, so the sheet is an interface of its own that pages receive.
#pragma once

#include "ui/DialogLogic.h"

namespace tarv {

// The property sheet that holds a page.
class PageSheet {
public:
    // Tells the sheet that the page changed (PSM_CHANGED) or is unchanged again (PSM_UNCHANGED).
    virtual void SetModified(bool modified) = 0;

protected:
    ~PageSheet() {}
};

class PropertyPageLogic : public DialogLogic {
public:
    // The sheet applies (PSN_APPLY); false keeps the sheet open on this page.
    virtual bool OnApply()
    {
        OnOK();
        return true;
    }
    // The sheet was cancelled (PSN_RESET).
    virtual void OnReset() { OnCancel(); }
    // The page's changes were accepted, or thrown away.
    virtual void OnOK() {}
    virtual void OnCancel() {}

protected:
    ~PropertyPageLogic() {}
};

}  // namespace tarv

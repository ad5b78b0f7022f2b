// Where a window's controls stand in each language: fixed rectangles in dialog units of the
// window's font, one narrow table for English and one wide table for the longer French and
// German texts (and any other language).
#pragma once

#include "ui/Dialog.h"

namespace tarv {

struct ControlPlacement {
    int id;
    int x;
    int y;
    int width;
    int height;
};

struct LayoutTable {
    const ControlPlacement* rows;
    int count;
};

const int PageLayoutRows = 22;
const int RatesLayoutRows = 31;

// The settings page; the English rectangles are those of its template.
extern const LayoutTable PageLayoutEnglish;
extern const LayoutTable PageLayoutWide;
// The Refresh Rates dialog: each resolution's label and rate list, then the link box.
extern const LayoutTable RatesLayoutEnglish;
extern const LayoutTable RatesLayoutWide;

// Moves every control of the table to its rectangle, in table order.
void ApplyLayout(Dialog& dialog, const LayoutTable& table);

}  // namespace tarv

// The fifteen screen resolutions whose refresh rates the Voodoo5 driver takes from the
// registry, and the colour depths it keeps them for. Every read, write and fill runs over the
// table in this order.
#pragma once

namespace tarv {

const unsigned ModeNameSize = 16;      // "2048,1536" and the like, at most 15 characters
const unsigned OfferedRatesSize = 128;  // at most 127 characters
const unsigned StoredRateSize = 16;    // at most 15 characters

struct ModeEntry {
    char name[ModeNameSize];              // mode key name: width and height joined by a comma
    char offeredRates[OfferedRatesSize];  // the mode key's default value as last read
    char storedRate[StoredRateSize];      // its "RefreshRate" as last read, or the save's choice
    int present;                          // the mode key existed at the last read
    int comboId;
    int labelId;
};

const int ModeCount = 15;
extern const ModeEntry ModeTable[ModeCount];

// Bits per pixel, as they appear in the MODES key paths.
const int ColorDepthCount = 4;
const int ColorDepths[ColorDepthCount] = {8, 16, 24, 32};

// Gives entries the table's names and control IDs, empty texts and no key present.
void ResetModeEntries(ModeEntry (&entries)[ModeCount]);

}  // namespace tarv

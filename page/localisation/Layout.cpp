#include "page/localisation/Layout.h"

#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"

namespace tarv {

namespace {

const ControlPlacement PageEnglishRows[PageLayoutRows] = {
    {IDC_SETTINGS_GROUP, 9, 10, 236, 201},
    {IDC_VSYNC_GROUP, 18, 25, 218, 42},
    {IDC_OPENGL_SWAP, 27, 38, 205, 10},
    {IDC_D3D_SWAP, 27, 51, 205, 10},
    {IDC_CLOCK_GROUP, 18, 78, 218, 60},
    {IDC_ENABLE_CLOCK, 27, 91, 130, 10},
    {IDC_CLOCK_VALUE, 190, 91, 19, 10},
    {IDC_CLOCK_UNIT, 211, 91, 19, 10},
    {IDC_CLOCK_TRACKBAR, 24, 103, 207, 20},
    {IDC_LOWER_LIMIT, 23, 125, 19, 8},
    {IDC_RESTART_NOTE, 44, 125, 167, 8},
    {IDC_UPPER_LIMIT, 212, 125, 19, 8},
    {IDC_INSTALLED_FOR, 17, 149, 44, 8},
    {IDC_MODEL, 64, 149, 54, 8},
    {IDC_FACTORY_DEFAULTS, 22, 160, 90, 15},
    {IDC_REFRESH_RATES, 22, 178, 90, 15},
    {IDC_ABOUT_GROUP, 132, 148, 104, 44},
    {IDC_PRODUCT_LINE, 137, 158, 95, 9},
    {IDC_AUTHOR_LINE, 137, 168, 95, 9},
    {IDC_VERSION_LINE, 137, 178, 95, 9},
    {IDC_RESTORE_NOTE, 22, 194, 160, 16},
    {IDC_RESTORE, 186, 195, 50, 14},
};

const ControlPlacement PageWideRows[PageLayoutRows] = {
    {IDC_SETTINGS_GROUP, 4, 10, 246, 201},
    {IDC_VSYNC_GROUP, 10, 25, 234, 42},
    {IDC_OPENGL_SWAP, 17, 38, 224, 10},
    {IDC_D3D_SWAP, 17, 51, 224, 10},
    {IDC_CLOCK_GROUP, 10, 78, 234, 60},
    {IDC_ENABLE_CLOCK, 17, 91, 172, 10},
    {IDC_CLOCK_VALUE, 197, 91, 19, 10},
    {IDC_CLOCK_UNIT, 218, 91, 19, 10},
    {IDC_CLOCK_TRACKBAR, 14, 103, 225, 20},
    {IDC_LOWER_LIMIT, 14, 125, 18, 8},
    {IDC_RESTART_NOTE, 34, 125, 185, 8},
    {IDC_UPPER_LIMIT, 221, 125, 18, 8},
    {IDC_INSTALLED_FOR, 15, 149, 48, 8},
    {IDC_MODEL, 66, 149, 58, 8},
    {IDC_FACTORY_DEFAULTS, 22, 160, 91, 15},
    {IDC_REFRESH_RATES, 22, 178, 91, 15},
    {IDC_ABOUT_GROUP, 138, 148, 106, 44},
    {IDC_PRODUCT_LINE, 143, 158, 95, 9},
    {IDC_AUTHOR_LINE, 143, 168, 95, 9},
    {IDC_VERSION_LINE, 143, 178, 95, 9},
    {IDC_RESTORE_NOTE, 22, 194, 152, 16},
    {IDC_RESTORE, 178, 195, 66, 14},
};

// Two columns of resolutions, 14 units apart: the k-th of a column has its label at
// y = 20 + 14k and its list, 12 units high instead of the template's drop-down height, at
// y = 17 + 14k.
const ControlPlacement RatesEnglishRows[RatesLayoutRows] = {
    {IDC_LABEL_640X480, 20, 20, 40, 8},    {IDC_RATE_640X480, 62, 17, 44, 12},
    {IDC_LABEL_800X600, 20, 34, 40, 8},    {IDC_RATE_800X600, 62, 31, 44, 12},
    {IDC_LABEL_960X720, 20, 48, 40, 8},    {IDC_RATE_960X720, 62, 45, 44, 12},
    {IDC_LABEL_1024X768, 20, 62, 40, 8},   {IDC_RATE_1024X768, 62, 59, 44, 12},
    {IDC_LABEL_1152X864, 20, 76, 40, 8},   {IDC_RATE_1152X864, 62, 73, 44, 12},
    {IDC_LABEL_1280X960, 20, 90, 40, 8},   {IDC_RATE_1280X960, 62, 87, 44, 12},
    {IDC_LABEL_1280X1024, 20, 104, 40, 8}, {IDC_RATE_1280X1024, 62, 101, 44, 12},
    {IDC_LABEL_1600X1024, 20, 118, 40, 8}, {IDC_RATE_1600X1024, 62, 115, 44, 12},
    {IDC_LABEL_1600X1200, 136, 20, 40, 8}, {IDC_RATE_1600X1200, 178, 17, 44, 12},
    {IDC_LABEL_1792X1344, 136, 34, 40, 8}, {IDC_RATE_1792X1344, 178, 31, 44, 12},
    {IDC_LABEL_1856X1392, 136, 48, 40, 8}, {IDC_RATE_1856X1392, 178, 45, 44, 12},
    {IDC_LABEL_1920X1080, 136, 62, 40, 8}, {IDC_RATE_1920X1080, 178, 59, 44, 12},
    {IDC_LABEL_1920X1200, 136, 76, 40, 8}, {IDC_RATE_1920X1200, 178, 73, 44, 12},
    {IDC_LABEL_1920X1440, 136, 90, 40, 8}, {IDC_RATE_1920X1440, 178, 87, 44, 12},
    {IDC_LABEL_2048X1536, 136, 104, 40, 8}, {IDC_RATE_2048X1536, 178, 101, 44, 12},
    {IDC_LINK_ALL_DEPTHS, 137, 119, 92, 10},
};

const ControlPlacement RatesWideRows[RatesLayoutRows] = {
    {IDC_LABEL_640X480, 20, 20, 40, 8},    {IDC_RATE_640X480, 62, 17, 51, 12},
    {IDC_LABEL_800X600, 20, 34, 40, 8},    {IDC_RATE_800X600, 62, 31, 51, 12},
    {IDC_LABEL_960X720, 20, 48, 40, 8},    {IDC_RATE_960X720, 62, 45, 51, 12},
    {IDC_LABEL_1024X768, 20, 62, 40, 8},   {IDC_RATE_1024X768, 62, 59, 51, 12},
    {IDC_LABEL_1152X864, 20, 76, 40, 8},   {IDC_RATE_1152X864, 62, 73, 51, 12},
    {IDC_LABEL_1280X960, 20, 90, 40, 8},   {IDC_RATE_1280X960, 62, 87, 51, 12},
    {IDC_LABEL_1280X1024, 20, 104, 40, 8}, {IDC_RATE_1280X1024, 62, 101, 51, 12},
    {IDC_LABEL_1600X1024, 20, 118, 40, 8}, {IDC_RATE_1600X1024, 62, 115, 51, 12},
    {IDC_LABEL_1600X1200, 129, 20, 40, 8}, {IDC_RATE_1600X1200, 171, 17, 51, 12},
    {IDC_LABEL_1792X1344, 129, 34, 40, 8}, {IDC_RATE_1792X1344, 171, 31, 51, 12},
    {IDC_LABEL_1856X1392, 129, 48, 40, 8}, {IDC_RATE_1856X1392, 171, 45, 51, 12},
    {IDC_LABEL_1920X1080, 129, 62, 40, 8}, {IDC_RATE_1920X1080, 171, 59, 51, 12},
    {IDC_LABEL_1920X1200, 129, 76, 40, 8}, {IDC_RATE_1920X1200, 171, 73, 51, 12},
    {IDC_LABEL_1920X1440, 129, 90, 40, 8}, {IDC_RATE_1920X1440, 171, 87, 51, 12},
    {IDC_LABEL_2048X1536, 129, 104, 40, 8}, {IDC_RATE_2048X1536, 171, 101, 51, 12},
    {IDC_LINK_ALL_DEPTHS, 130, 119, 100, 10},
};

}  // namespace

const LayoutTable PageLayoutEnglish = {PageEnglishRows, PageLayoutRows};
const LayoutTable PageLayoutWide = {PageWideRows, PageLayoutRows};
const LayoutTable RatesLayoutEnglish = {RatesEnglishRows, RatesLayoutRows};
const LayoutTable RatesLayoutWide = {RatesWideRows, RatesLayoutRows};

void ApplyLayout(Dialog& dialog, const LayoutTable& table)
{
    for (int i = 0; i < table.count; ++i) {
        const ControlPlacement& row = table.rows[i];
        const DialogRect rect = {row.x, row.y, row.x + row.width, row.y + row.height};
        dialog.MoveControl(row.id, rect);
    }
}

}  // namespace tarv

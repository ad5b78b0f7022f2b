#include "page/refresh/OfferedRates.h"

namespace tarv {

OfferedRateItems::OfferedRateItems(const char* list) : rest_(list ? list : "") {}

bool OfferedRateItems::Next(char* item, unsigned size)
{
    if (!rest_) return false;
    unsigned kept = 0;
    const char* at = rest_;
    for (; *at && *at != ','; ++at)
        if (item && kept + 1 < size) item[kept++] = *at;
    if (item && size) item[kept] = 0;
    rest_ = *at == ',' ? at + 1 : 0;
    return true;
}

}  // namespace tarv

#include "page/localisation/LocalisedTexts.h"

#include "resources/page/PageResources.h"

namespace tarv {

const char* LoadSetString(StringTable& strings, int base, int n, char* buffer, unsigned size)
{
    strings.LoadText((unsigned)(base + n), buffer, size);
    return buffer;
}

const char* LoadLanguageString(StringTable& strings, int base, int first, char* buffer,
                               unsigned size)
{
    strings.LoadText((unsigned)(first + base / IDS_SET_SIZE), buffer, size);
    return buffer;
}

void SetLocalisedTexts(StringTable& strings, Dialog& dialog, int base, const LocalisedText* texts,
                       int count, char* buffer, unsigned size)
{
    for (int i = 0; i < count; ++i)
        dialog.SetText(texts[i].id, LoadSetString(strings, base, texts[i].stringNumber, buffer, size));
}

}  // namespace tarv

// The rates a mode key offers, a comma-separated text such as 60,72,75,85, taken apart one
// item at a time so that a combo box can be filled without building a list.
#pragma once

namespace tarv {

// Items keep their order and their exact characters: nothing is trimmed, checked, sorted or
// merged. Every comma ends an item, so an empty text gives one empty item and a text ending
// in a comma gives an empty last item.
class OfferedRateItems {
public:
    explicit OfferedRateItems(const char* list);  // null counts as empty

    // Copies the next item into item (size bytes), cut when it is longer; false once every
    // item has been given.
    bool Next(char* item, unsigned size);

private:
    const char* rest_;  // start of the next item; null after the last one
};

// OfferedRateItems items = SplitOfferedRates(entry.offeredRates);
// while (items.Next(item, sizeof item)) AddItem(item);
inline OfferedRateItems SplitOfferedRates(const char* list) { return OfferedRateItems(list); }

}  // namespace tarv

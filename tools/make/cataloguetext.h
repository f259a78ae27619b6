#pragma once
// datas.dat as the viewer reads it: code page 1250, CR LF, the entry count on the first line,
// each list closed by "##".

#include "catalogue/catalogue.h"

#include <string>
#include <vector>

struct CatalogueEntry { // code page 1250 bytes, each at most MaxShortText
    ShortText title, place, time;
    std::vector<ShortText> index, pictures; // pictures: the main one first, at least one
};

// A third line "##" already closes the index list, so an entry with such a time line and no
// index lines gets no second "##" (that is how the viewer reads it back).
std::string CatalogueText(const std::vector<CatalogueEntry>& entries);

CatalogueEntry EntryFromRecord(const CatalogueRecord& record);

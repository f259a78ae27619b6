// The catalogue loader on any bytes: it either fills the store within its capacity or raises
// its own EInOutError; anything else (a read outside the store, another exception) is a fault.

#include "catalogue/catalogue.h"
#include "core/errors.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto catalogue = std::make_unique<Catalogue>();
    try {
        ReadCatalogueText(*catalogue, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const EInOutError&) {
    }
    if (catalogue->RecordCount > MaxRecords)
        std::abort();
    for (int k = 1; k <= catalogue->RecordCount; ++k) {
        const CatalogueRecord& record = catalogue->Record(k);
        if (record.IndexLineCount > MaxListLines || record.PictureCount > MaxListLines ||
            record.Title.size() > MaxShortText)
            std::abort();
    }
    return 0;
}

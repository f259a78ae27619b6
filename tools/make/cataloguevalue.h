#pragma once
// A value of the source as a line of datas.dat: code page 1250, one line, at most 255 bytes.

#include "catalogue/catalogue.h"
#include "tools/make/sourcefile.h"

#include <optional>
#include <string_view>
#include <vector>

// The value in code page 1250, or nullopt after adding the reasons it cannot be one to
// problems (a character the code page has no byte for, a control character, malformed UTF-8,
// more than 255 bytes), each naming `what` ("the title", "an index line") and the value's line.
std::optional<ShortText> CatalogueValue(const SourceValue& value, std::string_view what,
                                        std::vector<Problem>& problems);

// "U+2026": how a message names a character.
std::string CodePointName(char32_t c);

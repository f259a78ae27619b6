#pragma once
// An Adobe RGB (1998) profile made with Little CMS from the colour space's published primaries
// and curve: what a museum's digitisation photographs commonly embed.

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> AdobeRgbProfile();

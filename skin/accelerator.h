#pragma once
// The label caption rule: "&x" shows x underlined, "&&" shows one "&", and a lone "&" at
// the end shows nothing.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct AcceleratorText {
    std::u16string text;
    // Positions in text of the characters drawn underlined, ascending.
    std::vector<size_t> underlined;

    bool operator==(const AcceleratorText&) const = default;
};

AcceleratorText StripAccelerators(std::u16string_view caption);

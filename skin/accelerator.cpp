#include "skin/accelerator.h"

AcceleratorText StripAccelerators(std::u16string_view caption) {
    AcceleratorText result;
    result.text.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            result.text.push_back(caption[i]);
            continue;
        }
        ++i;
        if (i == caption.size())
            break;
        if (caption[i] != u'&')
            result.underlined.push_back(result.text.size());
        result.text.push_back(caption[i]);
    }
    return result;
}

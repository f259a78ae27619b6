#pragma once
// One picture class on any bytes: the load either succeeds or raises one of the program's own
// errors, and a loaded picture draws. A claim past a few megapixels is not decoded: the bound
// itself is the unit tests' business, and filling large bitmaps would only slow the search.

#include "core/errors.h"
#include "pictures/tgraphic.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <vector>

inline void FuzzPicture(TGraphic& picture, const std::uint8_t* data, std::size_t size) {
    try {
        picture.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
    } catch (const Exception&) {
        return;
    }
    if (static_cast<std::int64_t>(picture.Width()) * picture.Height() > (1 << 22))
        return;
    QImage surface(32, 32, QImage::Format_RGB32);
    QPainter painter(&surface);
    try {
        picture.Draw(painter, QRect(0, 0, 32, 32));
        picture.Clone()->CompleteImage();
    } catch (const Exception&) {
    }
}

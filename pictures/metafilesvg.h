#pragma once
// Metafiles drawn by libraries made for them, both giving SVG that Qt SVG draws into any
// rectangle: libemf2svg for EMF (with its EMF+ records), libwmf for WMF, placeable or plain.

#include <cstdint>
#include <optional>
#include <span>

#include <QByteArray>
#include <QRectF>
#include <QSizeF>

struct MetafileSvg {
    QByteArray svg;
    // The picture's area in the SVG's units; empty when the SVG's own size is that area.
    QRectF viewBox;
    // The extent the metafile's drawing covers in its logical units (WMF only): the size of a
    // plain WMF, whose header states none.
    QSizeF logicalSize;
};

// nullopt when the library rejects the contents.
std::optional<MetafileSvg> EmfToSvg(std::span<const std::uint8_t> file);
std::optional<MetafileSvg> WmfToSvg(std::span<const std::uint8_t> file);

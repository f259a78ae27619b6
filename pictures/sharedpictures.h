#pragma once
// Pictures of one class loaded from identical bytes share the bytes and the decoded bitmap:
// the main picture and the thumbnail showing the same file, or the shown picture and its
// printed copy, hold one bitmap between them, not one each. Used from the GUI thread only.

#include <memory>
#include <string_view>
#include <vector>

#include <QImage>

struct PictureData {
    const std::vector<std::uint8_t> bytes;
    // Set once, by the first picture that decodes the bytes.
    bool decoded = false;
    QImage bitmap;       // what was decoded, also when decoding failed part way
    int decodeError = 0; // the class's error code when decoding failed, 0 otherwise

    explicit PictureData(std::vector<std::uint8_t> data) : bytes(std::move(data)) {}
    const std::vector<std::uint8_t>& Bytes() const { return bytes; }
};

// The data a live picture of the class holds for the same bytes, or new data holding them.
std::shared_ptr<PictureData> SharedPictureData(std::string_view className,
                                               std::vector<std::uint8_t> bytes);

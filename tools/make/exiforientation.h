#pragma once
// The orientation tag of a camera photograph's EXIF block (a JPEG APP1 marker's payload).

#include <cstddef>
#include <cstdint>

// 1..8 as the EXIF standard numbers them (1 upright, 6 turned a quarter clockwise to view,
// ...); 1 when the block holds no valid tag.
int ExifOrientation(const std::uint8_t* payload, std::size_t size);

#pragma once
// Pictures for the skin tests, made at run time in the embedded form the descriptions use.

#include <QColor>
#include <QImage>
#include <cstdint>
#include <vector>

// A background whose first and last columns are edgeColour and everything else fillColour.
QImage EdgedBackground(int width, int height, QColor fillColour, QColor edgeColour);
std::vector<uint8_t> EmbeddedBitmap(const QImage& image);
std::vector<uint8_t> EmbeddedJpeg(int width, int height);

// The stored shape value of one rectangle.
std::vector<uint8_t> OneRectangleMask2(int left, int top, int right, int bottom);

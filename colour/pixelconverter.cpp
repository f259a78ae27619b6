#include "colour/pixelconverter.h"

PixelConverter::~PixelConverter() = default;

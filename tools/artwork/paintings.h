#pragma once
// The demo catalogue's pictures: painted altarpieces and panels, different for every entry.

#include "tools/artwork/democontent.h"

#include <QImage>

// entry and picture count from 1; the same numbers always give the same picture.
QImage PaintDemoPicture(int entry, int picture, const DemoPicture& wanted);

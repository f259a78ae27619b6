#pragma once
// The splash photograph: an exhibition hall with altarpieces, rendered in perspective.

#include <QImage>

QImage PaintExhibitionHall(QSize size);

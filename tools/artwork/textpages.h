#pragma once
// Pages of running text set as pictures: the fifteen description pages and the introduction.

#include <QImage>

QImage PaintDescriptionPage(int k); // k from 1 to 15
QImage PaintIntroPage(int page);    // 1 or 2

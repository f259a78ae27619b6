#pragma once
// The seven window backgrounds.

#include <QImage>

QImage PaintMainBackground();
QImage PaintNoHitsBackground();
QImage PaintPrintQuestionBackground();
QImage PaintDescriptionBackground();
QImage PaintSplashBackground();
QImage PaintAboutBackground();
QImage PaintIntroBackground();

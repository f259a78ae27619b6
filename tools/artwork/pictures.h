#pragma once
// Every built-in picture of the window descriptions.

#include <QString>

void WriteBuiltInPictures(const QString& picturesDir);

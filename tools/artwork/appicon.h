#pragma once
// The program's icon for the desktop menus: the collection's emblem on a plaque.

#include <QImage>
#include <QString>

QImage PaintAppIcon(int size);
// dir/vendral-<size>.png at every size the desktop's icon theme looks for.
void WriteAppIcons(const QString& dir);

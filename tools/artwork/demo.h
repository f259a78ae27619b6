#pragma once
// The demo catalogue's source (root/demo-source: catalogue.txt and the pictures) and
// vendral-make's built-in faces (root/tools/make/faces); `vendral-make build` makes demo/.

#include <QString>

void WriteDemo(const QString& root);

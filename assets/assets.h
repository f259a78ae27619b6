#pragma once
// The built-in window descriptions and pictures, under ":/assets/forms/" and ":/assets/pictures/".

#include <QByteArray>
#include <QString>

// The bytes of a built-in asset such as "forms/TForm1.json"; empty when there is none. They
// are the program's own (no copy), valid for as long as it runs.
QByteArray AssetBytes(const QString& relativePath);

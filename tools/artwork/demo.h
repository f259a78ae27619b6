#pragma once
// The demo catalogue folder: datas.dat, images/ and the six face files.

#include <QString>

void WriteDemo(const QString& demoDir);

#pragma once
// Reads the print page's report elements from the entries of its window description
// (assets/README.md): one TQuickRep, one TQRBand inside it, one TQRLabel and one TQRImage inside
// the band, lengths in tenths of a millimetre. A slip in the description raises
// EInvalidOperation at start-up, naming the element and the fault.

#include "print/reportlayout.h"

#include <QJsonObject>
#include <QString>
#include <vector>

ReportLayout ReadReportLayout(const QString& formClass, const std::vector<QJsonObject>& elements);

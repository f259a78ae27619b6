#pragma once
// The print facility: one page on the system's default printer, at once, without a print
// dialog or preview, with the progress window up while the page is built and sent.

#include "print/reportlayout.h"

#include <string>

class TGraphic;

enum class PrintOutcome { Sent, Cancelled };

// Prints the page once: A4 portrait (as the layout says), one copy, the printer's automatic
// paper source, the layout's report title as document name, at the printer's full
// resolution, positions measured from the paper's edges. `picture` may be null (the box
// prints empty).
//
// Raises EPrinter when no printer is installed ("No printer is installed"), when none is the
// default ("There is no default printer currently selected"), and when the printer refuses
// the job; a picture whose pixels cannot be decoded raises its decoding error (EJPEG, or
// EOutOfMemory); nothing is printed then. Cancelled: the user cancelled before the page went out.
PrintOutcome PrintReport(const ReportLayout& layout, const std::string& caption, TGraphic* picture);

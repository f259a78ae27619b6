#pragma once
// The one place where failures end up. Every handler of the program runs through RunHandler,
// so an exception that escapes it is shown here and the event loop carries on.

#include <exception>
#include <functional>
#include <string>

#include "core/reporttext.h"

// Message box with the stop icon, the application title as caption and one OK button.
// EAbort is silent. A message whose last byte sorts after "." gets a "." appended.
void ErrorReport(std::exception_ptr error);

// Runs a handler; whatever escapes it goes to ErrorReport.
void RunHandler(const std::function<void()>& handler);

// For failures found while painting: reported after the paint, from the event loop.
void ReportLater(std::exception_ptr error);

// Tests replace the message box with a recorder; the recorder gets the text as UTF-8.
using ReportSink = std::function<void(const std::string& utf8Text)>;
void SetReportSink(ReportSink sink);

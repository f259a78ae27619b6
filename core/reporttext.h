#pragma once
// The text the error report shows for a failure's message.

#include <string>

// Appends "." when the message's last byte sorts after "." (code page 1250 bytes in and out).
std::string ReportText(const std::string& message);

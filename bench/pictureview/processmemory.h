#pragma once
// The process's memory as the kernel counts it, from /proc/self/status.

#include <optional>
#include <string_view>

// The value of a "Name:   1234 kB" line of a status text, in kB; nullopt when the field is
// missing or not a number.
std::optional<long long> StatusKilobytes(std::string_view statusText, std::string_view field);

// The same field of this process now, in MiB ("VmRSS" resident, "VmHWM" its peak).
std::optional<double> OwnStatusMegabytes(std::string_view field);

// Starts the peak (VmHWM) afresh from the present resident size, so that work done before,
// such as making the test pictures, does not count. False when the kernel refuses.
bool ResetPeakResident();

#include "bench/pictureview/processmemory.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

std::optional<long long> StatusKilobytes(std::string_view statusText, std::string_view field) {
    std::size_t start = 0;
    while (start < statusText.size()) {
        std::size_t end = statusText.find('\n', start);
        if (end == std::string_view::npos)
            end = statusText.size();
        const std::string_view line = statusText.substr(start, end - start);
        start = end + 1;
        if (line.size() <= field.size() || line.substr(0, field.size()) != field ||
            line[field.size()] != ':')
            continue;
        std::string_view rest = line.substr(field.size() + 1);
        rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
        long long value = 0;
        const auto [next, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc() || next == rest.data())
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}

std::optional<double> OwnStatusMegabytes(std::string_view field) {
    std::ifstream in("/proc/self/status");
    std::stringstream text;
    text << in.rdbuf();
    const std::optional<long long> kilobytes = StatusKilobytes(text.str(), field);
    if (!kilobytes)
        return std::nullopt;
    return static_cast<double>(*kilobytes) / 1024.0;
}

bool ResetPeakResident() {
    // "5" resets the high-water mark (Linux 4.0 and later).
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return static_cast<bool>(out);
}

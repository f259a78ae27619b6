#include "tools/make/writefile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::ssize(bytes));
    out.close();
    return out ? std::string() : "cannot write " + path + ": " + std::strerror(errno);
}

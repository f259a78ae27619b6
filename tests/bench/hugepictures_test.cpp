// Pictures inside the bound, shown by the real program in a process of its own (the hostile-file
// benchmark's runner): the largest progressive photograph, the largest baseline one and a
// one-bit bitmap of the same size each stay under 600 MB at their peak and show without a
// report.

#include <cstdio>
#include <regex>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string RunCase(const std::string& name) {
    const std::string command = std::string(BENCH_HOSTILE_FILES) + " " + name + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        ::pclose(pipe);
    }
    return output;
}

TEST(HugePicturesTest, StayUnder600MegabytesAtTheirPeak) {
    for (const char* name : {"jpeg-progressive-16000x10000-halved-chroma", "jpeg-15000x10000",
                             "bmp-16000x10000-1bit"}) {
        const std::string output = RunCase(name);
        std::smatch figures;
        ASSERT_TRUE(std::regex_search(output, figures,
                                      std::regex(R"(peak (\d+) MB, (\d+) titles, (\d+) reports)")))
            << name << ": " << output;
        EXPECT_LT(std::stoi(figures[1]), 600) << output;
        EXPECT_EQ(figures[2], "2") << output;
        EXPECT_EQ(figures[3], "0") << output;
    }
}

} // namespace

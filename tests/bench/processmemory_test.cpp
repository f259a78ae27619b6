// The memory figures: the status fields read right, and the peak follows what is touched.

#include "bench/pictureview/processmemory.h"

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

namespace {

TEST(StatusKilobytesTest, ReadsTheNamedFieldOnly) {
    const std::string status = "Name:\tbench\n"
                               "VmPeak:\t  912340 kB\n"
                               "VmHWMish:\t 1 kB\n"
                               "VmHWM:\t  275312 kB\n"
                               "VmRSS:\t   94720 kB\n"
                               "Threads:\t3\n"
                               "VmSwap:\t  none\n";
    EXPECT_EQ(StatusKilobytes(status, "VmHWM"), 275312);
    EXPECT_EQ(StatusKilobytes(status, "VmRSS"), 94720);
    EXPECT_EQ(StatusKilobytes(status, "Threads"), 3);
    EXPECT_EQ(StatusKilobytes(status, "VmSwap"), std::nullopt);
    EXPECT_EQ(StatusKilobytes(status, "VmData"), std::nullopt);
    EXPECT_EQ(StatusKilobytes(status, "Vm"), std::nullopt);
    EXPECT_EQ(StatusKilobytes("VmRSS:\t 12 kB", "VmRSS"), 12); // last line without a line end
}

TEST(OwnMemoryTest, PeakRisesWithTouchedMemoryAndStartsAfreshOnReset) {
    const auto resident = OwnStatusMegabytes("VmRSS");
    const auto peak = OwnStatusMegabytes("VmHWM");
    ASSERT_TRUE(resident && peak);
    EXPECT_GT(*resident, 0);
    EXPECT_GE(*peak + 1, *resident); // the kernel syncs its counters in steps

    constexpr std::size_t Size = std::size_t(64) << 20;
    auto block = std::make_unique<char[]>(Size);
    std::memset(block.get(), 1, Size);
    const double touchedPeak = OwnStatusMegabytes("VmHWM").value_or(0);
    EXPECT_GT(touchedPeak, *resident + 60);
    EXPECT_EQ(block[Size / 2], 1);
    block.reset();

    if (!ResetPeakResident())
        GTEST_SKIP() << "this kernel does not reset the peak";
    const double resetPeak = OwnStatusMegabytes("VmHWM").value_or(0);
    const double residentNow = OwnStatusMegabytes("VmRSS").value_or(0);
    EXPECT_LT(resetPeak, residentNow + 8);
}

} // namespace

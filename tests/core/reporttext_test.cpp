#include "core/reporttext.h"

#include <gtest/gtest.h>

namespace {

struct ReportCase {
    std::string message, shown;
};

class ReportTextTest : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportTextTest, AppendsPeriodAfterBytesSortingAfterIt) {
    EXPECT_EQ(ReportText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(LastByte, ReportTextTest,
                         testing::Values(ReportCase{"File not found", "File not found."},
                                         ReportCase{"I/O error 32", "I/O error 32."},
                                         ReportCase{"Done.", "Done."}, ReportCase{"dash-", "dash-"},
                                         ReportCase{"slash/", "slash/."},
                                         ReportCase{"\xF5", "\xF5."}, ReportCase{"", ""}));

} // namespace

#include "catalogue/countnumber.h"

#include <gtest/gtest.h>

namespace {

struct CountCase {
    std::string token;
    std::optional<std::int32_t> value;
};

void PrintTo(const CountCase& c, std::ostream* out) {
    *out << '"' << c.token << "\" -> " << (c.value ? std::to_string(*c.value) : "invalid");
}

class CountNumberTest : public testing::TestWithParam<CountCase> {};

TEST_P(CountNumberTest, Parses) {
    EXPECT_EQ(ParseCountNumber(GetParam().token), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, CountNumberTest,
    testing::Values(CountCase{"0", 0}, CountCase{"40", 40}, CountCase{"+7", 7}, CountCase{"-0", 0},
                    CountCase{"-1", -1}, CountCase{"007", 7}, CountCase{"2147483647", 2147483647},
                    CountCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                    CountCase{"2147483648", {}}, CountCase{"-2147483649", {}},
                    CountCase{"99999999999999999999", {}}, CountCase{"", {}}, CountCase{"+", {}},
                    CountCase{"-", {}}, CountCase{"1e3", {}}, CountCase{"3.0", {}},
                    CountCase{"12a", {}}, CountCase{"+-1", {}}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, CountNumberTest,
                         testing::Values(CountCase{"$28", 40}, CountCase{"x1f", 31},
                                         CountCase{"X1F", 31}, CountCase{"0x0a", 10},
                                         CountCase{"0XA", 10}, CountCase{"$7FFFFFFF", 2147483647},
                                         CountCase{"$80000000", {}}, CountCase{"$FFFFFFFF", {}},
                                         CountCase{"$", {}}, CountCase{"0x", {}},
                                         CountCase{"x", {}}, CountCase{"-$1", {}},
                                         CountCase{"+0x1", {}}, CountCase{"$1g", {}},
                                         CountCase{"0x$1", {}}, CountCase{"00x1", {}}));

} // namespace

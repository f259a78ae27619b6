#include "skin/accelerator.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::u16string caption;
    std::u16string shown;
    std::vector<size_t> underlined;
};

class Accelerators : public testing::TestWithParam<Case> {};

TEST_P(Accelerators, FollowTheAmpersandRule) {
    const AcceleratorText result = StripAccelerators(GetParam().caption);
    EXPECT_EQ(result.text, GetParam().shown);
    EXPECT_EQ(result.underlined, GetParam().underlined);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, Accelerators,
    testing::Values(Case{u"Szent Anna", u"Szent Anna", {}}, Case{u"&Kép", u"Kép", {0}},
                    Case{u"Kis & Nagy", u"Kis  Nagy", {4}}, Case{u"Kis && Nagy", u"Kis & Nagy", {}},
                    Case{u"a&&&b", u"a&b", {2}}, Case{u"&x&y", u"xy", {0, 1}},
                    Case{u"vége&", u"vége", {}}, Case{u"&&", u"&", {}}, Case{u"&", u"", {}},
                    Case{u"", u"", {}}, Case{u"Ő&ű", u"Őű", {1}}));

} // namespace

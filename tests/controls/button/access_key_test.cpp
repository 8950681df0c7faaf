// The access key a caption's ampersands give.
#include "controls/button/access_key.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace quorvel {
namespace {

struct AccessKeyCase
{
    const char* caption;
    std::optional<QChar> key;
};

TEST(AccessKey, FromTheFirstTwoAmpersandGroups)
{
    const std::vector<AccessKeyCase> cases{
        {"&Save", u's'},
        {"Save && &Exit", u'e'},
        {"Fish && Chips", std::nullopt},
        {"A&&B&&C&x", std::nullopt}, // the second group is doubled too
        {"Save&", std::nullopt},     // the ampersand is the last character
        {"&", std::nullopt},         // fewer than two characters
        {"", std::nullopt},
        {"OK", std::nullopt},
        {"&&&x", u'x'},
        {"a&&b&", std::nullopt}, // the second ampersand is the last character
        {"S&ave &Now", u'a'},
        {"&1", u'1'},
        {"&\u00C9tape", QChar(0x00E9)},
    };
    for (const AccessKeyCase& c : cases)
        EXPECT_EQ(AccessKeyOf(QString::fromUtf8(c.caption)), c.key) << c.caption;
}

} // namespace
} // namespace quorvel

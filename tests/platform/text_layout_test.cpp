// Mnemonics, word wrapping and the measured rectangle, with fixed text metrics.
#include "platform/checked.h"
#include "platform/fixed_text_renderer.h"
#include "platform/text_layout.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorvel::platform {
namespace {

struct MnemonicCase
{
    const char* text;
    const char* visible;
    std::vector<qsizetype> underlined;
};

TEST(Mnemonics, ResolveAmpersands)
{
    const std::vector<MnemonicCase> cases{
        {"&Save", "Save", {0}},   {"Save && &Exit", "Save & Exit", {7}},
        {"A&&B", "A&B", {}},      {"Save&", "Save&", {}},
        {"&", "&", {}},           {"&&&x", "&x", {1}},
        {"a&b&c", "abc", {1, 2}}, {"", "", {}},
    };
    for (const MnemonicCase& c : cases) {
        const TextLine line = ResolveMnemonics(QString::fromUtf8(c.text));
        EXPECT_EQ(line.text, QString::fromUtf8(c.visible)) << c.text;
        EXPECT_EQ(line.underlined, c.underlined) << c.text;
    }
}

struct WrapCase
{
    const char* text;
    std::int64_t maxWidth;
    std::vector<const char*> lines;
};

TEST(WordWrap, BreaksBetweenWordsOnly)
{
    // Every character is 2 pixels wide.
    const std::vector<WrapCase> cases{
        {"one two three", 100, {"one two three"}},
        {"one two three", 14, {"one two", "three"}},
        {"one two three", 13, {"one", "two", "three"}},
        {"unbreakable", 4, {"unbreakable"}}, // a long word stays whole
        {"a  b", 2, {"a", "b"}},             // spaces at a break go
        {"  lead", 100, {"  lead"}},         // leading spaces stay
        {"trail  ", 100, {"trail  "}},       // so do trailing ones on the last line
        {"x y", -5, {"x", "y"}},             // an inverted box still gives lines
        {"a\nb\r\nc\rd", 100, {"a", "b", "c", "d"}},
        {"a\n\nb", 100, {"a", "", "b"}},
        {"&Open file", 8, {"Open", "file"}}, // wraps the visible text
        {"", 100, {}},
    };
    const FixedTextRenderer metrics(2, 5);
    for (const WrapCase& c : cases) {
        std::vector<QString> lines;
        for (const TextLine& line :
             WrapText(metrics, QFont(), QString::fromUtf8(c.text), c.maxWidth))
            lines.push_back(line.text);
        std::vector<QString> expected;
        for (const char* line : c.lines)
            expected.push_back(QString::fromUtf8(line));
        EXPECT_EQ(lines, expected) << c.text << " in " << c.maxWidth;
    }
}

TEST(WordWrap, UnderlineFollowsItsCharacterToItsLine)
{
    const FixedTextRenderer metrics(2, 5);
    const std::vector<TextLine> lines = WrapText(metrics, QFont(), "Save &Exit", 8);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].underlined.empty());
    EXPECT_EQ(lines[1].underlined, std::vector<qsizetype>{0});
}

struct MeasureCase
{
    const char* text;
    Rect box;
    Rect measured;
};

TEST(MeasureText, CalculatesTheRectangle)
{
    // 5 x 13 characters: "Hello" measures 25 x 13.
    const std::vector<MeasureCase> cases{
        {"Hello", {1, 1, 73, 21}, {1, 1, 26, 14}},
        {"Hello World", {0, 0, 40, 10}, {0, 0, 25, 26}},
        {"Extraordinary", {10, 3, 20, 4}, {10, 3, 75, 16}}, // grows past a narrow box
        {"&&", {0, 0, 50, 50}, {0, 0, 5, 13}},
        {"&x", {0, 0, 50, 50}, {0, 0, 5, 13}},
        {"", {4, 4, 50, 50}, {4, 4, 4, 4}},
    };
    const FixedTextRenderer metrics(5, 13);
    for (const MeasureCase& c : cases)
        EXPECT_EQ(MeasureText(metrics, QFont(), c.text, c.box), c.measured) << c.text;
}

TEST(MeasureText, ResultBeyond32BitsIsAnOverflow)
{
    const FixedTextRenderer metrics(5, 13);
    EXPECT_THROW(MeasureText(metrics, QFont(), "Hello", {INT32_MAX - 10, 0, INT32_MAX, 1}),
                 OverflowError);
}

} // namespace
} // namespace quorvel::platform

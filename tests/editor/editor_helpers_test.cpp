#include "editor/code_page.h"
#include "editor/grid_type_name.h"
#include "editor/window_units.h"

#include <QStringDecoder>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

struct ColourCase
{
    std::uint32_t bgr;
    int red, green, blue;
};

TEST(BgrColor, RedIsTheLowByte)
{
    const ColourCase cases[] = {
        {0x00800000, 0x00, 0x00, 0x80}, // label back: navy
        {0x00000080, 0x80, 0x00, 0x00}, // frame caption: maroon
        {0x00808000, 0x00, 0x80, 0x80}, // list back: teal
        {0x00FFF4F4, 0xF4, 0xF4, 0xFF}, // field at rest
        {0x00D8E9EC, 0xEC, 0xE9, 0xD8},
    };
    for (const auto& c : cases) {
        const QColor colour = BgrColor(c.bgr);
        EXPECT_EQ(colour.red(), c.red) << std::hex << c.bgr;
        EXPECT_EQ(colour.green(), c.green) << std::hex << c.bgr;
        EXPECT_EQ(colour.blue(), c.blue) << std::hex << c.bgr;
    }
}

TEST(TwipsRect, FifteenTwipsToThePixel)
{
    EXPECT_EQ(TwipsRect(0, 0, 9465, 7380), QRect(0, 0, 631, 492));
    EXPECT_EQ(TwipsRect(-60, 75, 9255, 255), QRect(-4, 5, 617, 17));
    EXPECT_EQ(TwipsRect(45, 2385, 9375, 570), QRect(3, 159, 625, 38));
}

TEST(CodePage, TurkishLettersAndRulesCrossBothWays)
{
    const std::string bytes = "\xA1\xCA\xB2\xDE\xD0\xDD\xFD\xFE\xF0\x80";
    const QString text = FromCodePage(bytes);
    EXPECT_EQ(text, QString::fromUtf8("¡Ê²ŞĞİışğ€"));
    EXPECT_EQ(ToCodePage(text), bytes);
    EXPECT_FALSE(ToCodePage(QString::fromUtf8("Q漢")).has_value());
}

// The compiled-in table must agree with the platform's converter for every byte, undefined
// ones included, or names would change on their way through the window.
TEST(CodePage, EveryByteAsThePlatformDecodesIt)
{
    std::string bytes(256, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i);
    }
    QStringDecoder decoder("windows-1254");
    const QString expected = decoder(QByteArrayView(bytes.data(), 256));
    ASSERT_FALSE(decoder.hasError());
    ASSERT_EQ(expected.size(), 256);
    const QString text = FromCodePage(bytes);
    for (qsizetype i = 0; i < 256; ++i) {
        EXPECT_EQ(text[i].unicode(), expected[i].unicode()) << "byte 0x" << std::hex << i;
    }
}

struct NameCase
{
    const char* typed; // UTF-8
    bool ok;
    const char* stored; // 10 bytes when ok
};

TEST(EncodeGridType, KeepsOnlyWhatTheFileReadsBack)
{
    const NameCase cases[] = {
        {"Q131", true, "Q131      "},
        {"", true, "          "},
        {"ABCDEFGHIJKLMN", true, "ABCDEFGHIJ"},
        {"ABCDEFGHIJ,K", true, "ABCDEFGHIJ"}, // the comma is past the 10 stored characters
        {"Q\"1", true, "Q\"1       "},
        {"  Q1", true, "  Q1      "},
        {"Şİ", true, "\xDE\xDD        "},
        {"Q1,31", false, ""},
        {"\"Q1", false, ""},
        {"   \"Q1", false, ""},
        {"\tQ1", false, ""},
        {"Q1\r", false, ""},
        {"Q漢", false, ""},
    };
    for (const auto& c : cases) {
        const GridTypeName name = EncodeGridType(QString::fromUtf8(c.typed));
        EXPECT_EQ(name.ok, c.ok) << c.typed;
        if (c.ok) {
            EXPECT_EQ(std::string(name.bytes.begin(), name.bytes.end()), c.stored) << c.typed;
        } else {
            EXPECT_FALSE(name.problem.isEmpty()) << c.typed;
        }
    }
}

} // namespace
} // namespace quorvel

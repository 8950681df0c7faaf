#include "platform/input_codes.h"

#include <gtest/gtest.h>

namespace quorvel::platform {
namespace {

struct ShiftCase
{
    Qt::KeyboardModifiers modifiers;
    std::int16_t code;
};

class ShiftCodeTest : public testing::TestWithParam<ShiftCase>
{
};

TEST_P(ShiftCodeTest, AddsShiftCtrlAndAlt)
{
    EXPECT_EQ(ShiftCode(GetParam().modifiers), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, ShiftCodeTest,
    testing::Values(ShiftCase{Qt::NoModifier, 0}, ShiftCase{Qt::ShiftModifier, 1},
                    ShiftCase{Qt::ControlModifier, 2}, ShiftCase{Qt::AltModifier, 4},
                    ShiftCase{Qt::ShiftModifier | Qt::AltModifier, 5},
                    ShiftCase{Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
                    // Keys outside the three have no code and must not leak into it.
                    ShiftCase{Qt::MetaModifier, 0}, ShiftCase{Qt::KeypadModifier, 0},
                    ShiftCase{Qt::MetaModifier | Qt::ControlModifier, 2}));

} // namespace
} // namespace quorvel::platform

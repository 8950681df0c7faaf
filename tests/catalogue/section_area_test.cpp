#include "catalogue/section_area.h"
#include "standard_meshes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quorvel::catalogue {
namespace {

struct AreaCase
{
    float diameter;
    std::int16_t count;
    float spacing;
    float expected;
};

class SectionAreaTest : public ::testing::TestWithParam<AreaCase>
{
};

TEST_P(SectionAreaTest, MatchesTheCatalogueArithmetic)
{
    const AreaCase& c = GetParam();
    // Exact: the single-precision steps decide the last digit the file keeps.
    EXPECT_EQ(SectionArea(c.diameter, c.count, c.spacing), c.expected)
        << c.diameter << " x " << c.count << " / " << c.spacing;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SectionAreaTest,
    ::testing::Values(AreaCase{5, 1, 150, 1.3089583f}, AreaCase{8, 2, 150, 6.7018666f},
                      AreaCase{7.8f, 1, 100, 4.7782216f}, AreaCase{0, 1, 150, 0},
                      AreaCase{8, 0, 150, 0}, AreaCase{8, 1, -150, -3.3509333f},
                      // No area for a spacing of 0 instead of an infinity.
                      AreaCase{8, 1, 0, 0}, AreaCase{8, 1, -0.0f, 0}, AreaCase{0, 1, 0, 0},
                      // Spacings so small that the area leaves single precision.
                      AreaCase{1e30f, 2, 1e-30f, 0}, AreaCase{8, 1, 1e-45f, 0},
                      AreaCase{std::numeric_limits<float>::infinity(), 1, 150, 0},
                      AreaCase{std::numeric_limits<float>::quiet_NaN(), 1, 150, 0},
                      AreaCase{8, 1, std::numeric_limits<float>::quiet_NaN(), 0}));

TEST(SectionAreaTest, DoubleCountDoublesTheArea)
{
    for (float d : {5.0f, 6.5f, 8.0f, 12.0f}) {
        EXPECT_FLOAT_EQ(SectionArea(d, 2, 150), 2 * SectionArea(d, 1, 150)) << d;
    }
}

TEST(DeriveSectionAreasTest, WritesBothDirectionsFromTheirOwnFields)
{
    MeshRecord record = test::Record("X", 5, 2.15f, 150, 100, 2, 8, 1, 7.8f, 99, 99, 3);
    const MeshRecord before = record;
    DeriveSectionAreas(record);
    EXPECT_EQ(record.LenArea, 6.7018666f);
    EXPECT_EQ(record.WidArea, 4.7782216f);
    record.LenArea = before.LenArea;
    record.WidArea = before.WidArea;
    EXPECT_EQ(record, before) << "only the two areas may change";
}

class StandardMeshAreaTest : public ::testing::TestWithParam<test::StandardMesh>
{
};

TEST_P(StandardMeshAreaTest, MainDirectionMatchesTheTypeName)
{
    const test::StandardMesh& mesh = GetParam();
    const MeshRecord record = test::StandardRecord(mesh);
    EXPECT_NEAR(record.LenArea, mesh.nominalArea, 0.02) << mesh.type;
    EXPECT_GT(record.WidArea, 0.0f) << mesh.type;
}

INSTANTIATE_TEST_SUITE_P(Table, StandardMeshAreaTest, ::testing::ValuesIn(test::StandardMeshes()),
                         [](const auto& info) { return std::string(info.param.type); });

} // namespace
} // namespace quorvel::catalogue

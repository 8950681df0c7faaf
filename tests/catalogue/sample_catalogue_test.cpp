#include "catalogue/library_format.h"
#include "standard_meshes.h"
#include "temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace quorvel::catalogue {
namespace {

constexpr const char* kSamplePath = QUORVEL_SAMPLE_CATALOGUE;
constexpr const char* kRewrite = "QUORVEL_WRITE_SAMPLE_CATALOGUE";

TEST(SampleCatalogueTest, IsTheWritersOutputForTheStandardMeshes)
{
    const std::string expected = SerializeMeshLibrary(test::StandardTable());
    if (const char* rewrite = std::getenv(kRewrite); rewrite != nullptr && *rewrite == '1') {
        test::WriteBytes(kSamplePath, expected);
        GTEST_SKIP() << "rewrote " << kSamplePath;
    }
    EXPECT_EQ(test::ReadBytes(kSamplePath), expected)
        << kSamplePath << " is stale; run this test with " << kRewrite << "=1 to rewrite it";
}

TEST(SampleCatalogueTest, HoldsEveryStandardMeshWithItsNominalArea)
{
    MeshTable table;
    const ParseResult result = ParseMeshLibrary(test::ReadBytes(kSamplePath), table);
    const auto& meshes = test::StandardMeshes();
    ASSERT_EQ(result.recordsRead, static_cast<int>(meshes.size()));
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        const MeshRecord& record = table[static_cast<int>(i) + 1];
        EXPECT_EQ(record.GridType, test::Name(meshes[i].type));
        EXPECT_EQ(record.LenCount, 1);
        EXPECT_EQ(record.WidCount, 1);
        EXPECT_NEAR(record.LenArea, meshes[i].nominalArea, 0.02) << meshes[i].type;
        EXPECT_EQ(record.UnitWeight, meshes[i].unitWeight) << meshes[i].type;
    }
}

} // namespace
} // namespace quorvel::catalogue

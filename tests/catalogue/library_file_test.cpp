#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "temp_folder.h"
#include "test_records.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::catalogue {
namespace {

namespace fs = std::filesystem;
using test::Record;

struct FolderCase
{
    const char* programFolder;
    const char* dataFolder;
};

class DataFolderTest : public ::testing::TestWithParam<FolderCase>
{
};

TEST_P(DataFolderTest, FromTheProgramFolder)
{
    EXPECT_EQ(DataFolder(GetParam().programFolder), GetParam().dataFolder)
        << GetParam().programFolder;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DataFolderTest,
    ::testing::Values(
        // Letter case is kept: the file system tells Quorvel from QUORVEL.
        FolderCase{"/opt/Quorvel", "/opt/Quorvel"}, FolderCase{"/opt/quorvel/", "/opt/quorvel"},
        FolderCase{"/opt/quorvel//", "/opt/quorvel"}, FolderCase{"/", "/"}, FolderCase{"", "."},
        // A development folder, in any letter case and anywhere in the path.
        FolderCase{"/home/dev/QELTAR/build", "/MORV13"}, FolderCase{"/home/dev/qeltar", "/MORV13"},
        FolderCase{"/home/dev/QeLtAr2/x", "/MORV13"}, FolderCase{"/QELTAR", "/MORV13"},
        // Only a folder name that starts with it.
        FolderCase{"/home/dev/xQELTAR", "/home/dev/xQELTAR"},
        FolderCase{"QELTAR/bin", "QELTAR/bin"}, FolderCase{"/home/QELTA/r", "/home/QELTA/r"}));

TEST(LibraryPathTest, AppendsTheFileName)
{
    EXPECT_EQ(LibraryPath("/opt/Quorvel"), "/opt/Quorvel/ZAFIK.LIB");
    EXPECT_EQ(LibraryPath("/MORV13"), "/MORV13/ZAFIK.LIB");
    EXPECT_EQ(LibraryPath("/"), "/ZAFIK.LIB");
}

class LibraryFileTest : public ::testing::Test
{
protected:
    LibraryFileTest()
    {
        mTable[1] = Record("Q131", 5, 2.15f, 150, 150, 1, 5, 1, 5, 1.308958f, 1.308958f, 2.09f);
        mTable[2] = Record("R2", 6, 2.3f, 150, 250, 2, 6.5f, 1, 0.5f, 1, 1, -0.25f);
    }

    fs::path Library() const { return mFolder.Path() / "ZAFIK.LIB"; }

    test::TempFolder mFolder;
    MeshTable mTable;
};

TEST_F(LibraryFileTest, SaveThenLoadGivesTheSameTable)
{
    const SaveResult saved = SaveMeshLibrary(mFolder.String(), mTable);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(test::ReadBytes(Library()), SerializeMeshLibrary(mTable));

    MeshTable loaded;
    const LoadResult result = LoadMeshLibrary(mFolder.String(), loaded);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.recordsRead, 2);
    EXPECT_EQ(result.recordsDropped, 0);
    EXPECT_EQ(loaded, mTable);
}

TEST_F(LibraryFileTest, SaveReplacesALongerOldFileWhole)
{
    test::WriteBytes(Library(), std::string(100000, 'x'));
    ASSERT_TRUE(SaveMeshLibrary(mFolder.String(), mTable).ok);
    EXPECT_EQ(test::ReadBytes(Library()), SerializeMeshLibrary(mTable));
}

TEST_F(LibraryFileTest, LoadReportsDroppedRecords)
{
    std::string bytes;
    for (int i = 0; i < 1003; ++i) {
        bytes += "N\r\n1,1,1,1,1,1,1,1,1,1,1\r\n";
    }
    test::WriteBytes(Library(), bytes);
    MeshTable loaded;
    const LoadResult result = LoadMeshLibrary(mFolder.String(), loaded);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.recordsRead, 1000);
    EXPECT_EQ(result.recordsDropped, 3);
}

TEST_F(LibraryFileTest, MissingFileIsAnErrorWithAReason)
{
    MeshTable loaded;
    const LoadResult result = LoadMeshLibrary(mFolder.String(), loaded);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(loaded, MeshTable{});
}

TEST_F(LibraryFileTest, LibraryThatIsAFolderCannotBeLoaded)
{
    fs::create_directory(Library());
    MeshTable loaded;
    const LoadResult result = LoadMeshLibrary(mFolder.String(), loaded);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

TEST_F(LibraryFileTest, FolderNameWithNonAsciiBytes)
{
    const fs::path folder = mFolder.Path() / "Kütüphane";
    fs::create_directory(folder);
    ASSERT_TRUE(SaveMeshLibrary(folder.string(), mTable).ok);
    EXPECT_TRUE(fs::exists(folder / "ZAFIK.LIB"));
}

// Each way a save can fail must leave the old file, the table and the folder as they were.
struct FailureCase
{
    const char* label;
    void (*prepare)(const fs::path& folder); // makes the save into folder fail
    fs::path (*target)(const fs::path& folder);
};

class SaveFailureTest : public LibraryFileTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(SaveFailureTest, ReportsAndKeepsEverything)
{
    const FailureCase& c = GetParam();
    const fs::path folder = c.target(mFolder.Path());
    c.prepare(folder);
    const auto before =
        fs::exists(folder / "ZAFIK.LIB") && fs::is_regular_file(folder / "ZAFIK.LIB")
            ? test::ReadBytes(folder / "ZAFIK.LIB")
            : std::string();
    const MeshTable tableBefore = mTable;
    std::size_t entriesBefore = 0;
    if (fs::is_directory(folder)) {
        entriesBefore = static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    const SaveResult result = SaveMeshLibrary(folder.string(), mTable);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(mTable, tableBefore);
    if (fs::is_regular_file(folder / "ZAFIK.LIB")) {
        EXPECT_EQ(test::ReadBytes(folder / "ZAFIK.LIB"), before);
    }
    if (fs::is_directory(folder)) {
        EXPECT_EQ(static_cast<std::size_t>(
                      std::distance(fs::directory_iterator(folder), fs::directory_iterator())),
                  entriesBefore)
            << "no temporary file left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFailureTest,
    ::testing::Values(FailureCase{"folder_missing", [](const fs::path&) {},
                                  [](const fs::path& root) { return root / "missing"; }},
                      FailureCase{"folder_removed_after_start",
                                  [](const fs::path& folder) {
                                      fs::create_directory(folder);
                                      test::WriteBytes(folder / "ZAFIK.LIB", "OLD\r\n");
                                      fs::remove_all(folder);
                                  },
                                  [](const fs::path& root) { return root / "data"; }},
                      FailureCase{"library_is_a_folder",
                                  [](const fs::path& folder) {
                                      fs::create_directory(folder / "ZAFIK.LIB");
                                      test::WriteBytes(folder / "ZAFIK.LIB" / "inside", "keep");
                                  },
                                  [](const fs::path& root) { return root; }},
                      FailureCase{
                          "data_folder_is_a_file",
                          [](const fs::path& folder) { test::WriteBytes(folder, "not a folder"); },
                          [](const fs::path& root) { return root / "plain"; }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LibraryFileTest, SaveOntoAFolderKeepsItsContents)
{
    fs::create_directory(Library());
    test::WriteBytes(Library() / "inside", "keep");
    EXPECT_FALSE(SaveMeshLibrary(mFolder.String(), mTable).ok);
    EXPECT_EQ(test::ReadBytes(Library() / "inside"), "keep");
}

// A file size limit makes the writes fail part way, as a full disk does.
TEST_F(LibraryFileTest, SaveCutShortByAFullDiskKeepsTheOldFile)
{
    test::WriteBytes(Library(), "OLD\r\n");
    MeshTable big;
    for (int slot = 1; slot <= kMaxRecords; ++slot) {
        big[slot] = mTable[1];
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const SaveResult result = SaveMeshLibrary(mFolder.String(), big);
        _exit(result.ok ? 0 : (result.error.empty() ? 2 : 1));
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the save must fail with a reason";
    EXPECT_EQ(test::ReadBytes(Library()), "OLD\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(mFolder.Path()), fs::directory_iterator()), 1)
        << "no temporary file left behind";
}

TEST_F(LibraryFileTest, ReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write into a read-only folder";
    }
    test::WriteBytes(Library(), "OLD\r\n");
    fs::permissions(mFolder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const SaveResult result = SaveMeshLibrary(mFolder.String(), mTable);
    fs::permissions(mFolder.Path(), fs::perms::owner_all);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(test::ReadBytes(Library()), "OLD\r\n");
}

} // namespace
} // namespace quorvel::catalogue

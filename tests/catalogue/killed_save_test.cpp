#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "temp_folder.h"
#include "test_records.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quorvel::catalogue {
namespace {

MeshTable FullCatalogue(float length, const char* prefix)
{
    MeshTable table;
    for (int slot = 1; slot <= kMaxRecords; ++slot) {
        table[slot] = test::Record(prefix + std::to_string(slot), length, 2.15f, 150, 150, 1, 5, 2,
                                   6.5f, 1.3089583f, 4.7782216f, 2.09f + slot);
    }
    return table;
}

// A child process saves two 1000-record catalogues in turn until it is killed at a random
// moment; the library on disk must then be one of the two, whole.
TEST(KilledSaveTest, LeavesTheOldOrTheNewFileWhole)
{
    test::TempFolder folder;
    const MeshTable first = FullCatalogue(5, "A");
    const MeshTable second = FullCatalogue(123.4567f, "LONGER-B");
    const std::string firstBytes = SerializeMeshLibrary(first);
    const std::string secondBytes = SerializeMeshLibrary(second);
    ASSERT_NE(firstBytes.size(), secondBytes.size());
    ASSERT_TRUE(SaveMeshLibrary(folder.String(), first).ok);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(500, 40000);
    int sawFirst = 0;
    int sawSecond = 0;
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                if (!SaveMeshLibrary(folder.String(), second).ok ||
                    !SaveMeshLibrary(folder.String(), first).ok) {
                    _exit(2);
                }
            }
        }
        const int delay = delayMicroseconds(random);
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself, status " << status;

        const std::string onDisk = test::ReadBytes(folder.Path() / "ZAFIK.LIB");
        const bool whole = onDisk == firstBytes || onDisk == secondBytes;
        ASSERT_TRUE(whole) << "round " << round << " (seed " << seed << ", killed after " << delay
                           << " us): " << onDisk.size() << " bytes on disk";
        sawFirst += onDisk == firstBytes ? 1 : 0;
        sawSecond += onDisk == secondBytes ? 1 : 0;
    }
    std::cout << "old file " << sawFirst << " times, new file " << sawSecond << " times\n";
}

} // namespace
} // namespace quorvel::catalogue

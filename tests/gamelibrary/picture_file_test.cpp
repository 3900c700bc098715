// Reading picture files: row padding, colour table sizes, pixel offsets, and every damaged
// or hostile file refused cleanly.
#include "gamelibrary/picture_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../allocation_watch.h"
#include "../test_folder.h"
#include "test_pictures.h"

namespace cindervane {
namespace {

class PictureFileTest : public ::testing::Test {
  protected:
    std::string write(const std::vector<std::uint8_t>& bytes, const char* name = "P.BAI") {
        const auto path = folder.path() / name;
        writeBytes(path, bytes);
        return path.string();
    }

    // A 3 x 2 picture of indices 1..6, with a 16-colour table.
    std::vector<std::uint8_t> small() {
        return encodePictureFile(indexedPicture(
            3, 2, [](int x, int y) { return static_cast<std::uint8_t>(1 + x + 3 * y); },
            testPalette(16)));
    }

    TestFolder folder;
};

TEST_F(PictureFileTest, ThreePixelWideEightBitRowsAreFourBytesBottomRowFirst) {
    PictureFile file;
    ASSERT_TRUE(file.read(write(small())));
    EXPECT_EQ(PictureFile::rowBytes(file.header()), 4);
    EXPECT_EQ(file.header().width, 3);
    EXPECT_EQ(file.header().height, 2);
    EXPECT_EQ(file.colourTable().size(), 16u);
    EXPECT_EQ(file.pixelRows().size(), 8u);
    const std::vector<std::uint8_t> rows(file.pixelRows().begin(), file.pixelRows().end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
    // One block: header, table, rows.
    EXPECT_EQ(file.block().size(), 40u + 64u + 8u);
    EXPECT_EQ(file.block()[0], 40);
}

TEST_F(PictureFileTest, TheColourTableSizeComesFromColoursUsedOrElseTheDepth) {
    // Colours used 0 on an 8-bit picture: the full 1024-byte table.
    std::vector<std::uint8_t> bytes = encodePictureFile(
        indexedPicture(2, 2, [](int x, int) { return static_cast<std::uint8_t>(200 + x); }));
    put32(bytes, 46, 0);
    PictureFile file;
    ASSERT_TRUE(file.read(write(bytes)));
    EXPECT_EQ(file.colourTable().size(), 256u);
    EXPECT_EQ(file.colourTable()[201].red, 201);
    EXPECT_EQ(file.pixelRows()[1], 201);

    PictureInfoHeader header;
    header.bitsPerPixel = 8;
    header.coloursUsed = 16;
    EXPECT_EQ(PictureFile::colourTableBytes(header), 64);
    header.coloursUsed = 0x10010;  // only the low 16 bits count
    EXPECT_EQ(PictureFile::colourTableBytes(header), 64);
    header.coloursUsed = 0;
    for (auto [bits, table] : {std::pair{1, 8}, {2, 16}, {4, 64}, {8, 1024}, {16, 0}, {24, 0}}) {
        header.bitsPerPixel = static_cast<std::uint16_t>(bits);
        EXPECT_EQ(PictureFile::colourTableBytes(header), table) << bits;
    }
}

TEST_F(PictureFileTest, TwentyFourBitPicturesHaveNoColourTable) {
    PictureData picture;
    picture.width = 2;
    picture.height = 1;
    picture.bitsPerPixel = 24;
    picture.pixels = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    const std::vector<std::uint8_t> bytes = encodePictureFile(picture);
    EXPECT_EQ(bytes[10], 54);  // the pixel offset
    PictureFile file;
    ASSERT_TRUE(file.read(write(bytes)));
    EXPECT_TRUE(file.colourTable().empty());
    EXPECT_EQ(file.pixelRows().size(), 8u);
    EXPECT_EQ(file.pixelRows()[5], 0x60);
}

// A pixel offset of 0 means the rows follow the table, one further on skips what lies
// between, and the compression field is not looked at (run-length 8-bit reads as plain).
TEST_F(PictureFileTest, TheRowsAreFoundFromThePixelOffsetWhateverTheCompressionField) {
    std::vector<std::uint8_t> zero = small(), further = small(), compressed = small();
    put32(zero, 10, 0);
    further.insert(further.begin() + 54 + 64, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    put32(further, 10, 54 + 64 + 5);
    put32(compressed, 30, 1);
    for (const auto& bytes : {zero, further, compressed}) {
        PictureFile file;
        ASSERT_TRUE(file.read(write(bytes)));
        EXPECT_EQ(file.pixelRows()[0], 4);
        EXPECT_EQ(file.pixelRows()[4], 1);
    }
}

TEST_F(PictureFileTest, DamagedFilesAreRefusedAndNothingIsKept) {
    const std::vector<std::uint8_t> good = small();
    struct Damage {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> apply;
    };
    const std::vector<Damage> damages = {
        {"header size 124", [](auto& b) { put32(b, 14, 124); }},
        {"wrong signature", [](auto& b) { b[1] = 'N'; }},
        {"reserved 1", [](auto& b) { b[6] = 1; }},
        {"reserved 2", [](auto& b) { b[9] = 1; }},
        {"two planes", [](auto& b) { b[26] = 2; }},
        {"depth 7", [](auto& b) { b[28] = 7; }},
        {"257 colours", [](auto& b) { put32(b, 46, 257); }},
        {"width 0", [](auto& b) { put32(b, 18, 0); }},
        {"negative height", [](auto& b) { put32(b, 22, static_cast<std::uint32_t>(-2)); }},
        {"width 4097", [](auto& b) { put32(b, 18, 4097); }},
        {"rows past the end", [](auto& b) { put32(b, 10, 200); }},
        {"13 bytes", [](auto& b) { b.resize(13); }},
        {"half a header", [](auto& b) { b.resize(34); }},
        {"no colour table", [](auto& b) { b.resize(60); }},
        {"last byte missing", [](auto& b) { b.pop_back(); }},
        {"empty", [](auto& b) { b.clear(); }},
    };
    PictureFile file;
    for (const Damage& damage : damages) {
        ASSERT_TRUE(file.read(write(good)));
        std::vector<std::uint8_t> bytes = good;
        damage.apply(bytes);
        EXPECT_FALSE(file.read(write(bytes))) << damage.what;
        EXPECT_FALSE(file.loaded()) << damage.what;
        EXPECT_TRUE(file.block().empty()) << damage.what;
    }
    // Neither is a missing file, a folder, a pipe (a plain open would wait for a writer for
    // ever) nor a device.
    const auto pipe = folder.path() / "O0028.BAI";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path :
         {(folder.path() / "MISSING.BAI").string(), folder.path().string(), pipe.string(),
          std::string("/dev/zero")}) {
        EXPECT_FALSE(file.read(path)) << path;
        EXPECT_FALSE(file.loaded()) << path;
    }
}

TEST_F(PictureFileTest, HugeSizesAreRefusedWithoutALargeAllocation) {
    std::vector<std::uint8_t> huge = small();
    put32(huge, 18, 65536);
    put32(huge, 22, 65537);
    // The largest picture there may be, but its rows are not in the file.
    std::vector<std::uint8_t> largest = small();
    put32(largest, 18, 4096);
    put32(largest, 22, 4096);
    put32(largest, 28, 32);
    const std::string hugePath = write(huge, "HUGE.BAI");
    const std::string largestPath = write(largest, "LARGEST.BAI");

    AllocationWatch watch;
    PictureFile file;
    EXPECT_FALSE(file.read(hugePath));
    EXPECT_FALSE(file.read(largestPath));
    EXPECT_LT(watch.largest(), 64u * 1024u);
}

}  // namespace
}  // namespace cindervane

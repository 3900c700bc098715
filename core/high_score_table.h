// The ten best scores with a three-character nick each, and the high score file they are
// kept in between runs: "hscr000.bas" in the data folder, ten 12-byte records, best first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace cindervane {

struct HighScoreEntry {
    std::array<char16_t, 4> nick{};  // up to 3 characters, then 0
    std::int32_t score = 0;
};

class HighScoreTable {
  public:
    static constexpr int kEntryCount = 10;

    virtual ~HighScoreTable() = default;

    // Index 0 is the best. A new table has every nick empty and every score 0.
    std::array<HighScoreEntry, kEntryCount> entries{};
    // Set when the file on the disk could not be read nor moved aside: saves then leave it
    // as it is, so scores the game could not read are never written over.
    bool keepFile = false;
};

constexpr std::string_view kHighScoreFileName = "hscr000.bas";
// Each record: the nick as 4 UTF-16LE code units, then the score as a signed 32-bit
// little-endian integer.
constexpr std::size_t kHighScoreRecordSize = 12;
constexpr std::size_t kHighScoreFileSize = kHighScoreRecordSize * HighScoreTable::kEntryCount;
// A file larger than this is not a high score file; it is treated as one that cannot be read.
constexpr std::size_t kHighScoreFileMostBytes = 1024 * 1024;

// Lays the bytes of a high score file over the table, 12-byte records into entries 0, 1, 2,
// ...: at most ten; a short last record lands over the start of its entry and the entries
// after it keep what they held.
void readHighScoreRecords(HighScoreTable& table, std::span<const std::uint8_t> bytes);

// Reads the file in the folder into the table (first clearing away what killed saves left).
// A missing file is created empty. Only a regular file is read, without ever waiting on a
// pipe. A file that exists but cannot be read is moved aside to a dated name, and the
// message says where; when it cannot be moved either, the table is marked to keep the file
// and never written over it. Each failure is one line on stderr and returns false; the
// table then keeps what it holds.
bool loadHighScores(HighScoreTable& table, const std::filesystem::path& folder);

// Writes the table to the file in the folder: exactly 120 bytes, replacing the old file
// only once the new one is safely on the disk (a symbolic link's target is replaced, the
// link stays). False, with one line on stderr, when it cannot be written or the table
// keeps an unreadable file; the table is untouched either way.
bool saveHighScores(const HighScoreTable& table, const std::filesystem::path& folder);

// The nick's characters (those before the terminator) in UTF-8, for dumps.
std::string nickText(const HighScoreEntry& entry);

}  // namespace cindervane

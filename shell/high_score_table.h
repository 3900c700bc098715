// The ten best scores with a three-character nick each, and the high score file they are
// kept in between runs: "hscr000.bas" in the data folder, ten 12-byte records, best first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
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
};

constexpr std::string_view kHighScoreFileName = "hscr000.bas";
// Each record: the nick as 4 UTF-16LE code units, then the score as a signed 32-bit
// little-endian integer.
constexpr std::size_t kHighScoreRecordSize = 12;
constexpr std::size_t kHighScoreFileSize = kHighScoreRecordSize * HighScoreTable::kEntryCount;

// Reads the file in the folder into the table, one record at a time, at most ten; a short
// last record lands over the start of its entry and the entries after it keep what they
// held. A missing file is created empty. False, with one line on stderr, when the file
// cannot be opened, created or read; the table then keeps what it holds.
bool loadHighScores(HighScoreTable& table, const std::filesystem::path& folder);

// Writes the table to the file in the folder: exactly 120 bytes, replacing the old file
// only once the new one is safely on the disk. False, with one line on stderr, when it
// cannot be written; the table is untouched either way.
bool saveHighScores(const HighScoreTable& table, const std::filesystem::path& folder);

// The nick's characters (those before the terminator) in UTF-8, for dumps.
std::string nickText(const HighScoreEntry& entry);

}  // namespace cindervane

// Fuzzing the high score file reader: any bytes fill the table record by record, every nick
// ends within its four units and turns into valid UTF-8 for dumps.
#include <cstddef>
#include <cstdint>

#include "core/high_score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cindervane::HighScoreTable table;
    cindervane::readHighScoreRecords(table, {data, size});
    for (const cindervane::HighScoreEntry& entry : table.entries) {
        if (entry.nick[3] != 0) __builtin_trap();
        const std::string text = cindervane::nickText(entry);
        if (text.size() > 12) __builtin_trap();
    }
    return 0;
}

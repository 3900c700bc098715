// Fuzzing the command line: the bytes are cut at each 0 into arguments. Whatever they are,
// parsing ends in a run, an exit with text, or one error line with no raw control character,
// and no exception gets out.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words = {"cindervane"};
    std::string word;
    for (std::size_t i = 0; i < size && words.size() < 24; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    if (!word.empty()) words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    cindervane::CommandLine line;
    const auto result =
        cindervane::parseCommandLine(static_cast<int>(argv.size()), argv.data(), line);
    if (result.run && (result.exitCode != 0 || !result.error.empty())) __builtin_trap();
    if (!result.run && result.error.empty() && result.output.empty()) __builtin_trap();
    for (const char c : result.error)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) __builtin_trap();
    if (result.run && line.platform.frameLimit &&
        (*line.platform.frameLimit < 1 || *line.platform.frameLimit > cindervane::kMostFrames))
        __builtin_trap();
    return 0;
}

// The mixer's cost for one block of the desktop's sound thread: the game's seven clips (four
// effects, three music players) all playing, at the usual output rates.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/audio/wave_mixer.h"

namespace {

using namespace cindervane::platform;

void mixBlock(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    const int voices = static_cast<int>(state.range(1));
    WaveMixer mixer(rate, 2, WaveMixer::defaultFadeFrames(rate));
    std::vector<std::uint8_t> samples(11025);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::uint8_t>(128 + (i * 37 % 200) - 100);
    std::vector<std::unique_ptr<WaveBuffer>> buffers;
    std::vector<std::unique_ptr<WaveDevice>> devices;
    for (int v = 0; v < voices; ++v) {
        auto buffer = std::make_unique<WaveBuffer>();
        buffer->data = samples.data();
        buffer->length = static_cast<std::uint32_t>(samples.size());
        WaveBuffer* raw = buffer.get();
        WaveResult result;
        auto device = mixer.open(
            WaveFormat{},
            [raw, &devices, v](WaveMessage message, WaveBuffer*) {
                if (message == WaveMessage::Done) devices[static_cast<std::size_t>(v)]->write(*raw);
            },
            result);
        device->prepare(*buffer);
        device->write(*buffer);
        devices.push_back(std::move(device));
        buffers.push_back(std::move(buffer));
    }
    std::array<std::int16_t, 512 * 2> block{};
    for (auto _ : state) {
        mixer.mix(block.data(), 512);
        benchmark::DoNotOptimize(block.data());
    }
    state.SetItemsProcessed(state.iterations() * 512);
    for (auto& device : devices)
        device.reset();
}

BENCHMARK(mixBlock)->Args({44100, 7})->Args({48000, 7})->Args({48000, 16});

}  // namespace

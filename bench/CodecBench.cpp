// The menu codec under load: a whole menu to its file image and back, and the
// time conversions over every value a file can hold.
#include "MenuFileFormat.h"
#include "TimeValues.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int TimeValueCount = 65536;

// Ten full slots, the longest names and times included, so that no record is
// cheap because it is empty.
MenuItems FullMenu()
{
    MenuItems items;
    const char* names[MenuItemCount] = {"FRIES",      "NUGGETS",       "WINGS",   "FISH",
                                        "ONION RING", "CR\xC3\x88PES", "CHICKEN", "HASH BRWN",
                                        "SHRIMP",     "CHEESE STK"};
    for (int i = 0; i < MenuItemCount; ++i) {
        auto& item = items[static_cast<std::size_t>(i)];
        item.Name = names[i];
        item.Cook = std::to_string(3 + i) + ":3" + std::to_string(i % 10);
        item.Duty = "0:45";
        item.Hold = i == 9 ? "1092:15" : "10:00";
        item.Comp = static_cast<std::int16_t>(i % 2);
    }
    return items;
}

void BM_EncodeMenu(benchmark::State& state)
{
    const MenuItems items = FullMenu();
    MenuImage image{};
    for (auto _ : state) {
        EncodeMenu(items, image);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * MenuItemCount);
    state.SetBytesProcessed(state.iterations() * FileDataSize);
}
BENCHMARK(BM_EncodeMenu);

void BM_DecodeMenu(benchmark::State& state)
{
    MenuImage image{};
    EncodeMenu(FullMenu(), image);
    if (DecodeMenu(image) != FullMenu()) {
        state.SkipWithError("a full menu does not survive encoding and decoding");
        return;
    }
    for (auto _ : state) {
        MenuItems items = DecodeMenu(image);
        benchmark::DoNotOptimize(items);
    }
    state.SetItemsProcessed(state.iterations() * MenuItemCount);
    state.SetBytesProcessed(state.iterations() * FileDataSize);
}
BENCHMARK(BM_DecodeMenu);

// One iteration converts all 65,536 byte pairs.
void BM_CalculateTimeAsString(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t length = 0;
        for (int value = 0; value < TimeValueCount; ++value)
            length += CalculateTimeAsString(static_cast<std::uint8_t>(value >> 8),
                                            static_cast<std::uint8_t>(value & 0xFF))
                          .size();
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * TimeValueCount);
}
BENCHMARK(BM_CalculateTimeAsString)->Unit(benchmark::kMillisecond);

// And back: the 65,536 texts to seconds.
void BM_CalculateTimeInSeconds(benchmark::State& state)
{
    std::vector<std::string> texts;
    texts.reserve(TimeValueCount);
    for (int value = 0; value < TimeValueCount; ++value) {
        texts.push_back(CalculateTimeAsString(static_cast<std::uint8_t>(value >> 8),
                                              static_cast<std::uint8_t>(value & 0xFF)));
        if (CalculateTimeInSeconds(texts.back()) != value) {
            state.SkipWithError(("\"" + texts.back() + "\" does not convert back").c_str());
            return;
        }
    }
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const std::string& text : texts)
            sum += CalculateTimeInSeconds(text);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * TimeValueCount);
}
BENCHMARK(BM_CalculateTimeInSeconds)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

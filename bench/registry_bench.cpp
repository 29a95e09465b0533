// The registry file a program reads and writes at every start and save,
// against the one block copy that presents a 240 x 320 screen: a file with
// a key path 6,000 deep (what a hostile or broken tool may leave) must cost
// no more than an ordinary one, read, changed and written in linear time.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/RegistryText.h"

namespace {

using namespace platform::registry;

std::string registryFile(int depth) {
    std::string text =
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, Inc. Deckhollow]\n"
        "\"InstallDir\"=\"\\\\Program Files\\\\Tarnwick Software\\\\Deckhollow\"\n\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine]\n"
        "\"CardBack\"=dword:00000005\n\"PairsScores\"=\"52 40 38 0 0 0 0 0 0 0 \"\n";
    if (depth > 0) {
        text += "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Deep";
        for (int i = 0; i < depth; ++i) text += "\\k";
        text += "]\n\"V\"=dword:00000001\n";
    }
    return text;
}

// Read, one value set, written: what a save does with the file in memory.
void BM_ReadChangeWrite(benchmark::State& state) {
    const std::string file = registryFile(static_cast<int>(state.range(0)));
    Change change{Change::Kind::SetValue, L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine",
                  Value{L"CardBack", kTypeDword, 3, L""}};
    size_t written = 0;
    for (auto _ : state) {
        Hive hive;
        parseRegistryText(file, hive);
        hive.apply(change);
        std::string text = formatRegistryText(hive);
        written = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["input_bytes"] = static_cast<double>(file.size());
    state.counters["written_bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_ReadChangeWrite)->Arg(0)->Arg(64)->Arg(2000)->Arg(6000);

void BM_ScreenCopy(benchmark::State& state) {
    std::vector<char> from(153600, 1), to(153600);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), 153600);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 153600);
}
BENCHMARK(BM_ScreenCopy);

}  // namespace

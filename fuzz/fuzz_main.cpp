// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// One driver for every target. Built with ZORET_FUZZ_TARGET it is that
// target's libFuzzer entry; otherwise, under ctest,
//   fuzz_replay TARGET CORPUS-FOLDER GENERATED-COUNT
// runs every seed file, then that many inputs of a seeded generator
// (ZORET_FUZZ_SEED or a fixed one), naming the one that fails.
#include "fuzz/fuzz.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <iterator>

namespace {
std::string replaying = "this input"; // named when a property fails
auto targetNamed(const std::string& name)
{
    // clang-format off
    const std::pair<const char*, void (*)(const std::uint8_t*, std::size_t)> targets[] = {{"fuzz_text", fuzz::text},
        {"fuzz_round_trip", fuzz::roundTrip}, {"fuzz_system", fuzz::system}, {"fuzz_fork", fuzz::fork}, {"fuzz_settlement", fuzz::settlement}};
    // clang-format on
    for (const auto& [known, run] : targets)
        if (known == name)
            return [run](const std::string& bytes) {
                run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            };
    std::fprintf(stderr, "no fuzz target %s\n", name.c_str());
    std::exit(2);
}
} // namespace

void fuzz::check(bool holds, const char* property)
{
    if (!holds)
        std::fprintf(stderr, "property violated on %s: %s\n", replaying.c_str(), property), std::abort();
}

#ifdef ZORET_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto run = targetNamed(ZORET_FUZZ_TARGET);
    return run(std::string(reinterpret_cast<const char*>(data), size)), 0;
}
#else
int main(int, char* argv[])
{
    const auto run = targetNamed(argv[1]);
    for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
        std::ifstream in(entry.path(), std::ios::binary);
        replaying = "seed file " + entry.path().string();
        run(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    const char* seed = std::getenv("ZORET_FUZZ_SEED") ? std::getenv("ZORET_FUZZ_SEED") : "20261206";
    std::mt19937 random(std::strtoul(seed, nullptr, 10));
    const std::string_view alphabet = "0123456789.,+-eEdD&HhO \t\n"; // half the bytes number-like
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        std::string bytes(random() % 72, ' ');
        for (auto& b : bytes)
            b = random() % 2 ? alphabet[random() % alphabet.size()] : char(random());
        char number[16];
        replaying =
            "generated input " + std::string(number, std::to_chars(number, number + 16, i).ptr) + " of seed " + seed;
        run(bytes);
    }
}
#endif

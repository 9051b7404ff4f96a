// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// One driver for every target. Built with ZORET_FUZZ_TARGET it is that
// target's libFuzzer entry; otherwise, under ctest,
//   fuzz_replay TARGET CORPUS-FOLDER GENERATED-COUNT
// runs every seed file, then that many inputs of a seeded generator
// (ZORET_FUZZ_SEED, or a fixed seed), naming the one that fails.
#include "fuzz/fuzz.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {
std::string replaying; // the input on trial, named when a property fails
std::string decimal(unsigned n)
{
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + 16, n).ptr);
}
using Run = void (*)(const std::uint8_t*, std::size_t);
Run targetNamed(const std::string& name)
{
    // clang-format off
    const std::pair<const char*, Run> targets[] = {{"fuzz_text", fuzz::text}, {"fuzz_round_trip", fuzz::roundTrip},
        {"fuzz_system", fuzz::system}, {"fuzz_fork", fuzz::fork}, {"fuzz_settlement", fuzz::settlement}};
    // clang-format on
    for (const auto& [known, run] : targets)
        if (known == name)
            return run;
    std::fprintf(stderr, "no fuzz target %s\n", name.c_str());
    std::exit(2);
}
} // namespace

void fuzz::check(bool holds, const char* property)
{
    if (!holds)
        std::fprintf(stderr, "property violated: %s\n%s\n", property, replaying.c_str()), std::abort();
}

#ifdef ZORET_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Run run = targetNamed(ZORET_FUZZ_TARGET);
    return run(data, size), 0;
}
#else
int main(int argc, char* argv[])
{
    if (argc != 4)
        return std::fputs("usage: fuzz_replay TARGET CORPUS-FOLDER GENERATED-COUNT\n", stderr), 2;
    const Run run = targetNamed(argv[1]);
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        replaying = "seed file " + entry.path().string();
        run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), ++seeds;
    }
    const char* env = std::getenv("ZORET_FUZZ_SEED");
    const auto seed = static_cast<unsigned>(env ? std::strtoul(env, nullptr, 10) : 20261206u);
    std::mt19937 random(seed);
    const std::string_view alphabet = "0123456789.,+-eEdD&HhO \t\n"; // half the bytes number-like
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        std::string bytes(random() % 72, ' ');
        for (auto& b : bytes)
            b = random() % 2 ? alphabet[random() % alphabet.size()] : char(random());
        replaying = "generated input " + decimal(unsigned(i)) + " of ZORET_FUZZ_SEED=" + decimal(seed);
        run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%s: %s seed files, %s generated inputs\n", argv[1], decimal(unsigned(seeds)).c_str(), argv[3]);
    return seeds > 0 ? 0 : 1;
}
#endif

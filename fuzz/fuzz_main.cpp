// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// One driver for every target. Built with ZORET_FUZZ_TARGET it is that
// target's libFuzzer entry; otherwise it replays under ctest:
//   fuzz_replay TARGET CORPUS-FOLDER GENERATED-COUNT
// every seed file, then that many inputs from a seeded generator (the seed
// is ZORET_FUZZ_SEED, or a fixed one), the seed and input named on failure.
#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

namespace fuzz {

namespace {
std::string replaying; // which input failed, for the report
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const unsigned char c : text)
        out += c >= 0x20 && c < 0x7f && c != '"'
                   ? std::string(1, char(c))
                   : std::string{'\\', 'x', "0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
    return out + "\"";
}

void fail(const std::string& message)
{
    std::fprintf(stderr, "property violated: %s\n%s", message.c_str(), replaying.c_str());
    std::abort();
}

std::string describe(const Outcome& o) { return o.ok ? show(o.value) : "error " + show(int(o.code)); }

} // namespace fuzz

namespace {

using Run = void (*)(const std::uint8_t*, std::size_t);
Run targetNamed(std::string_view name)
{
    static const std::pair<std::string_view, Run> targets[] = {{"fuzz_val", fuzz::val},
                                                               {"fuzz_round_trip", fuzz::roundTrip},
                                                               {"fuzz_cdbl_cint", fuzz::cdblCint},
                                                               {"fuzz_system", fuzz::system},
                                                               {"fuzz_fork", fuzz::fork},
                                                               {"fuzz_settlement", fuzz::settlement}};
    for (const auto& [known, run] : targets)
        if (known == name)
            return run;
    std::fprintf(stderr, "no fuzz target %.*s\n", int(name.size()), name.data());
    std::exit(2);
}

} // namespace

#ifdef ZORET_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Run run = targetNamed(ZORET_FUZZ_TARGET);
    run(data, size);
    return 0;
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
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        fuzz::replaying = "seed file " + entry.path().string() + "\n";
        run(bytes.data(), bytes.size());
        ++seeds;
    }
    // Number-like bytes half the time, so the readers see more than garbage.
    const char* env = std::getenv("ZORET_FUZZ_SEED");
    const auto seed = static_cast<unsigned>(env ? std::strtoul(env, nullptr, 10) : 20261206u);
    std::mt19937 random(seed);
    const std::string_view alphabet = "0123456789.,+-eEdD&HhO \t\n";
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        std::vector<std::uint8_t> bytes(random() % 72);
        for (auto& b : bytes)
            b = random() % 2 ? std::uint8_t(alphabet[random() % alphabet.size()]) : std::uint8_t(random());
        fuzz::replaying = "generated input " + fuzz::show(i) + " of ZORET_FUZZ_SEED=" + fuzz::show(seed) + "\n";
        run(bytes.data(), bytes.size());
    }
    std::printf("%s: %d seed files, %d generated inputs\n", argv[1], seeds, count);
    return seeds > 0 ? 0 : 1;
}
#endif

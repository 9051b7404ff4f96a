// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a fuzz target over files without libFuzzer, so the seed corpus and
// every kept reproducer are checked by ctest with the ordinary compiler (and
// under the sanitizer build). Arguments are files or folders of files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int runFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fputs(("cannot read " + file.string() + "\n").c_str(), stderr);
        return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    int failures = 0;
    int inputs = 0;
    for (int a = 1; a < argc; ++a) {
        const std::filesystem::path path(argv[a]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file()) {
                    failures += runFile(entry.path());
                    ++inputs;
                }
        } else {
            failures += runFile(path);
            ++inputs;
        }
    }
    if (inputs == 0) {
        std::fputs("no inputs to replay\n", stderr);
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

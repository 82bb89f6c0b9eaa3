// Without libFuzzer (the ordinary g++ build) a fuzz target becomes a test:
// every file of the directories or files given is fed to it once, in name
// order, so the committed corpus and any crash found earlier stay fixed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& place) {
    std::vector<std::filesystem::path> inputs;
    std::error_code ec;
    if (std::filesystem::is_directory(place, ec)) {
        for (const auto& entry : std::filesystem::directory_iterator(place)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
        std::sort(inputs.begin(), inputs.end());
    } else if (std::filesystem::is_regular_file(place, ec)) {
        inputs.push_back(place);
    }
    return inputs;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& path : inputsIn(argv[i])) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            std::printf("%s (%zu bytes)\n", path.filename().c_str(), bytes.size());
            std::fflush(stdout);
            // A pointer into an empty vector may be null, which libFuzzer never passes.
            static const std::uint8_t kNothing = 0;
            LLVMFuzzerTestOneInput(bytes.empty() ? &kNothing : bytes.data(), bytes.size());
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}

// Replays corpus folders through a fuzz entry point under the normal build, so that every
// input a fuzzer once found keeps passing. A missing or empty folder fails: a corpus that
// silently went away would make the test pass without testing anything.
//
// In an optimised build an input that takes over a second of processor time fails too:
// that is a hang, not a slow machine (inputs take milliseconds there). Sanitizer, coverage
// and debug builds run 10 to 50 times slower and skip the check.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s corpus-folder...\n", argv[0]);
    return 2;
  }
  std::size_t inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream file(entry.path(), std::ios::binary);
      const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
      std::fprintf(stderr, "%s\n", entry.path().filename().c_str());
      const std::clock_t start = std::clock();
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
#ifdef REPLAY_CPU_SECONDS
      if (seconds > REPLAY_CPU_SECONDS) {
        std::fprintf(stderr, "%s took %.2f s of processor time\n", entry.path().filename().c_str(), seconds);
        return 1;
      }
#endif
      (void)seconds;
      ++inputs;
    }
    if (error) {
      std::fprintf(stderr, "cannot read %s: %s\n", argv[i], error.message().c_str());
      return 1;
    }
  }
  std::printf("%zu inputs replayed\n", inputs);
  return inputs > 0 ? 0 : 1;
}

// The replay program of a fuzz target, built with the ordinary compiler:
// every file of the folders (and every file) named on the command line goes
// once through the target's LLVMFuzzerTestOneInput, in name order. Files
// whose names start with "." are skipped (they keep empty folders in the
// repository). A folder that does not exist is an error, so a misspelt
// folder cannot pass unnoticed; a failing input stops the program the way
// it stops the fuzzer, with the input's name printed just before.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool Collect(const fs::path &path, std::vector<fs::path> &files) {
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) {
    files.push_back(path);
    return true;
  }
  if (!fs::is_directory(path, ec)) {
    std::fprintf(stderr, "replay: %s is neither a file nor a folder\n", path.c_str());
    return false;
  }
  std::vector<fs::path> found;
  for (const auto &entry : fs::directory_iterator(path, ec)) {
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
      found.push_back(entry.path());
  }
  std::sort(found.begin(), found.end());
  files.insert(files.end(), found.begin(), found.end());
  return !ec;
}

}  // namespace

int main(int argc, char **argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    if (!Collect(argv[i], files)) return 2;
  }
  for (const fs::path &file : files) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
      std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
      return 2;
    }
    const std::string input = bytes.str();
    std::fprintf(stderr, "replay: %s\n", file.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.data()), input.size());
  }
  std::printf("replay: %zu inputs ran\n", files.size());
  return 0;
}

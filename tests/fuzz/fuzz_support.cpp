#include "fuzz_support.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumo::fuzz {
namespace {

namespace fs = std::filesystem;

std::string BaseFolder() {
  if (const char *tmp = std::getenv("TMPDIR"); tmp != nullptr && *tmp != '\0') return tmp;
  std::error_code ec;
  if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
  return fs::temp_directory_path().string();
}

class Scratch {
 public:
  Scratch() {
    std::string pattern = BaseFolder() + "/lumo-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
      Fail("cannot make a scratch folder under " + BaseFolder());
    path_ = pattern;
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const std::string &Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

const std::string &ScratchFolder() {
  static const Scratch scratch;
  return scratch.Path();
}

std::string ScratchFile(const std::string &name) {
  return ScratchFolder() + "/" + name;
}

void WriteWholeFile(const std::string &path, const std::string &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Fail("cannot write the scratch file " + path);
}

std::string ReadWholeFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot read the scratch file " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Trace(const char *format, ...) {
  static const bool verbose = std::getenv("LUMO_FUZZ_VERBOSE") != nullptr;
  if (!verbose) return;
  std::va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fputc('\n', stderr);
}

void Require(bool ok, const char *what) {
  if (!ok) Fail(what);
}

void Fail(const std::string &what) {
  std::fprintf(stderr, "property failed: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace lumo::fuzz

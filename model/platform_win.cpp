// Windows implementation of the platform layer (built only on Windows).
#include <windows.h>

#include <string>
#include <vector>

#include "platform.h"

namespace lumo::platform {

char PathSeparator() {
  return '\\';
}

std::string ExecutablePath() {
  for (DWORD size = MAX_PATH; size <= 32768 * 4; size *= 2) {
    std::vector<char> buf(size);
    DWORD n = ::GetModuleFileNameA(nullptr, buf.data(), size);
    if (n == 0) return {};
    if (n < size) return std::string(buf.data(), n);
  }
  return {};
}

std::string ExecutableDirectory() {
  std::string path = ExecutablePath();
  auto pos = path.find_last_of("\\/");
  if (pos == std::string::npos) return {};
  return path.substr(0, pos);
}

std::string SystemDirectory() {
  char buf[MAX_PATH];
  UINT n = ::GetSystemDirectoryA(buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::string(buf, n);
}

namespace {

std::string LastErrorText() {
  char *msg = nullptr;
  DWORD err = ::GetLastError();
  ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, err, 0, reinterpret_cast<LPSTR>(&msg), 0, nullptr);
  std::string text = msg ? msg : "error " + std::to_string(err);
  if (msg) ::LocalFree(msg);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

std::string Describe(const std::string &path, const char *what) {
  return "Could not write " + path + ": " + what + " (" + LastErrorText() + ")";
}

}  // namespace

std::string FileWriteProblem(const std::string &path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return "it is a folder";
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           existed ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastErrorText();
  ::CloseHandle(h);
  if (!existed) ::DeleteFileA(path.c_str());
  return {};
}

void ReplaceFileContents(const std::string &path, const std::string &bytes) {
  std::string tmp = path + ".tmp" + std::to_string(::GetCurrentProcessId());
  HANDLE h = ::CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw FileError(Describe(path, "cannot create a temporary file"));
  const char *data = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (ok && left > 0) {
    DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
    DWORD written = 0;
    ok = ::WriteFile(h, data, chunk, &written, nullptr) && written == chunk;
    data += written;
    left -= written;
  }
  if (ok) ok = ::FlushFileBuffers(h);
  std::string error = ok ? std::string() : Describe(path, "write failed");
  ::CloseHandle(h);
  if (!ok) {
    ::DeleteFileA(tmp.c_str());
    throw FileError(error);
  }
  if (!::MoveFileExA(tmp.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = Describe(path, "cannot replace the file");
    ::DeleteFileA(tmp.c_str());
    throw FileError(error);
  }
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::Load(const std::string &fullPath,
                                                     std::string *error) {
  if (fullPath.find_first_of("\\/") == std::string::npos) {
    if (error) *error = "not a full path: " + fullPath;
    return nullptr;
  }
  // LOAD_WITH_ALTERED_SEARCH_PATH: the library's own folder resolves its
  // dependencies; the full path means no search for the library itself.
  HMODULE h = ::LoadLibraryExA(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!h) {
    if (error) *error = LastErrorText();
    return nullptr;
  }
  return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(h));
}

DynamicLibrary::~DynamicLibrary() {
  if (handle_) ::FreeLibrary(static_cast<HMODULE>(handle_));
}

void *DynamicLibrary::Symbol(const char *name) const {
  return reinterpret_cast<void *>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void RetainFreedMemory(std::size_t) {}

const char *EngineLibraryFileName() {
  return "LUMO32.DLL";
}

}  // namespace lumo::platform

// The program's only contact with the operating system beyond the standard
// library: where the running program lives, replacing a file safely, and
// loading a shared library by full path. Kept in one place so that a Windows
// build needs only another implementation of this header.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

namespace lumo::platform {

// The separator the platform's paths use ('/' here, '\\' on Windows).
char PathSeparator();

// The full path of the running program's file; empty if it cannot be told.
std::string ExecutablePath();

// The folder that holds the running program, without a trailing separator.
std::string ExecutableDirectory();

// The folder where the system keeps its own files (glyph bitmaps are looked
// up there); on POSIX systems "/usr/share/pixmaps".
std::string SystemDirectory();

// Raised when a file cannot be written or replaced; what() names the file
// and the cause.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `bytes` to `path` so that the old file is replaced only by a
// complete new one: the data goes to a temporary file in the same folder,
// is flushed to disk, and is then renamed over `path`. On any failure the
// temporary file is removed, `path` is left as it was, and FileError is
// thrown.
void ReplaceFileContents(const std::string &path, const std::string &bytes);

// Whether a file can be written at `path` before something else (the
// engine) writes it: the folder exists and may be written, and the name is
// free or names a regular file that may be written. Returns the cause when
// it cannot ("Permission denied", "it is a folder", ...), or an empty text.
// Nothing is left behind: an existing file is not changed, and a file made
// for the test is removed.
std::string FileWriteProblem(const std::string &path);

// A shared library loaded by its full path (never through the platform's
// library search order). Unloaded when the object is destroyed.
class DynamicLibrary {
 public:
  // Loads the library; returns null (and sets `error` when given) if it
  // cannot be loaded.
  static std::unique_ptr<DynamicLibrary> Load(const std::string &fullPath,
                                              std::string *error = nullptr);
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary &) = delete;
  DynamicLibrary &operator=(const DynamicLibrary &) = delete;

  // The address of an exported symbol, or null when there is none.
  void *Symbol(const char *name) const;

 private:
  explicit DynamicLibrary(void *handle) : handle_(handle) {}
  void *handle_;
};

// Lets the memory allocator keep up to `bytes` of freed memory for reuse
// instead of handing it back to the system at once. Work that allocates and
// frees the same large blocks many times a second (the runs of an
// assessment) otherwise pays for fresh zeroed pages every time. Process-wide;
// does nothing where the allocator cannot be told.
void RetainFreedMemory(std::size_t bytes);

// The engine library's file name on this platform ("liblumo32.so";
// "LUMO32.DLL" on Windows).
const char *EngineLibraryFileName();

}  // namespace lumo::platform

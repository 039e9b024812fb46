// POSIX implementation of the platform layer.
#include <dlfcn.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform.h"

namespace lumo::platform {

char PathSeparator() {
  return '/';
}

std::string ExecutablePath() {
  // readlink cuts a long path silently: grow the buffer until it fits.
  for (std::size_t size = 4096; size <= (std::size_t{1} << 20); size *= 4) {
    std::vector<char> buf(size);
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n <= 0) return {};
    if (static_cast<std::size_t>(n) < buf.size()) {
      return std::string(buf.data(), static_cast<size_t>(n));
    }
  }
  return {};
}

std::string ExecutableDirectory() {
  std::string path = ExecutablePath();
  auto pos = path.find_last_of('/');
  if (pos == std::string::npos) return {};
  return path.substr(0, pos);
}

std::string SystemDirectory() {
  return "/usr/share/pixmaps";
}

namespace {

std::string Describe(const std::string &path, const char *what, int err) {
  return "Could not write " + path + ": " + what + " (" + std::strerror(err) + ")";
}

bool WriteAll(int fd, const char *data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string FileWriteProblem(const std::string &path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "it is not a regular file";
    // Open without truncating, and without waiting on anything.
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    return {};
  }
  if (errno != ENOENT) return std::strerror(errno);
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  ::unlink(path.c_str());
  return {};
}

void ReplaceFileContents(const std::string &path, const std::string &bytes) {
  std::string tmpl = path + ".tmpXXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) throw FileError(Describe(path, "cannot create a temporary file", errno));
  std::string tmp(name.data());
  auto fail = [&](const char *what) {
    int err = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    throw FileError(Describe(path, what, err));
  };
  if (!WriteAll(fd, bytes.data(), bytes.size())) fail("write failed");
  if (::fsync(fd) != 0) fail("flush failed");
  // mkstemp creates the file private to the user; give it the usual mode.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    throw FileError(Describe(path, "close failed", err));
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    throw FileError(Describe(path, "cannot replace the file", err));
  }
  // Make the rename itself durable; a folder that cannot be synced still
  // holds the complete new file.
  auto slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::Load(const std::string &fullPath,
                                                     std::string *error) {
  // A name without a separator would go through the search order: refuse it.
  if (fullPath.find('/') == std::string::npos) {
    if (error) *error = "not a full path: " + fullPath;
    return nullptr;
  }
  void *handle = ::dlopen(fullPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    if (error) {
      const char *e = ::dlerror();
      *error = e ? e : "cannot load " + fullPath;
    }
    return nullptr;
  }
  return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle));
}

DynamicLibrary::~DynamicLibrary() {
  if (handle_) ::dlclose(handle_);
}

void *DynamicLibrary::Symbol(const char *name) const {
  return ::dlsym(handle_, name);
}

void RetainFreedMemory(std::size_t bytes) {
#if defined(__GLIBC__)
  ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min<std::size_t>(bytes, 1u << 30)));
#else
  (void)bytes;
#endif
}

const char *EngineLibraryFileName() {
  return "liblumo32.so";
}

}  // namespace lumo::platform

// What every fuzz target needs besides its input: a private scratch folder,
// whole files in and out, and a check that stops the process with a message
// when a property of the code under test does not hold (the fuzzer then
// keeps the input as a crash).
#pragma once

#include <string>

namespace lumo::fuzz {

// A folder of this process's own, made on first use (under $TMPDIR, or
// /dev/shm when there is one, so that the many small writes stay in memory)
// and removed with its contents when the process ends normally.
const std::string &ScratchFolder();
// `name` inside the scratch folder.
std::string ScratchFile(const std::string &name);

// Writes or reads a whole file; a failure stops the process (the scratch
// folder is the harness's own, so it is never the code under test).
void WriteWholeFile(const std::string &path, const std::string &bytes);
std::string ReadWholeFile(const std::string &path);

// With LUMO_FUZZ_VERBOSE set in the environment, prints a line (printf
// style) to standard error: how far an input went, for reading reproducers.
void Trace(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Stops the process with "property failed: <what>" when `ok` is false.
void Require(bool ok, const char *what);
[[noreturn]] void Fail(const std::string &what);

}  // namespace lumo::fuzz

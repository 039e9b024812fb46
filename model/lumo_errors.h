// The errors the scenario model raises. Every one carries the sentence the
// user is shown; the window that catches it adds only the caption.
#pragma once

#include <stdexcept>
#include <string>

namespace lumo {

// Base of every error raised by the scenario model.
class ELumoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opening a scenario: a file that is not there. The message is the full file
// name followed by " Does not Exist".
class EFOpenError : public ELumoError {
 public:
  explicit EFOpenError(const std::string &fileName)
      : ELumoError(fileName + " Does not Exist"), fileName_(fileName) {}
  const std::string &FileName() const { return fileName_; }

 private:
  std::string fileName_;
};

// Opening a scenario: a file of the wrong size (too short or too long) or one
// that fails while it is read. The message starts with
// "File is Corrupt or Incomplete" and names the file and the cause.
class EInOutError : public ELumoError {
 public:
  EInOutError(const std::string &fileName, const std::string &cause)
      : ELumoError("File is Corrupt or Incomplete: " + fileName + " (" + cause + ")"),
        fileName_(fileName) {}
  const std::string &FileName() const { return fileName_; }

 private:
  std::string fileName_;
};

// Opening a scenario: a file that exists but cannot be opened for reading
// (no permission, a folder or device rather than a file). The message starts
// with "Error Reading File" and names the file and the cause.
class EReadError : public ELumoError {
 public:
  EReadError(const std::string &fileName, const std::string &cause)
      : ELumoError("Error Reading File: " + fileName + " (" + cause + ")"), fileName_(fileName) {}
  const std::string &FileName() const { return fileName_; }

 private:
  std::string fileName_;
};

// Saving a scenario: a file could not be written. The message names the file
// and the cause; the files that were there before are left as they were.
class EWriteError : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// A scenario file name the program cannot use: empty, ending in "1" (it
// would be its own schedule file), or too long for the stored file name.
class EScenarioName : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// The painting schedule would need more than its 800 rows.
class ETooManyOverrideRows : public ELumoError {
 public:
  ETooManyOverrideRows() : ELumoError("Painting Limits exceeded") {}
};

// A text that cannot be stored in a fixed-length text field: too long, not
// valid UTF-8, or holding a character the stored character set lacks.
class ETextError : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

}  // namespace lumo

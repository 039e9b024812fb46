#include "results_csv.h"

#include <charconv>
#include <utility>

#include "run_failure.h"

namespace lumo {

ResultsCsv::ResultsCsv(const char *path) {
  if (path != nullptr) file_ = std::fopen(path, "wb");
}

ResultsCsv::~ResultsCsv() {
  if (file_ != nullptr) std::fclose(file_);
}

ResultsCsv::ResultsCsv(ResultsCsv &&other) noexcept
    : file_(std::exchange(other.file_, nullptr)), written_(other.written_) {}

ResultsCsv &ResultsCsv::operator=(ResultsCsv &&other) noexcept {
  if (this != &other) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::exchange(other.file_, nullptr);
    written_ = other.written_;
  }
  return *this;
}

void ResultsCsv::put(std::string_view text) {
  if (text.size() == 1) {  // the separators: a character costs less than a block
    if (std::fputc(text[0], file_) == EOF) written_ = false;
  } else if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
    written_ = false;
  }
}

// "%g": six significant digits. std::to_chars with the general format and
// precision 6 is defined to give printf's text, at a fraction of its cost.
void ResultsCsv::putNumber(double value) {
  char text[32];
  const std::to_chars_result end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  const auto length = static_cast<std::size_t>(end.ptr - text);
  if (std::fwrite(text, 1, length, file_) != length) written_ = false;
}

void ResultsCsv::endLine() {
  put("\r\n");
  if (std::fflush(file_) != 0) written_ = false;
  if (!written_) {
    throw RunFailure(RunFailure::Kind::kCsvWrite,
                     "a line of the concentration file was not written");
  }
}

void ResultsCsv::writeHeader(int nodeCount, std::size_t sinkCount) {
  if (!isOpen()) return;
  put("Time (days),Conc Outdoors (mg/m\xB3),Conc Zone 1 (mg/m\xB3)");
  if (nodeCount > 2) put(",Conc Zone 2 (mg/m\xB3)");
  for (std::size_t i = 0; i < sinkCount; ++i) {
    char text[48];
    std::snprintf(text, sizeof text, ",Sink %zu mass (mg)", i);
    put(text);
  }
  put(",,Conc@Person(mg/m\xB3)");
  endLine();
}

void ResultsCsv::writeRow(double clock, std::span<const double> concentrations,
                          std::span<const double> loadings, double personConcentration) {
  if (!isOpen()) return;
  putNumber(clock);
  for (double c : concentrations) {
    put(",");
    putNumber(c);
  }
  for (double l : loadings) {
    put(",");
    putNumber(l);
  }
  put(",,");
  putNumber(personConcentration);
  endLine();
}

}  // namespace lumo

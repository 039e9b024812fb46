// The concentration time series of a run: one header line and one row per
// report, numbers in "%g" notation, lines ending in CR LF and flushed as soon
// as they end, so that an abandoned run keeps every row written. The text is
// 8-bit; "³" is the byte 0xB3. A file that cannot be opened leaves the writer
// closed, and every write is then skipped. A line of an open file that cannot
// be written completely, up to its flush, throws RunFailure (kCsvWrite): a
// file that silently lacks rows would pass for a complete time series.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace lumo {

class ResultsCsv {
 public:
  ResultsCsv() = default;
  // Creates or replaces the file; path may be null (no file).
  explicit ResultsCsv(const char *path);
  ~ResultsCsv();
  ResultsCsv(ResultsCsv &&other) noexcept;
  ResultsCsv &operator=(ResultsCsv &&other) noexcept;
  ResultsCsv(const ResultsCsv &) = delete;
  ResultsCsv &operator=(const ResultsCsv &) = delete;

  bool isOpen() const { return file_ != nullptr; }

  void writeHeader(int nodeCount, std::size_t sinkCount);
  // clock, node concentrations, sink loadings, an empty field, the person's C
  void writeRow(double clock, std::span<const double> concentrations,
                std::span<const double> loadings, double personConcentration);

 private:
  void put(std::string_view text);
  void putNumber(double value);
  void endLine();

  std::FILE *file_ = nullptr;
  bool written_ = true;  // every part of the current line went into the stream
};

}  // namespace lumo

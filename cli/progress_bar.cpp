#include "progress_bar.h"

namespace lumo::cli {

namespace {
constexpr int kWidth = 40;
}

void ProgressBar::Begin(const std::string &label) {
  std::lock_guard<std::mutex> lock(mutex_);
  label_ = label;
  // Keep the line short: the end of a long path is the informative part.
  if (label_.size() > 30) label_ = "..." + label_.substr(label_.size() - 27);
  Draw(0);
}

void ProgressBar::Update(int percent) {
  std::lock_guard<std::mutex> lock(mutex_);
  Draw(percent);
}

void ProgressBar::End() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!enabled_) return;
  std::fprintf(out_, "\r\033[K");
  std::fflush(out_);
}

void ProgressBar::Draw(int percent) {
  if (!enabled_) return;
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  int filled = percent * kWidth / 100;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kWidth - filled), '.');
  std::fprintf(out_, "\r[%s] %3d%% %s", bar.c_str(), percent, label_.c_str());
  std::fflush(out_);
}

}  // namespace lumo::cli

// TMasks: the three display masks of a TNumEdit (positive, negative and
// zero values). Each mask holds at most 25 characters; longer assignments
// are cut. The owning field is told of every change so it can re-format.
#pragma once

#include <QString>
#include <functional>

class TMasks {
 public:
  static constexpr int kMaxLength = 25;

  QString PositiveMask() const { return positive_; }
  QString NegativeMask() const { return negative_; }
  QString ZeroMask() const { return zero_; }
  void SetPositiveMask(const QString &mask) { Set(positive_, mask); }
  void SetNegativeMask(const QString &mask) { Set(negative_, mask); }
  void SetZeroMask(const QString &mask) { Set(zero_, mask); }

  // The three masks joined as one three-section mask.
  QString Combined() const { return positive_ + u';' + negative_ + u';' + zero_; }

  // Called after any mask changed.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  void Set(QString &mask, const QString &value) {
    mask = value.left(kMaxLength);
    if (onChange_) onChange_();
  }

  QString positive_ = QStringLiteral("#,##0");
  QString negative_;
  QString zero_;
  std::function<void()> onChange_;
};

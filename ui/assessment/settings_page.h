// The Settings page of the probabilistic assessment window: iterations,
// seed (with a new one on request), sampling, the percentiles reported,
// a reference value per result, the sensitivity analyses, and the rank
// correlations between varied inputs. Fields are read into the window's
// draft by Commit, which names the field of a word that is not a number;
// the ranges are the distribution file reader's to check.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "assessment_draft.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lumo::ui {

class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  SettingsPage(prob::AssessmentDraft &draft, QWidget *parent = nullptr);

  // Fills the fields from the draft (the varied inputs for correlations).
  void Reload();
  // The varied inputs changed: the correlations' choices follow.
  void InputsChanged();
  // Reads every field into the draft; false (and *error the sentence,
  // naming the field) when a field holds something that is not a number.
  bool Commit(QString *error);

 private:
  void AddCorrelation(const std::string &first, const std::string &second, double rank);
  void FillCorrelationChoices(int row, const std::string &first, const std::string &second);

  prob::AssessmentDraft &draft_;
  QLineEdit *iterations_;
  QLineEdit *seed_;
  QPushButton *newSeed_;
  QComboBox *sampling_;
  QLineEdit *percentiles_;
  std::array<QLineEdit *, 10> references_{};
  QCheckBox *spearman_;
  QCheckBox *oneAtATime_;
  QCheckBox *sobol_;
  QLineEdit *sobolBase_;
  QLineEdit *bootstrap_;
  QTableWidget *correlations_;
};

}  // namespace lumo::ui

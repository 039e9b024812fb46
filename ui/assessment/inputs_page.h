// The Inputs page of the probabilistic assessment window: every scenario
// input that may vary, grouped as the main window's pages group them, with
// the scenario's own value and unit and whether it varies; and the editor of
// the selected input: its unit (where the dialog offers two), distribution,
// parameters, optional bounds, a preview of its density with the scenario's
// value marked, and the file reader's refusal shown at the field.
//
// The page edits the window's draft (assessment_draft.h) and nothing else;
// every check is the distribution file's own.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <string>

#include "assessment_draft.h"
#include "scenario_record.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace lumo::ui {

class DensityPreview;

class InputsPage : public QWidget {
  Q_OBJECT

 public:
  InputsPage(prob::AssessmentDraft &draft, QWidget *parent = nullptr);

  // The scenario's own values and which inputs it lets vary; refills.
  void SetScenario(const ScenarioRecord &record);
  // The draft was replaced (a file opened): refills everything.
  void Reload();
  // Shows the input in the editor.
  void SelectInput(const std::string &name);
  // The folder of the help documents (the "?" beside the distribution).
  void SetHelpFolder(const QString &folder) { helpFolder_ = folder; }
  // The inputs whose entries the file's reader refuses, with the sentence
  // (varied inputs only).
  std::map<std::string, std::string> Refusals() const;

 signals:
  void changed();

 private:
  void BuildTree();
  void FillTree();
  void FillRow(QTreeWidgetItem *item);
  void ShowEditor();
  // Reads the editor's fields into the draft; shows the refusal at the field.
  void EditorEdited();
  void FamilyChosen(int index);
  void UnitChosen(int index);
  void VaryToggled(bool on);
  void OfferStarting();
  void ShowRefusal(const QString &text, const QString &parameter);
  prob::InputDraft *Current();
  double Own(const std::string &name) const;

  prob::AssessmentDraft &draft_;
  ScenarioRecord record_{};
  std::string current_;
  bool filling_ = false;
  bool bounded_ = false;  // the shown family takes bounds

  QTreeWidget *tree_;
  QLabel *title_;
  QLabel *editedIn_;
  QCheckBox *vary_;
  QComboBox *unit_;
  QComboBox *family_;
  std::array<QLabel *, 4> paramLabels_{};
  std::array<QLineEdit *, 4> params_{};
  std::array<std::string, 4> paramNames_;
  QFormLayout *form_;
  QLineEdit *lower_;
  QLineEdit *upper_;
  QLabel *message_;
  QPushButton *offer_;
  QLabel *offerSource_;
  DensityPreview *preview_;
  QString helpFolder_;
};

// The name of a distribution's parameter for people ("Geometric SD").
QString ParameterCaption(const std::string &parameter);
// "40 to 150", "40 and above", "up to 150", "none".
QString BoundsText(std::optional<double> lower, std::optional<double> upper);
// "lognormal: gm 71.8, gsd 1.2; 40 to 150" in the input's shown unit.
QString DistributionSummary(const prob::InputDraft &input);

}  // namespace lumo::ui

// TfrmChemicals: the "Edit/Add Chemicals" window. Lists the chemicals of
// "Chems.dat" alphabetically and adds, changes and deletes them; every
// change goes to the file at once. The window is browsing (mode 0) until
// Edit, Add or a double click on the list starts an edit (mode 1 changes
// the selected chemical, mode 2 adds one); Save or Cancel ends it.
#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;
class TNumEdit;
class TRealEdit;

namespace lumo {
class TFileChemical;
}

class TfrmChemicals : public QDialog {
  Q_OBJECT

 public:
  enum Mode { kBrowsing = 0, kEditing = 1, kAdding = 2 };

  // `chemsPath` is the full path of the chemical list file.
  explicit TfrmChemicals(const QString &chemsPath, QWidget *parent = nullptr);
  ~TfrmChemicals() override;

  Mode CurrentMode() const { return mode_; }

 private:
  // Reads the file into the list; false when it could not be read (the
  // list then stays as it was).
  bool FillList();
  void ShowChemical(const QString &name);
  void StartEdit(Mode mode);
  void EndEdit(bool save);
  // Mode 1: replaces the selected chemical by the fields' values. Refuses
  // an empty name or the name of another chemical before anything is
  // deleted, and puts the chemical back if the new one cannot be written.
  void SaveEdit();
  void SaveAdd();
  void DeleteClick();
  void MolecularWtExit();
  void SetEditing(bool editing);
  void SayProblem(const QString &text);
  // Why the chemical list's last operation failed.
  QString Why() const;

  std::unique_ptr<lumo::TFileChemical> file_;
  Mode mode_ = kBrowsing;
  bool filling_ = false;  // fields are being set from the list

  QListWidget *lbChemicalNames_;
  QLineEdit *edName_;
  TNumEdit *edMolecularWt_;
  TRealEdit *edVaporPressure_;
  QPushButton *btnEdit_, *btnAdd_, *btnDelete_, *btnSave_, *btnCancel_, *btnOK_;
};

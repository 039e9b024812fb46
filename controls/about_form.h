// TfrmAbout: the "About LUMO" box: the program's name and version, read
// from its own version block when the box is shown, and who to contact;
// where the program's files are; OK and Print.
#pragma once

#include <QDialog>

class QLabel;

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget *parent = nullptr);

  // The lines the box shows and prints.
  QStringList Lines() const;
  // Where each of the program's files is, one line each, shown under
  // "Where your files are".
  void SetFileLocations(const QStringList &lines);
  void Print();

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  void ShowVersion();

  QLabel *lblProductName_;
  QLabel *lblVersion_;
  QLabel *lblContact_;
  QLabel *lblFiles_;
};

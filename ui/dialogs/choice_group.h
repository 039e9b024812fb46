// TChoiceGroup: a titled group of radio buttons laid out in columns, chosen
// by index (ItemIndex, -1 for none). itemChosen is emitted only when the
// user picks an item, never when the index is set from code. Each button is
// named after the group and its index ("rgStartDay_3").
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TChoiceGroup : public QGroupBox {
  Q_OBJECT
 public:
  TChoiceGroup(QWidget *parent, const QString &name, const QString &title, const QStringList &items,
               int columns = 1);

  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton *Button(int index) const;

 signals:
  void itemChosen(int index);

 private:
  QButtonGroup *group_;
};

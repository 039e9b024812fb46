// TRadioGroup: a titled group of mutually exclusive choices, told apart by
// their position (ItemIndex). The items and the number of columns are set
// as properties (in the form or from code); every item is a radio button
// named after the group and its index ("rgLocation_1").
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList items READ Items WRITE SetItems)
  Q_PROPERTY(int columns READ Columns WRITE SetColumns)
  Q_PROPERTY(int itemIndex READ ItemIndex WRITE SetItemIndex)

 public:
  explicit TRadioGroup(QWidget *parent = nullptr);
  // A group built from code: its name (the buttons are named after it),
  // title, items and number of columns.
  TRadioGroup(QWidget *parent, const QString &name, const QString &title, const QStringList &items,
              int columns = 1);

  QStringList Items() const { return items_; }
  void SetItems(const QStringList &items);
  int Columns() const { return columns_; }
  void SetColumns(int columns);

  // The checked item, or -1 when none is checked.
  int ItemIndex() const;
  // Checks item `index` (none for an index outside the items) without
  // emitting itemClicked.
  void SetItemIndex(int index);
  QRadioButton *Button(int index) const;

 signals:
  // The user clicked item `index` (also when it was already checked).
  void itemClicked(int index);

 private:
  void Rebuild();

  QStringList items_;
  int columns_ = 1;
  QList<QRadioButton *> buttons_;
  QButtonGroup *group_;
  QGridLayout *grid_;
};

#include "radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget *parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), grid_(new QGridLayout(this)) {
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::itemClicked);
}

TRadioGroup::TRadioGroup(QWidget *parent, const QString &name, const QString &title,
                         const QStringList &items, int columns)
    : TRadioGroup(parent) {
  setObjectName(name);
  setTitle(title);
  columns_ = columns < 1 ? 1 : columns;
  SetItems(items);
}

void TRadioGroup::SetItems(const QStringList &items) {
  items_ = items;
  Rebuild();
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = columns < 1 ? 1 : columns;
  Rebuild();
}

int TRadioGroup::ItemIndex() const {
  return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < buttons_.size()) {
    buttons_[index]->setChecked(true);
    return;
  }
  // Unchecking needs the exclusivity off for a moment.
  group_->setExclusive(false);
  for (auto *b : buttons_) b->setChecked(false);
  group_->setExclusive(true);
}

QRadioButton *TRadioGroup::Button(int index) const {
  return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void TRadioGroup::Rebuild() {
  const int checked = ItemIndex();
  qDeleteAll(buttons_);
  buttons_.clear();
  // Items fill the columns top to bottom, as evenly as they go.
  const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
  for (int i = 0; i < items_.size(); ++i) {
    auto *b = new QRadioButton(items_[i], this);
    b->setObjectName(objectName() + QLatin1Char('_') + QString::number(i));
    group_->addButton(b, i);
    grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
    buttons_.append(b);
  }
  SetItemIndex(checked);
}

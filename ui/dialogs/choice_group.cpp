#include "choice_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TChoiceGroup::TChoiceGroup(QWidget *parent, const QString &name, const QString &title,
                           const QStringList &items, int columns)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  setObjectName(name);
  auto *grid = new QGridLayout(this);
  const int count = static_cast<int>(items.size());
  const int perColumn = std::max(1, (count + columns - 1) / std::max(columns, 1));
  for (int i = 0; i < count; ++i) {
    auto *button = new QRadioButton(items[i], this);
    button->setObjectName(name + u'_' + QString::number(i));
    group_->addButton(button, i);
    grid->addWidget(button, i % perColumn, i / perColumn);
  }
  connect(group_, &QButtonGroup::idClicked, this, &TChoiceGroup::itemChosen);
}

int TChoiceGroup::ItemIndex() const {
  return group_->checkedId();
}

void TChoiceGroup::SetItemIndex(int index) {
  if (QAbstractButton *button = group_->button(index)) {
    button->setChecked(true);
  } else if (QAbstractButton *checked = group_->checkedButton()) {
    group_->setExclusive(false);
    checked->setChecked(false);
    group_->setExclusive(true);
  }
}

QRadioButton *TChoiceGroup::Button(int index) const {
  return qobject_cast<QRadioButton *>(group_->button(index));
}

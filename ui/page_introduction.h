// The Introduction page: the program's title, what it does, and the button to the model's
// limitations. A view only: the main window reads and fills its controls (ui) and applies the
// scenario rules.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PageIntroduction;
}

class PageIntroduction : public QWidget {
  Q_OBJECT

 public:
  explicit PageIntroduction(QWidget *parent = nullptr);
  ~PageIntroduction() override;

  std::unique_ptr<Ui::PageIntroduction> ui;
};

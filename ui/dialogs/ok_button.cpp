#include "ok_button.h"

#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace {

class OkButtonWatcher : public QObject {
 public:
  OkButtonWatcher(QDialog *dialog, QPushButton *ok, std::function<void()> finish)
      : QObject(ok), dialog_(dialog), ok_(ok), finish_(std::move(finish)) {
    ok->installEventFilter(this);
    QObject::connect(ok, &QPushButton::clicked, this, &OkButtonWatcher::Pressed);
  }

 protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      byMouse_ = true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
      // Cleared after the click (if any) this release makes.
      QTimer::singleShot(0, this, [this] { byMouse_ = false; });
    }
    return false;
  }

 private:
  void Pressed() {
    if (!byMouse_) ok_->setFocus(Qt::OtherFocusReason);
    byMouse_ = false;
    QTimer::singleShot(0, this, [this] {
      // The dialog's own focus child, not the application's focus: after a
      // refusal message box closes, the dialog is not yet active again, so
      // the application has no focus widget while the field that took the
      // focus back is already the dialog's.
      QWidget *focus = dialog_->focusWidget();
      if (focus && focus != ok_) return;
      finish_();
    });
  }

  QDialog *dialog_;
  QPushButton *ok_;
  std::function<void()> finish_;
  bool byMouse_ = false;
};

}  // namespace

void ConnectOkButton(QDialog *dialog, QPushButton *ok, std::function<void()> finish) {
  new OkButtonWatcher(dialog, ok, std::move(finish));
}

#include "message_box.h"

#include <QMessageBox>

namespace lumo::controls {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

class ModalMessageSink : public MessageSink {
 public:
  MsgButton Show(QWidget *parent, const MessageRequest &request) override {
    QMessageBox box(ToQtIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    parent);
    const struct {
      MsgButton ours;
      QMessageBox::StandardButton qt;
    } kButtons[] = {
        {MsgButton::Ok, QMessageBox::Ok},           {MsgButton::Yes, QMessageBox::Yes},
        {MsgButton::No, QMessageBox::No},           {MsgButton::Save, QMessageBox::Save},
        {MsgButton::Discard, QMessageBox::Discard}, {MsgButton::Cancel, QMessageBox::Cancel}};
    for (const auto &b : kButtons) {
      if (request.buttons.testFlag(b.ours)) box.addButton(b.qt);
    }
    if (request.buttons == MsgButtons()) box.addButton(QMessageBox::Ok);
    const int chosen = box.exec();
    for (const auto &b : kButtons) {
      if (chosen == b.qt) return b.ours;
    }
    // Closed with Escape or the window's close box.
    if (request.buttons.testFlag(MsgButton::Cancel)) return MsgButton::Cancel;
    if (request.buttons.testFlag(MsgButton::No)) return MsgButton::No;
    return MsgButton::Ok;
  }
};

ModalMessageSink g_modal;
MessageSink *g_sink = &g_modal;

}  // namespace

MsgButton ShowMessage(QWidget *parent, const QString &caption, const QString &text, MsgIcon icon,
                      MsgButtons buttons) {
  return g_sink->Show(parent, MessageRequest{caption, text, icon, buttons});
}

MessageSink *SetMessageSink(MessageSink *sink) {
  MessageSink *previous = g_sink;
  g_sink = sink ? sink : &g_modal;
  return previous == &g_modal ? nullptr : previous;
}

}  // namespace lumo::controls

// Every message the program shows to the user goes through ShowMessage().
// The default sink opens a modal QMessageBox; tests install a recording sink
// (see message_recorder.h) that answers as told, so windows can be driven
// headless without a box ever blocking.
#pragma once

#include <QFlags>
#include <QString>

class QWidget;

namespace lumo::controls {

enum class MsgIcon { None, Information, Warning, Error, Question };

enum class MsgButton { None = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8, Save = 16, Discard = 32 };
Q_DECLARE_FLAGS(MsgButtons, MsgButton)

struct MessageRequest {
  QString caption;
  QString text;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButton::Ok;
};

// Receives every message; returns the button the user chose.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MsgButton Show(QWidget *parent, const MessageRequest &request) = 0;
};

// Shows a message through the installed sink and returns the chosen button.
MsgButton ShowMessage(QWidget *parent, const QString &caption, const QString &text,
                      MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButton::Ok);

// Installs `sink` (null restores the modal message boxes); returns the one
// that was installed before. The sink is not owned.
MessageSink *SetMessageSink(MessageSink *sink);

}  // namespace lumo::controls

Q_DECLARE_OPERATORS_FOR_FLAGS(lumo::controls::MsgButtons)

#include "message_recorder.h"

namespace lumo::controls {

MessageRecorder::MessageRecorder() : previous_(SetMessageSink(this)) {}

MessageRecorder::~MessageRecorder() {
  SetMessageSink(previous_);
}

MsgButton MessageRecorder::Show(QWidget *, const MessageRequest &request) {
  messages_.append(request);
  if (!answers_.isEmpty()) return answers_.takeFirst();
  for (MsgButton b : {MsgButton::Ok, MsgButton::Yes, MsgButton::No, MsgButton::Cancel}) {
    if (request.buttons.testFlag(b)) return b;
  }
  return MsgButton::Ok;
}

QString MessageRecorder::LastText() const {
  return messages_.isEmpty() ? QString() : messages_.last().text;
}

}  // namespace lumo::controls

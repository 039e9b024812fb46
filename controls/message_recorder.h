// A message sink for tests: records every message and answers with the
// buttons queued by the test (Ok, or the first button offered, when the
// queue is empty). Installs itself on construction and restores the
// previous sink on destruction.
#pragma once

#include <QList>

#include "message_box.h"

namespace lumo::controls {

class MessageRecorder : public MessageSink {
 public:
  MessageRecorder();
  ~MessageRecorder() override;
  MessageRecorder(const MessageRecorder &) = delete;
  MessageRecorder &operator=(const MessageRecorder &) = delete;

  MsgButton Show(QWidget *parent, const MessageRequest &request) override;

  // Queues the answer to the next message.
  void Answer(MsgButton button) { answers_.append(button); }

  const QList<MessageRequest> &Messages() const { return messages_; }
  int Count() const { return messages_.size(); }
  // The text of the last message, or an empty string when there was none.
  QString LastText() const;
  void Clear() { messages_.clear(); }

 private:
  QList<MessageRequest> messages_;
  QList<MsgButton> answers_;
  MessageSink *previous_;
};

}  // namespace lumo::controls

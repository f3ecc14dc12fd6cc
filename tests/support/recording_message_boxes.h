#pragma once
// Stands in for the operator in tests: records every message and question, answers from a queue.

#include <QStringList>
#include <deque>

#include "platform/message_boxes.h"

namespace orv {

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override;
    // The next queued answer, or defaultAnswer when the queue is empty.
    bool ask(QWidget* parent, const QString& text) override;

    QStringList messages;   // every OK-only message, in order
    QStringList questions;  // every Yes/No question, in order
    std::deque<bool> answers;
    bool defaultAnswer = true;
};

}  // namespace orv

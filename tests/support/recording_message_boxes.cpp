#include "support/recording_message_boxes.h"

namespace orv {

void RecordingMessageBoxes::inform(QWidget*, const QString& text) {
    messages << text;
}

bool RecordingMessageBoxes::ask(QWidget*, const QString& text) {
    questions << text;
    if (answers.empty()) {
        return defaultAnswer;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace orv

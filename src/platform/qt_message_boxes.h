#pragma once

#include "platform/message_boxes.h"

namespace orv {

class QtMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text) override;
};

}  // namespace orv

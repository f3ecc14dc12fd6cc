#pragma once
// The operator's answers: OK-only messages and Yes/No questions, titled "ORV_PC", without icon.

#include <QString>

class QWidget;

namespace orv {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // True for Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
};

}  // namespace orv

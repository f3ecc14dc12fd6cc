#pragma once

#include <QValidator>

namespace orv {

// Refuses, as it is typed or pasted, any character that cannot reach the log: one Windows-1252
// cannot hold, or a control character (tab, line break). The field then keeps its text.
class Cp1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;

    static bool acceptable(QChar character);
};

}  // namespace orv

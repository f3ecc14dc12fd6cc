#pragma once
// A drop-down list (not editable) whose chosen item shows on the list's field colour, as an
// editable one shows its text: the style would draw it as a button, in a pale gradient of that
// colour.

#include <QComboBox>

namespace orv {

class ColouredComboBox final : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orv

#include "ui/access/value_label.h"

#include <QLabel>

#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

constexpr const char* kCaptionProperty = "orvSpokenCaption";
constexpr const char* kCaptionBeforeProperty = "orvSpokenCaptionBefore";

}  // namespace

QLabel* valueLabel(const char* name, const QString& caption, CaptionSide side) {
    QLabel* label = namedLabel(name, QString());
    label->setProperty(kCaptionProperty, caption);
    label->setProperty(kCaptionBeforeProperty, side == CaptionSide::Before);
    return label;
}

AccessibleValueLabel::AccessibleValueLabel(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QAccessibleInterface* AccessibleValueLabel::of(QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr || !label->property(kCaptionProperty).isValid()) {
        return nullptr;
    }
    return new AccessibleValueLabel(label);
}

QString AccessibleValueLabel::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
        return QAccessibleWidget::text(kind);
    }
    const CaptionSide side = widget()->property(kCaptionBeforeProperty).toBool()
                                 ? CaptionSide::Before
                                 : CaptionSide::After;
    return QString::fromStdString(
        spokenValue(static_cast<const QLabel*>(widget())->text().toStdString(),
                    widget()->property(kCaptionProperty).toString().toStdString(), side));
}

}  // namespace orv

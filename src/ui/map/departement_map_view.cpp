#include "ui/map/departement_map_view.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <map>

#include "reports/map_picture.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kMapResource = QStringLiteral(":/map/france.departments.svg");

// The map picture's own size, in its units.
constexpr QSizeF kMapSize(613, 585);
// A code box, in the map's units: wide enough for two bold digits.
constexpr QSizeF kBoxSize(27, 17);
// The Paris departements are too small on the map for their boxes: they stand together in the
// top-left corner, over the sea, as on the award's own map (centres in the map's units).
const std::map<int, QPointF> kCornerBoxes = {
    {75, {47, 48}}, {92, {17, 57}}, {93, {77, 30}}, {94, {77, 66}}};
// Neighbours whose centres lie closer than a box: each box moved a little apart, still over its
// departement, so that no code hides another.
const std::map<int, QPointF> kBoxNudges = {{42, {-4, 2}}, {69, {3, -1}}, {54, {-5, 0}},
                                           {57, {4, 0}},  {68, {2, -4}}, {90, {-2, 3}}};

QColor colourOf(BoxState state) {
    const Rgb rgb = boxColour(state);
    return {rgb.red, rgb.green, rgb.blue};
}

QString stateText(BoxState state) {
    switch (state) {
        case BoxState::Contacted:
            return QStringLiteral("contacté, non confirmé");
        case BoxState::Confirmed:
            return QStringLiteral("confirmé");
        case BoxState::NotContacted:
            break;
    }
    return QStringLiteral("non contacté");
}

QByteArray colouredMap(const DepartementMap& map) {
    QFile file(kMapResource);
    // The map is built into the program; a file that does not open gives an empty picture.
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray svg = file.readAll();
    const std::string coloured = colouredMapSvg(std::string_view(svg.constData(), svg.size()), map);
    return QByteArray(coloured.data(), qsizetype(coloured.size()));
}

}  // namespace

DepartementMapView::DepartementMapView(const DepartementMap& map, QWidget* parent)
    : QWidget(parent), renderer_(colouredMap(map)) {
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Carte des départements contactés"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    makeBoxes(map);
    paris_ = centreOf(QStringLiteral("75"));
}

QSize DepartementMapView::sizeHint() const {
    return (kMapSize * 1.2).toSize();
}

int DepartementMapView::heightForWidth(int width) const {
    return int(width * kMapSize.height() / kMapSize.width());
}

void DepartementMapView::makeBoxes(const DepartementMap& map) {
    for (int index = 0; index < kMapBoxes; ++index) {
        const std::optional<std::string> id = boxMapId(index);
        if (!id) {
            continue;
        }
        const QString elementId = QString::fromStdString(*id);
        boxCentres_[std::size_t(index)] = boxCentre(index, elementId);

        const BoxState state = map.boxes[std::size_t(index)];
        const QString code = QString::fromStdString(boxCode(index));
        auto* box = new QLabel(code, this);
        nameControl(box, QStringLiteral("Dep(%1)").arg(index).toLatin1().constData(), code);
        box->setAccessibleDescription(stateText(state));
        box->setAlignment(Qt::AlignCenter);
        box->setFrameShape(QFrame::Box);
        box->setAutoFillBackground(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, colourOf(state));
        palette.setColor(QPalette::WindowText, Qt::black);
        box->setPalette(palette);
        boxes_[std::size_t(index)] = box;
    }
}

QPointF DepartementMapView::boxCentre(int index, const QString& elementId) const {
    if (const auto corner = kCornerBoxes.find(index); corner != kCornerBoxes.end()) {
        return corner->second;
    }
    const auto nudge = kBoxNudges.find(index);
    return centreOf(elementId) + (nudge != kBoxNudges.end() ? nudge->second : QPointF());
}

QPointF DepartementMapView::centreOf(const QString& elementId) const {
    return renderer_.transformForElement(elementId)
        .mapRect(renderer_.boundsOnElement(elementId))
        .center();
}

QRectF DepartementMapView::mapArea() const {
    const QSizeF fitted = kMapSize.scaled(size(), Qt::KeepAspectRatio);
    return {QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

void DepartementMapView::placeBoxes() {
    const QRectF area = mapArea();
    const double scale = area.width() / kMapSize.width();
    const QSizeF boxSize = kBoxSize * scale;
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(boxSize.height() * 0.62)));
    for (int index = 0; index < kMapBoxes; ++index) {
        QLabel* label = box(index);
        if (label == nullptr) {
            continue;
        }
        const QPointF centre = area.topLeft() + boxCentres_[std::size_t(index)] * scale;
        label->setFont(font);
        label->setGeometry(
            QRectF(centre - QPointF(boxSize.width(), boxSize.height()) / 2, boxSize).toRect());
    }
}

// The boxes leave their double clicks to the map, which tells whose box it was.
void DepartementMapView::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget* clicked = childAt(event->position().toPoint());
    const auto found = std::find(boxes_.begin(), boxes_.end(), clicked);
    if (clicked != nullptr && found != boxes_.end()) {
        emit departementChosen(int(found - boxes_.begin()));
    }
}

void DepartementMapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    drawn_ = QPixmap();
    placeBoxes();
}

void DepartementMapView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (drawn_.size() != size() * ratio) {
        drawn_ = QPixmap(size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter painter(&drawn_);
        drawMap(painter);
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
}

void DepartementMapView::drawMap(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = mapArea();
    renderer_.render(&painter, area);
    // A thin line from the corner boxes to Paris, so that the eye finds them.
    const double scale = area.width() / kMapSize.width();
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(area.topLeft() + kCornerBoxes.at(75) * scale, area.topLeft() + paris_ * scale);
}

}  // namespace orv

#pragma once
// The map of the departement window: metropolitan France drawn from the vendored map picture,
// each departement filled with its state's colour and its code box "Dep" placed over it (75, 92,
// 93 and 94 together in the top-left corner, where they can be read). The map keeps its
// proportions and is drawn afresh at each size, so it stays sharp.

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <array>

#include "reports/departement_map.h"

class QLabel;
class QPainter;

namespace orv {

class DepartementMapView final : public QWidget {
    Q_OBJECT

public:
    explicit DepartementMapView(const DepartementMap& map, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The code box of a departement; nullptr for a placeholder index, which is not shown.
    QLabel* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }

signals:
    // A double click on a departement's box.
    void departementChosen(int index);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void makeBoxes(const DepartementMap& map);
    // Where the map stands in the widget, centred, in its own proportions.
    QRectF mapArea() const;
    void placeBoxes();
    // Where a box stands, in the map's units: over its departement, or in the Paris corner.
    QPointF boxCentre(int index, const QString& elementId) const;
    // The centre of a departement's area, in the map's units.
    QPointF centreOf(const QString& elementId) const;
    void drawMap(QPainter& painter);

    QSvgRenderer renderer_;
    QPixmap drawn_;  // the map at the current size, drawn once per size
    std::array<QLabel*, kMapBoxes> boxes_{};
    std::array<QPointF, kMapBoxes> boxCentres_{};  // in the map picture's own units
    QPointF paris_;                                // where Paris is on the map
};

}  // namespace orv

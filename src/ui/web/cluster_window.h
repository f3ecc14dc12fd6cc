#pragma once
// The window "Cluster": the DX-cluster spots of one band in the embedded browser. The band chosen
// last is kept per station, under the application "Tessal" that a sibling program shares; the
// page is shown when the window opens and at each "Afficher", never by itself.

#include <QDialog>

#include "ui/context/window_context.h"

class QComboBox;

namespace orv {

class WebPageView;

class ClusterWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ClusterWindow(WindowContext& context);

    // Keeps the band chosen and shows its page.
    void Affiche_Cluster();

private:
    WindowContext& context_;
    QString section_;
    QComboBox* Bande_CL_ = nullptr;
    WebPageView* WebBrowser1_ = nullptr;
};

}  // namespace orv

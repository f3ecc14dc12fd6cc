#include "ui/web/rules_window.h"

#include <QVBoxLayout>

#include "net/web_pages.h"
#include "ui/web/separate_window.h"
#include "ui/web/web_page_view.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Règlement PC");
const QString kPageDescription = QStringLiteral("Règlement du diplome");

}  // namespace

// Made without a parent: see separate_window.h.
RulesWindow::RulesWindow(WindowContext& context) {
    setObjectName(QStringLiteral("Reglement"));
    setWindowTitle(kTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* page = new WebPageView(kPageDescription, context.services.settings, kRulesAddress);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    resize(900, 700);
    page->showPageAt(kRulesPagePath);
    separateFromMainWindow(*this, context.mainWindow);
}

}  // namespace orv

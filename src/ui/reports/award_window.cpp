#include "ui/reports/award_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/award_progress.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/reports/report_window_kit.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Diplomes PC");
const QString kShowList = QStringLiteral("Voir la liste");
const QColor kNotReachedColour(255, 0, 0);
const QColor kReachedColour(0, 128, 0);

// The controls of each level, in the order of the thresholds.
struct LevelNames {
    const char* status;
    const char* detail;
    const char* button;
};
constexpr std::array<LevelNames, 5> kLevelNames = {{
    {"Label4", "Label18", "PC_100"},
    {"Label7", "Label19", "PC_200"},
    {"Label12", "Label20", "PC_300"},
    {"Label15", "Label21", "PC_400"},
    {"Label1", "Label3", "PC_500"},
}};
constexpr std::array<const char*, 4> kLineNames = {"Line1", "Line2", "Line3", "Line4"};

QLabel* centredLabel(const char* name) {
    QLabel* label = namedLabel(name, QString());
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame* titleFrame() {
    auto* frame = named<QFrame>("Frame1");
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    QLabel* title = namedLabel("Label2", kTitle);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    return frame;
}

QFrame* separatorLine(const char* name) {
    auto* line = named<QFrame>(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

AwardWindow::AwardWindow(WindowContext& context, std::function<void()> openList)
    : QDialog(context.mainWindow), context_(context), openList_(std::move(openList)) {
    setObjectName(QStringLiteral("Diplome_PC"));
    setWindowTitle(kTitle);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(24);
    grid->addWidget(titleFrame(), 0, 0, 1, 2);
    int gridRow = 1;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i > 0) {
            grid->addWidget(separatorLine(kLineNames[i - 1]), gridRow++, 0, 1, 2);
        }
        const int threshold = kAwardThresholds[i];
        LevelRow& row = rows_[i];
        row.status = centredLabel(kLevelNames[i].status);
        row.detail = centredLabel(kLevelNames[i].detail);
        row.button = namedButton(kLevelNames[i].button, kShowList);
        connect(row.button, &QPushButton::clicked, this,
                [this, threshold] { chooseLevel(threshold); });
        grid->addWidget(row.status, gridRow, 0);
        grid->addWidget(row.button, gridRow, 1, 2, 1, Qt::AlignVCenter);
        grid->addWidget(row.detail, gridRow + 1, 0);
        gridRow += 2;
    }
    applyCount(awardCount(loggedQsos(context_.log)));
}

void AwardWindow::applyCount(int count) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const AwardLevel level = awardLevel(kAwardThresholds[i], count);
        LevelRow& row = rows_[i];
        row.status->setText(fromUtf8(level.status));
        setTextColour(row.status, level.reached ? kReachedColour : kNotReachedColour);
        row.detail->setText(fromUtf8(level.detail));
        row.button->setEnabled(level.reached);
        // The five buttons read alike: a screen reader tells them apart by their level's status.
        row.button->setAccessibleDescription(row.status->text());
    }
}

void AwardWindow::chooseLevel(int threshold) {
    context_.state.Niveau_Diplome = awardLevelName(threshold);
    openList_();
}

}  // namespace orv

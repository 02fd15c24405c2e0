#include "BatchTabPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "ColorBtn.h"
#include "PopupOpening.h"
#include "RegistrationList.h"

BatchTabPage::BatchTabPage(const char* name, QWidget* panel, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    // The page takes the window's colour, so that its labels, drawn in the
    // window's font colour, stand out under either colour scheme.
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    panel->setParent(this);
    layout->addWidget(panel, 1);
    column_ = new QGridLayout;
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(3);
    layout->addLayout(column_);
}

void BatchTabPage::addRow(QWidget* first, QWidget* second)
{
    const int row = column_->rowCount();
    column_->addWidget(first, row, 0, 1, second ? 1 : 2);
    if (second) column_->addWidget(second, row, 1);
}

std::vector<QPushButton*> BatchTabPage::addStartRow(const std::vector<StartButton>& starts, ColorBtn* stopButton,
                                                    std::function<void(bool all)> start, std::function<void()> stop)
{
    const int row = column_->rowCount();
    auto* place = new QWidget(this);
    auto* layout = new QHBoxLayout(place);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    std::vector<QPushButton*> made;
    for (const StartButton& each : starts) {
        QPushButton* startButton = button(each.name, each.text);
        connect(startButton, &QPushButton::clicked, this, [start, all = each.all] { start(all); });
        layout->addWidget(startButton);
        made.push_back(startButton);
    }
    column_->addWidget(place, row, 0, 1, 2);
    column_->addWidget(stopButton, row, 0, 1, 2);
    // The row of start buttons stays shown (and empty) while a run hides its
    // buttons; a pointer's press goes to the topmost shown widget, so the
    // stop button must lie above the row to get it. Hidden, it takes none.
    stopButton->raise();
    connect(stopButton, &QPushButton::clicked, this, [stop = std::move(stop)] { stop(); });
    stopButton->hide();
    return made;
}

ColorBtn* BatchTabPage::addMenuButton(const char* name, const char* text, std::function<void(const QPoint& at)> open)
{
    ColorBtn* made = colorButton(name, text);
    BindPopupButton(made, std::move(open));
    addRow(made);
    return made;
}

void BatchTabPage::endColumn() { column_->setRowStretch(column_->rowCount(), 1); }

QPushButton* BatchTabPage::button(const char* name, const char* text)
{
    auto* made = new QPushButton(QString::fromUtf8(text), this);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

QPushButton* BatchTabPage::popupButton(const char* name, const char* text,
                                       std::function<void(const QPoint& at)> open)
{
    QPushButton* made = button(name, text);
    BindPopupButton(made, std::move(open));
    return made;
}

ColorBtn* BatchTabPage::stopButton(const char* name, const char* text)
{
    ColorBtn* stop = colorButton(name, text);
    stop->setColor(Qt::red);
    stop->setFontColor(Qt::white);
    return stop;
}

ColorBtn* BatchTabPage::colorButton(const char* name, const char* text)
{
    auto* made = new ColorBtn(QString::fromUtf8(text), this);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

std::vector<std::string> SelectedSources(RegistrationList* list, bool all)
{
    if (all) list->selectAll();
    std::vector<std::string> sources;
    for (const ListEntry& entry : list->entries())
        if (entry.selected) sources.push_back(entry.row.path.toStdString());
    return sources;
}

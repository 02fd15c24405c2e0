#include "PauseBox.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "TimeExchangeTexts.h"

namespace {

using namespace TimeExchangeTexts;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QDoubleSpinBox* SecondsBox(const char* name, double low, double high, int64_t ms)
{
    auto* box = Named(new QDoubleSpinBox, name);
    box->setDecimals(2);
    box->setRange(low, high);
    box->setSingleStep(0.1);
    box->setValue(static_cast<double>(ms) / 1000.0);
    return box;
}

QSpinBox* LevelBox(const char* name, int high, int level)
{
    auto* box = Named(new QSpinBox, name);
    box->setRange(1, high);
    box->setValue(level);
    return box;
}

int64_t Milliseconds(const QDoubleSpinBox* box) { return std::llround(box->value() * 1000.0); }

}  // namespace

TPauseBox::TPauseBox(const std::string& cutFile, const PauseChoice& choice, QWidget* parent)
    : QDialog(parent), cutFile_(cutFile)
{
    setObjectName(QStringLiteral("PauseBox"));
    setWindowTitle(Text(PauseBoxTitle));
    buildControls(choice);
    setScanning(false);
}

void TPauseBox::buildControls(const PauseChoice& choice)
{
    Edit_MinPause = SecondsBox("Edit_MinPause", 0.05, 600.0, choice.options.minPauseMs);
    Edit_Level8 = LevelBox("Edit_Level8", 127, choice.options.levels.level8);
    Edit_Level16 = LevelBox("Edit_Level16", 32767, choice.options.levels.level16);
    auto* levels = new QFormLayout;
    levels->addRow(Text(MinPauseLabel), Edit_MinPause);
    levels->addRow(Text(Level8Label), Edit_Level8);
    levels->addRow(Text(Level16Label), Edit_Level16);

    auto* place = Named(new QGroupBox(Text(PlaceTitle)), "GroupBox_Place");
    Radio_Start = Named(new QRadioButton(Text(PlaceStart)), "Radio_Start");
    Radio_Middle = Named(new QRadioButton(Text(PlaceMiddle)), "Radio_Middle");
    Radio_Before = Named(new QRadioButton(Text(PlaceBefore)), "Radio_Before");
    Edit_Before = SecondsBox("Edit_Before", 0.0, 60.0, choice.placement.beforeSoundMs);
    const PausePlace chosen = choice.placement.place;
    (chosen == PausePlace::Start ? Radio_Start : chosen == PausePlace::Middle ? Radio_Middle : Radio_Before)
        ->setChecked(true);
    auto* before = new QHBoxLayout;
    before->addWidget(Radio_Before);
    before->addWidget(Edit_Before);
    auto* placeRows = new QVBoxLayout(place);
    placeRows->addWidget(Radio_Start);
    placeRows->addWidget(Radio_Middle);
    placeRows->addLayout(before);

    ProgressBar_Scan = Named(new QProgressBar, "ProgressBar_Scan");
    ProgressBar_Scan->setRange(0, 1000);
    Button_Scan = Named(new QPushButton(Text(ScanButton)), "Button_Scan");
    Button_Stop = Named(new QPushButton(Text(StopButton)), "Button_Stop");
    Button_Cancel = Named(new QPushButton(Text(CancelButton)), "Button_Cancel");
    Button_Scan->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Button_Scan, Button_Stop, Button_Cancel}) buttons->addWidget(button);

    auto* rows = new QVBoxLayout(this);
    rows->addLayout(levels);
    rows->addWidget(place);
    rows->addWidget(ProgressBar_Scan);
    rows->addLayout(buttons);

    connect(Button_Scan, &QPushButton::clicked, this, &TPauseBox::Button_ScanClick);
    connect(Button_Stop, &QPushButton::clicked, this, [this] { stopped_ = true; });
    connect(Button_Cancel, &QPushButton::clicked, this, &TPauseBox::reject);
}

PauseChoice TPauseBox::choice() const
{
    PauseChoice c;
    c.options.minPauseMs = Milliseconds(Edit_MinPause);
    c.options.levels = {Edit_Level8->value(), Edit_Level16->value()};
    c.placement.place = Radio_Start->isChecked()    ? PausePlace::Start
                        : Radio_Middle->isChecked() ? PausePlace::Middle
                                                    : PausePlace::BeforeSound;
    c.placement.beforeSoundMs = Milliseconds(Edit_Before);
    return c;
}

// Scans the cut file on the event loop's thread, letting the loop run at each
// progress step so that the stop button and the window stay live.
void TPauseBox::Button_ScanClick()
{
    if (scanning_) return;
    const PauseChoice c = choice();
    setScanning(true);
    stopped_ = false;
    PauseScanResult result;
    errorText_.clear();
    FindPauses(cutFile_, c.options, result, errorText_,
               [this](int64_t done, int64_t total) { return showProgress(done, total); });
    setScanning(false);
    if (!errorText_.empty() || result.stopped || stopped_) {
        stopped_ = stopped_ || result.stopped;
        QDialog::reject();
        return;
    }
    pauseCount_ = static_cast<int>(result.pauses.size());
    times_ = PauseTimes(result, c.placement);
    accept();
}

bool TPauseBox::showProgress(int64_t done, int64_t total)
{
    ProgressBar_Scan->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
    QCoreApplication::processEvents();
    if (stopRequested()) stopped_ = true;
    return !stopped_;
}

void TPauseBox::setScanning(bool scanning)
{
    scanning_ = scanning;
    for (QWidget* control : std::initializer_list<QWidget*>{Edit_MinPause, Edit_Level8, Edit_Level16, Radio_Start,
                                                            Radio_Middle, Radio_Before, Edit_Before, Button_Scan,
                                                            Button_Cancel})
        control->setEnabled(!scanning);
    Button_Stop->setEnabled(scanning);
    if (!scanning) ProgressBar_Scan->setValue(0);
}

// Closing the box during a scan stops the scan first; the scan then closes it.
void TPauseBox::reject()
{
    if (scanning_) {
        stopped_ = true;
        return;
    }
    QDialog::reject();
}

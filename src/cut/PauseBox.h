#pragma once
// The pause box of the registered times: the shortest pause, the silence
// levels and where in a pause its cut time goes, then the scan of the cut
// file with its progress and a stop. Accepted once the scan has run to its
// end; times() then holds the proposed cut times.
#include <QDialog>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "PauseScan.h"

class QDoubleSpinBox;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the box asks, kept by its owner from one opening to the next.
struct PauseChoice {
    PauseOptions options;
    PausePlacement placement;
};

class TPauseBox : public QDialog {
    Q_OBJECT
public:
    TPauseBox(const std::string& cutFile, const PauseChoice& choice, QWidget* parent = nullptr);

    // The choice as the box shows it now.
    PauseChoice choice() const;
    // After an accepted box: the number of pauses found and their cut times (ms).
    int pauseCount() const { return pauseCount_; }
    const std::vector<int64_t>& times() const { return times_; }
    // The scan stopped by the user (Button_Stop, closing the box) or by `stopRequested`.
    bool stopped() const { return stopped_; }
    // The engine's message when the file could not be scanned ("" otherwise).
    const std::string& errorText() const { return errorText_; }

    // Asked at each progress step as well: true stops the scan (the window closing).
    std::function<bool()> stopRequested = [] { return false; };

    QDoubleSpinBox* Edit_MinPause;
    QSpinBox* Edit_Level8;
    QSpinBox* Edit_Level16;
    QRadioButton* Radio_Start;
    QRadioButton* Radio_Middle;
    QRadioButton* Radio_Before;
    QDoubleSpinBox* Edit_Before;
    QProgressBar* ProgressBar_Scan;
    QPushButton* Button_Scan;
    QPushButton* Button_Stop;
    QPushButton* Button_Cancel;

public slots:
    void reject() override;

private:
    void buildControls(const PauseChoice& choice);
    void Button_ScanClick();
    bool showProgress(int64_t done, int64_t total);
    void setScanning(bool scanning);

    std::string cutFile_;
    bool scanning_ = false;
    bool stopped_ = false;
    int pauseCount_ = 0;
    std::vector<int64_t> times_;
    std::string errorText_;
};

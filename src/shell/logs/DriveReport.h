#pragma once
// The all-drives free-space report: free and total bytes of every drive, and
// how many minutes of sound in the current format each would hold.
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "Drives.h"

// The free and total bytes of one drive; -1 when it cannot be read.
struct DriveSpace {
    std::string root;  // mount point with its trailing separator
    int64_t free = -1;
    int64_t total = -1;
};

// The format of the sound last played (44100 Hz, 16 bits, stereo until one is).
struct DriveReportFormat {
    int rate = 44100;
    int bits = 16;
    int channels = 2;
};

struct DriveReport {
    QString error;       // the message-box text when there is no report
    QStringList lines;   // the report, when there is one
    QString filePath;    // the report file (MakeDriveReport)
    bool saved = false;  // the report file was written
};

// The sizes of each drive; the total is asked only when the free size is known.
std::vector<DriveSpace> MeasureDrives(const std::vector<Drive>& drives);

// The report's lines for the drives, the format and the time of the report;
// or, with no lines, the error text when there is no drive or no known format.
DriveReport BuildDriveReport(const std::vector<DriveSpace>& drives, const DriveReportFormat& format,
                             std::chrono::system_clock::time_point now);

// BuildDriveReport, then the lines written as DrV$$$$$.TXT in the work folder.
DriveReport MakeDriveReport(const std::vector<DriveSpace>& drives, const DriveReportFormat& format,
                            std::chrono::system_clock::time_point now);

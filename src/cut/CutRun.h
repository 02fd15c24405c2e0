#pragma once
// The cut: WAV_CUTClick splits the cut file at the chosen entries of the time
// list the cut menu was opened on, one part per entry, each reaching to the
// next entry of the list. CutPart writes one part through the media device:
// it opens the source, deletes what lies before and after the part, and saves
// the rest under the part's name (never over an existing file unless the user
// chose that name in the own-name dialog and agreed to replace it). Every part
// saved is added to the cut log, which is shown at the end.
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CutPlan.h"
#include "OutputPublish.h"

class TTimeListBox;
struct CutFaceContext;

// What the cut menu's item cuts: the selected entries (WAV_CUT), every entry
// (WAV_CUT_ALL), or the registered times of start-time colour `colour`
// (WAV_CUT_ST for 0, any colour; WAV_CUT_ST_Blue ... _Pink for 1 to 6).
enum class CutScope { Selected, All, StartTimes };

class CutRun : public QObject {
public:
    explicit CutRun(CutFaceContext& context, QObject* parent = nullptr);

    // SaveDialog1, the own-name dialog (MF_SAVE_NAME): title, initial folder
    // and proposed name in; the chosen path, or nothing when cancelled.
    std::function<std::optional<QString>(const QString& title, const QString& folder, const QString& name)>
        SaveDialog1;
    // The time that dates part names and log lines.
    std::function<std::chrono::system_clock::time_point()> clock = std::chrono::system_clock::now;

    void WAV_CUTClick(CutScope scope, int colour = 0);
    // Writes the part [CutFrom, CutTo) in the split-file folder; false when
    // it failed (reported here; an own name skipped is no failure).
    bool CutPart(const std::string& categoryName);

private:
    bool refused(CutScope scope, int colour);
    std::vector<::CutPart> plan(const TTimeListBox& list, CutScope scope, int colour) const;
    void cutParts(const std::vector<::CutPart>& parts);
    bool openSource();
    bool readLength();
    int deleteOutside();
    std::optional<std::string> askOwnName(const std::string& proposed);
    bool savePart(const OutputNaming& naming, std::string& path);
    int showError(const QString& text);
    bool takeReply(int& value) const;

    CutFaceContext& context_;
    bool running_ = false;
    std::string SaveDir_;
    std::string NamePrefix_;
    int64_t CutFrom_ = 0;
    int64_t CutTo_ = -1;
};

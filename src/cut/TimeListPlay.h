#pragma once
// Playing from the time lists: a click on an entry of any time list plays
// its range (ListBox_ALLClick); when a play ends normally on the cut face,
// the play mode decides what plays next (the continuation, which Playback
// runs from MciNotify); choosing "OFF" stops the device (RadioGroup1Click).
#include <QObject>

#include "PlayRange.h"

class TPlayPanel;
class TTimeListBox;
struct CutFaceContext;

class TimeListPlay : public QObject {
public:
    TimeListPlay(CutFaceContext& context, TPlayPanel& play);

    void ListBox_ALLClick(TTimeListBox* list);
    // The continuation after a play that ended with code 1 on the cut face.
    // Runs with NotifyBusy set and clears it on every way out.
    void Continue();
    void RadioGroup1Click(PlayMode mode);

private:
    TTimeListBox* currentTimeList() const;
    bool cutFileThere();
    void jumpToStartTime(TTimeListBox& list, int from);
    void playCurrent(TTimeListBox& list, bool click);
    void continueFrom(TTimeListBox& list);

    CutFaceContext& context_;
    TPlayPanel& play_;
};

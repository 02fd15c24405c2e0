#pragma once
// The state of the media device as the program sees it: one instance, owned
// by the main window and shared with the faces that play and cut.
#include <QObject>
#include <QPointer>
#include <QString>

#include <string>

struct MediaState {
    std::string CommandBuf;        // the command handed to the device
    std::string ReplyBuf;          // the device's reply
    QString PlayFile;              // full path of the file the next open uses
    int PlayFrom = -1;             // range of the next play in ms; negative: no bound
    int PlayTo = -1;
    int PlayLength = 0;            // length of the file opened for playing or cutting
    int PlayPos = 0;               // last position read from the device
    int CutLength = 0;             // length of the file chosen on the cut face
    int SampleRate = 44100;        // last values the device reported
    int SampleBits = 16;
    int ChannelCount = 2;
    QString InfoSize, InfoDate, InfoAttr;  // facts of the file last opened for playing
    QPointer<QObject> CurrentList;         // the list whose entry started the current play
    int BarMsPerPixel = 1;
    bool SeekPending = false;      // a position chosen on the seek bar, for the next open
    int SeekPixel = 0;
    bool AbortFlag = false;
    bool ClosingFlag = false;
    bool MsgShowing = false;
    bool NotifyBusy = false;
    bool TimerBusy = false;
    bool FileFaceVisible = true;

    // What the faces show, kept by OpenAndPlay and Timer8Timer.
    QString FileDispText;          // Edit_File_Disp: path, format and file facts
    QString TotalTimeText;         // Label13 (cut face) and Label1 (file face)
    QString PlayTimeText;          // Label2 (file face)
    int BarFillWidth = 0;          // width of Panel_B1
};

#pragma once
// The two switches between the faces of the main window. "WAV分割画面"
// (Button14, under the files to cut on the file face) goes to the cut face
// and loads the chosen file there (Button14Click); "File_Select"
// (Button_Select on the cut face) goes back to the file face with the file
// last cut selected (Button_SelectClick).
#include <QObject>

class QPushButton;
class RegistrationList;
class TFileBrowser;
class TTALVO_VANTRO;
struct CutFaceContext;

class FaceSwitches : public QObject {
public:
    FaceSwitches(TTALVO_VANTRO& window, CutFaceContext& context, RegistrationList& ListView_M, TFileBrowser& browser);

    void Button14Click();
    void Button_SelectClick();

    QPushButton* Button14;

private:
    void listFilesToCut();

    TTALVO_VANTRO& window_;
    CutFaceContext& context_;
    RegistrationList& ListView_M_;
    TFileBrowser& browser_;
    bool switching_ = false;
};

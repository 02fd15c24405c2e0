#pragma once
// TMKBox: the dialog window of one message-box call. It shows the message in
// a read-only text area that can be copied from, the answer buttons, and,
// while it counts down, the remaining seconds with pause and resume buttons;
// when the count runs out it closes with the time-out answer (11).
#include <QColor>
#include <QDialog>
#include <QList>
#include <QPair>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
struct MKRequest;

class TMKBox : public QDialog {
    Q_OBJECT

public:
    explicit TMKBox(QWidget* parent = nullptr);

    // Fills the box for one call and sizes it to the text.
    void setUp(const MKRequest& request, const QString& title);
    // Centres the box over the owner's window (over the work area when there
    // is none) and holds it inside the desktop work area.
    void placeOver(QWidget* owner);
    // Starts the count-down when it is on and shows the box modally; returns
    // the answer.
    int run();

    // Escape and the window's close button answer like the box's Cancel
    // button: No, else Abort; a box with neither answers OK.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void Timer1Timer();
    void Timer_PaintTimer();
    void Btn_OKClick();
    void Btn_TM_STOPClick();
    void Btn_TM_OPENClick();
    void Btn_YesClick();
    void Btn_NoClick();
    void Btn_AbortClick();
    void P_COPYClick();
    void MemoMsgPopup(const QPoint& at);

private:
    void createControls();
    QPushButton* createButton(const char* name, const char* text);
    void createPopupMenu();
    void showButtons(const MKRequest& request);
    void layOut(bool countDown);
    QSize textAreaSize() const;
    QList<QPushButton*> shownAnswerButtons() const;
    void markDefault(const MKRequest& request);
    void takeMainWindowColours();
    void drawIcon();

    QLabel* Msg = nullptr;
    QLabel* Image_Box = nullptr;
    QLabel* Image_MK = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* Label_TM = nullptr;
    QPlainTextEdit* MemoMsg = nullptr;
    QLabel* TMCountS = nullptr;
    QTimer* Timer_Paint = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_TM_STOP = nullptr;
    QPushButton* Btn_TM_OPEN = nullptr;
    QLabel* Image_YN = nullptr;
    QPushButton* Btn_Yes = nullptr;
    QPushButton* Btn_No = nullptr;
    QPushButton* Btn_Abort = nullptr;
    QLabel* Label_Select = nullptr;
    QMenu* PopupMenu_MK = nullptr;
    QAction* P_COPY = nullptr;

    QList<QPair<QPushButton*, int>> answerButtons_;  // each answer button and its answer
    QLabel* icon_ = nullptr;        // Image_MK or Image_YN
    QColor iconBackground_;         // window colour the icon was last drawn on
    bool countDown_ = false;
    bool countStarted_ = false;     // the first tick has read TMCountS
    int remaining_ = 0;             // seconds left, as Label_TM shows them
    bool ticking_ = false;          // a tick is running
};

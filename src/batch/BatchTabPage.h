#pragma once
// What the batch tab pages have in common: the tab's registration panel on
// the left, a column of the tab's own controls on the right (two controls a
// row), and the small makers of those controls. Each tab class derives from
// it and names its page TabSheet1 ... TabSheet6.
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class ColorBtn;
class QGridLayout;
class QPushButton;
class RegistrationList;

class BatchTabPage : public QWidget {
    Q_OBJECT
public:
    // `panel` (the registration panel, or any list area) fills the left side.
    BatchTabPage(const char* name, QWidget* panel, QWidget* parent = nullptr);

protected:
    // Adds a row to the right-hand column: one control across both columns,
    // or two side by side.
    void addRow(QWidget* first, QWidget* second = nullptr);
    struct StartButton {
        const char* name;
        const char* text;
        bool all;  // the button runs over every row
    };
    // The start buttons side by side, the stop button in their place beneath
    // them (hidden until a run hides the start buttons). A start button calls
    // `start(all)`, the stop button `stop()`. Returns the start buttons.
    std::vector<QPushButton*> addStartRow(const std::vector<StartButton>& starts, ColorBtn* stopButton,
                                          std::function<void(bool all)> start, std::function<void()> stop);
    // A settings button on a row of its own: `open(at)` on a click and on a
    // right press.
    ColorBtn* addMenuButton(const char* name, const char* text, std::function<void(const QPoint& at)> open);
    // Closes the column: what is left of the height stays empty below it.
    void endColumn();

    QPushButton* button(const char* name, const char* text);
    // A button that opens a popup: `open(at)` on a click and on a right press.
    QPushButton* popupButton(const char* name, const char* text, std::function<void(const QPoint& at)> open);
    // A red stop button with white text.
    ColorBtn* stopButton(const char* name, const char* text);
    // A coloured button (ColorBtn2, ColorBtn7, ...).
    ColorBtn* colorButton(const char* name, const char* text);

    bool opening_ = false;  // a popup of the tab is being opened

private:
    QGridLayout* column_;
};

// The full paths of the list's selected rows, first to last; with `all`
// every row is selected first.
std::vector<std::string> SelectedSources(RegistrationList* list, bool all);

#pragma once
// The prompt of a batch run in the window: each of the seven calls shows the
// main window's message box (MKBoxDlg1) with its count-down.
#include "Prompt.h"

class TMKBoxDlg;

class WindowPrompt : public Prompt {
public:
    explicit WindowPrompt(TMKBoxDlg& box) : box_(box) {}

    int show(PromptKind kind, const std::string& text, int defaultAnswer, int seconds) override;

private:
    TMKBoxDlg& box_;
};

#pragma once
// The desktop area not covered by panels and task bars.

struct WorkAreaRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The program-wide work area, as GetWorkArea last filled it.
extern WorkAreaRect WorkArea;

// Fills WorkArea from the primary screen's available area; true when panels
// or task bars take part of the screen (the work area is smaller than it).
bool GetWorkArea();

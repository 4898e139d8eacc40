#pragma once
// The five modes as data: each mode's button and radio menu item, and how
// the window is laid out in that mode.
#include "calculator/calc_mode.h"
#include "calculator/run_images.h"

#include <QColor>

namespace vadelon {

struct ModeLayout {
    // The mode button, SpeedButton1 to SpeedButton5, and its menu item.
    const char* buttonName;
    const char* caption;
    QColor colour;
    const char* hint;  // the button's and the menu item's
    const char* menuName;
    const char* menuCaption;

    // The window in the mode.
    RunImage runImage;           // on BitBtn1
    bool onlyUpperPanel;         // number and lower panels hidden, the rest of them left as it was
    bool monthAndDay;            // the month and day controls of both panels shown
    const char* today;           // caption of Button1, and of Button2 where it is shown
    const char* upperTitle;      // Label2
    bool resultBelow;            // the lower panel takes the result, the number field is an input
    const char* numberTitle[2];  // Label16, shifting forward and back
    const char* numberUnit[2];   // Label17, likewise
    const char* note;            // Label18
    bool toggle;                 // SpeedButton6 shown
    const char* lowerTitle;      // Label9
};

const ModeLayout& LayoutOf(CalcMode mode);

}  // namespace vadelon

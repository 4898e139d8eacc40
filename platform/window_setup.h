#pragma once
// Steps that several windows take alike when they are built or shown.
class QColor;
class QWidget;

namespace vadelon {

// The colour of a control's own text, whatever kind of control it is
// (a label's, a button's caption, an edit box's).
void SetTextColour(QWidget* widget, const QColor& colour);

// Moves a window to the centre of the free area of its screen: its frame
// once the window manager has framed it, its inner area before.
void CentreOnScreen(QWidget& window);

enum class Side { Right, Left };

// Moves a window beside another, gap pixels from it, at its height, frames
// included: on the first side where the screen has room, else on the other,
// else on the side that covers the least of it.
void PlaceBeside(QWidget& window, const QWidget& other, int gap, Side first = Side::Right);

}  // namespace vadelon

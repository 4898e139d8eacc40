#pragma once
// The help window on the accessibility bus: a window of its own (not a
// filler), and the page's links, which the page view walks with Tab, told to
// a screen reader one by one as they take the focus.
class QTextBrowser;

namespace vadelon {

// Makes the help window read as a window; once, before it is first described.
void DescribeHelpWindow();

// From now on, each link of browser's page that takes the focus from the
// keyboard is told to a screen reader as a focused link, named by its text.
void SpeakFocusedLinks(QTextBrowser* browser);

}  // namespace vadelon

#pragma once

#include <QString>

// The features of a test that a run may have switched off; the help text
// describes only those the running test has on.
struct HelpTopics
{
    bool phraseLine;         // the question is shown with the chosen answer in its gap
    bool consistencyVerdict; // a question is asked twice and the verdict shows after grading
    bool explanations;       // the review shows the explanation of an answered question
    bool reviewNavigation;   // the review has its own Next and Back buttons
};

// The help text the window shows at start: one paragraph a line, for the help
// box to wrap at its own width.
QString helpText(const HelpTopics &topics);

// Where the program's maker can be found.
QString webAddress();

#pragma once

#include <optional>

// Whether the latest choice of a slot is right; None until its first choice.
enum class Verdict { None, Wrong, Right };

// What the learner did in one slot of the run, the place of one question in
// the order of presentation.
struct Slot
{
    int question = 0;                   // the question shown here
    std::optional<int> chosenOption;    // the option index (display position) chosen
    Verdict verdict = Verdict::None;    // of the latest choice
    std::optional<int> correctPosition; // where the test-time display found the correct text
};

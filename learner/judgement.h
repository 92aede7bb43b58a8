#pragma once

// A judged answer as a plain value: right or wrong, and the classic slip
// behind a wrong one. The practice's kinds judge; the record keeps the
// judgement and the skills read it.

namespace practice {

// The classic slips a wrong answer is checked for, in the order they are
// looked for; where one answer fits two, the first is named.
enum class Mistake {
    None,       // right, or wrong in no way named here
    Reversed,   // read from the wrong end: the multiplier band taken as the first digit
    FiveAsFour, // a 5-band resistor read as a 4-band one: the third digit taken as the multiplier
    NeighbourColour,  // one digit band taken for a colour beside it: brown/red/orange, blue/violet,
                      // grey/white
    PowerOfTen,       // the digits right, the power of ten wrong: a multiplier or unit slip
    ToleranceOnly,    // the value right, only the tolerance wrong
    LastDigitAsDigit, // an SMD marking's last digit read as a digit, not as the count of zeros
};

struct Judgement {
    bool right = false;
    Mistake mistake = Mistake::None;
    bool toleranceRight = true;
    // NeighbourColour only: the digit band (0 the first), the digit the
    // question has there and the one the learner took for it.
    int band = 0;
    int rightDigit = 0;
    int takenDigit = 0;
};

} // namespace practice

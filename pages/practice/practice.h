#pragma once

// The practice: the learner reads the bands of a drawn resistor, picks the
// bands of a stated value, or reads the marking on an SMD chip; its rules put
// the questions, judge the answer, name the classic slip behind a wrong one,
// word the feedback, keep the score and bring a missed question back a few
// questions later. Plain values and functions over Qt Core: the practice
// dialog reads its controls, calls one of these and writes the result back.

#include "learner/question.h"
#include "learner/review.h"
#include "pages/practice/feedback.h"
#include "pages/practice/judging.h"
#include "pages/practice/questionkind.h"

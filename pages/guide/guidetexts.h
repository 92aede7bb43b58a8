#pragma once

// What page 3 shows for each band count: which resistor picture and the
// seven captions laid over the guide drawing, and for a 6-band resistor the
// line on its sixth band. The fixed words around the
// captions are part of the drawing (resources/guide_drawing.svg), placed so
// that every line reads as one sentence with either set of captions.

#include "colorcode/colortables.h"

#include <QString>
#include <QStringList>

namespace guide {

struct GuideView {
    bool fourBandPictureShown; // Picture4
    bool fiveBandPictureShown; // Picture6
    bool sixBandPictureShown;  // picSixBand
    QString label13;           // ends the sentence about the digit bands
    QString label14;           // number of the multiplier band
    QString label27;           // example multiplier colour
    QString label15;           // number of the tolerance band, first mention
    QString label23;           // number of the tolerance band, second mention
    QString label24;           // example tolerance colour
    QString label25;           // worked example
    QString tempco;            // the sixth band, the temperature coefficient; empty without it
};

// What the option button's handler writes for `bands`; with `tempco`, for a
// 6-band resistor: the 5-band code and a temperature-coefficient band.
GuideView guideView(colorcode::BandCount bands, bool tempco = false);

// What the page shows before any handler has run: the 4-band picture with
// the captions of the window design, two of which differ slightly from what
// the 4-band handler writes.
GuideView designView();

// The guide in words for `bands`, one sentence a line in reading order: the
// drawing's fixed words with the captions of guideView(bands) in their gaps,
// then the colour chart. For a screen reader, which cannot read the words
// painted into the drawing.
QStringList guideSentences(colorcode::BandCount bands, bool tempco = false);

} // namespace guide

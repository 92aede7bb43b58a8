#pragma once

// The worksheet on paper: the questions numbered from 1, read ones on the
// practice's resistor in its true colours, pick ones on the same resistor
// with empty bands to colour in, marking ones on a chip; then, when asked
// for, the answer key with each answer's working on pages of its own. Every
// page has a header with lines for the learner's name, class and number and
// the date (the first a box for the score too), and a footer with the
// sheet's code and the page's number. One painting serves the PDF and the
// printer.

#include "pages/worksheet/worksheetquestions.h"

#include <QString>

#include <span>

class QPagedPaintDevice;

namespace practice {

// What goes on paper besides the questions.
struct WorksheetPrint {
    QString code;          // the sheet's code, on every page and the key's
    bool questions = true; // the question pages
    bool key = true;       // the key's pages, after the questions
    bool grey = false;     // each band's colour name under it on read questions
};

// Paints the sheet onto `device` from its current page on, with as many
// pages as the questions need. Page size and margins are the device's: A4
// for the PDF, the user's choice for a printer. False when the device
// cannot be painted on.
bool paintWorksheet(QPagedPaintDevice &device, std::span<const WorksheetQuestion> questions,
                    const WorksheetPrint &print);

// Writes the sheet as an A4 PDF at `path`, its Korean text in the embedded
// face of the program. An existing file is replaced only once the new one
// is whole. False when it cannot be written (no such folder, no permission,
// a full disk); nothing is left behind then.
bool writeWorksheetPdf(const QString &path, std::span<const WorksheetQuestion> questions,
                       const WorksheetPrint &print);

} // namespace practice

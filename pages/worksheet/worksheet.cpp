#include "pages/worksheet/worksheet.h"

#include "colorcode/numbertext.h"
#include "widgets/bandshape.h"
#include "widgets/chippicture.h"
#include "widgets/resistordrawing.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <limits>

using namespace Qt::StringLiterals;

namespace practice {

namespace {

constexpr double kMillimetresPerInch = 25.4;

// A4 at 300 dots per inch is fine enough for thin bands and small raised
// digits; the PDF's text stays text at any resolution.
constexpr int kPdfResolution = 300;
constexpr QMarginsF kPdfMargins{15, 15, 15, 15}; // millimetres

// kResistorPart this wide on paper puts the resistor's body, two thirds of
// the part, at about 4 cm: every band is a few millimetres wide.
constexpr double kPictureWidth = 58;
constexpr double kPictureHeight =
    kPictureWidth * ui::kResistorPart.height() / ui::kResistorPart.width();

// Sizes in points, and in millimetres.
constexpr double kTitlePoints = 16;
constexpr double kNamePoints = 10;
constexpr double kHeadingPoints = 10.5;
constexpr double kNumberPoints = 11;
constexpr double kStatedPoints = 12;
constexpr double kTextPoints = 9;
constexpr double kWorkingPoints = 8;
constexpr double kFooterPoints = 8;
constexpr double kGreyPoints = 6.5;
constexpr double kRuleGap = 3;
constexpr double kHeadingHeight = 9;
constexpr double kRowHeight = 36;
constexpr double kNumberWidth = 10;
constexpr double kStatedHeight = 7;
constexpr double kAnswerGap = 5;  // from the picture down to the answer line
constexpr double kCaptionGap = 2; // from a caption to its line
constexpr double kUnderBaseline = 0.6;
// The lines to write one's name, class and number, and the date on, and the
// score box beside them on the first page.
constexpr double kNameLine = 42;
constexpr double kClassLine = 20;
constexpr double kDateLine = 26;
constexpr double kFieldGap = 6;
constexpr double kScoreWidth = 34;
constexpr double kFooterHeight = 7;
// A chip as long as the resistor's body is wide on paper.
constexpr double kChipWidth = 34;
// Colour names under the bands of a grey sheet, on two staggered lines so
// neighbouring names never touch.
constexpr double kGreyGap = 1;
// A read question's value takes this share of its answer row, the
// tolerance the rest.
constexpr double kValueLineShare = 0.6;
constexpr double kKeyAnswerWidth = 62;
constexpr double kKeyRowGap = 1.6;
constexpr double kThinPen = 0.15;
constexpr double kBandPen = 0.25;
constexpr double kNoWrap = std::numeric_limits<double>::infinity();

// A raised digit is drawn this much smaller, its baseline lifted by this
// share of the ordinary ascent, close to rich text's <sup>.
constexpr double kRaisedScale = 0.7;
constexpr double kRaisedLift = 0.4;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kRule(0xA0, 0xA0, 0xA0);
const QColor kBandEdge(0x40, 0x40, 0x40);

constexpr QStringView kTitle = u"저항 색띠 연습지";
constexpr QStringView kName = u"이름";
constexpr QStringView kClass = u"반/번호";
constexpr QStringView kDate = u"날짜";
constexpr QStringView kScore = u"점수";
constexpr QStringView kCodeCaption = u"연습지 코드";
constexpr QStringView kReadHeading = u"색띠를 읽고 저항값과 허용오차를 쓰십시오.";
constexpr QStringView kWriteHeading =
    u"저항값과 허용오차에 맞게 빈 색띠를 칠하고, 색 이름을 차례로 쓰십시오.";
constexpr QStringView kValueLine = u"저항값";
constexpr QStringView kToleranceLine = u"허용오차";
constexpr QStringView kMarkingHeading = u"칩에 적힌 표시를 읽고 저항값을 쓰십시오.";
constexpr QStringView kColoursLine = u"색 이름";
constexpr QStringView kKeyHeading = u"정답";

// Paints in millimetres on a device that counts dots, and turns pages.
class Sheet {
public:
    Sheet(QPagedPaintDevice &device, QPainter &painter)
        : m_device(device), p(painter), m_dotsPerMm(device.logicalDpiX() / kMillimetresPerInch),
          m_art(ui::kResistorArt.toString())
    {
        m_art.setViewBox(ui::kResistorPart);
        p.setRenderHint(QPainter::Antialiasing);
    }

    double width() const { return m_device.width() / m_dotsPerMm; }
    double height() const { return m_device.height() / m_dotsPerMm; }
    double dots(double mm) const { return mm * m_dotsPerMm; }
    QPointF at(double x, double y) const { return {dots(x), dots(y)}; }
    QRectF box(double x, double y, double w, double h) const
    {
        return {dots(x), dots(y), dots(w), dots(h)};
    }

    // The device starts on a page of its own; each page after needs one.
    bool startPage() { return m_pages++ == 0 || m_device.newPage(); }

    QFont font(double points, bool bold = false) const
    {
        QFont f = QGuiApplication::font();
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
    double lineHeight(const QFont &f) const
    {
        return QFontMetricsF(f, &m_device).height() / m_dotsPerMm;
    }
    double ascent(const QFont &f) const
    {
        return QFontMetricsF(f, &m_device).ascent() / m_dotsPerMm;
    }

    // Text with its top-left corner at (x, y), broken at spaces to stay left
    // of `right`; its size. Each word is drawn on its own, the gaps left
    // empty: the Korean face's space reads back from the PDF as a control
    // character, a gap as a space. Powers of ten are raised as on screen
    // (raisedtext.h).
    QSizeF text(double x, double y, QStringView content, const QFont &f, double right = kNoWrap)
    {
        return words(x, y, content, f, right, true);
    }
    QSizeF measure(QStringView content, const QFont &f, double width = kNoWrap)
    {
        return words(0, 0, content, f, width, false);
    }

    void line(double x1, double y1, double x2, double y2, const QColor &color)
    {
        p.setPen(QPen(color, dots(kThinPen)));
        p.drawLine(at(x1, y1), at(x2, y2));
    }

    // A caption and a line after it to write on, reaching `right`, at the
    // baseline of the caption.
    void answerLine(double x, double y, QStringView caption, double right,
                    double points = kTextPoints)
    {
        const QFont f = font(points);
        const double end = x + text(x, y, caption, f).width() + kCaptionGap;
        const double base = y + ascent(f) + kUnderBaseline;
        line(end, base, right, base, kInk);
    }

    // The practice's resistor at (x, y): coloured, its bands in the colours
    // the practice paints them, or bare, each band it has an empty box to
    // colour in.
    void resistor(double x, double y, const Resistor &r, bool coloured)
    {
        const QRectF target = box(x, y, kPictureWidth, kPictureHeight);
        // The renderer draws the whole artwork, the view box only scaling
        // it: the clip keeps the rest off the paper.
        p.save();
        p.setClipRect(target);
        m_art.render(&p, target);
        p.restore();
        p.setPen(QPen(kRule, dots(kThinPen)));
        p.drawRect(target);
        const std::array<DrawnBand, 5> drawn = drawnBands(r);
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const DrawnBand &d = drawn[i];
            if (!d.shown || (coloured && !d.filled))
                continue;
            p.setPen(QPen(kBandEdge, dots(coloured ? kThinPen : kBandPen)));
            p.setBrush(coloured ? ui::resolveColor(d.color, QPalette()) : QColor(Qt::white));
            p.drawRect(band(x, y, i));
        }
        p.setBrush(Qt::NoBrush);
    }

    // Under a coloured resistor at (x, y), each painted band's colour name,
    // for a sheet printed without colour; the height they take.
    double colourNames(double x, double y, const Resistor &r)
    {
        const QFont f = font(kGreyPoints);
        const double lineHeight = this->lineHeight(f);
        const double top = y + kPictureHeight + kGreyGap;
        const std::array<DrawnBand, 5> drawn = drawnBands(r);
        int shown = 0;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const DrawnBand &d = drawn[i];
            if (!d.shown || !d.filled)
                continue;
            const QString word =
                colorcode::colourWordOf(d.color, colorcode::Palette::Selector).toString();
            const QRectF b = band(x, y, i);
            const double centre = b.center().x() / m_dotsPerMm;
            const double wordTop = top + (shown++ % 2) * lineHeight;
            line(centre, b.bottom() / m_dotsPerMm, centre, wordTop, kRule);
            text(centre - measure(word, f).width() / 2, wordTop, word, f);
        }
        return kGreyGap + 2 * lineHeight;
    }

    // A chip with `marking` in a box of the picture's height at (x, y).
    void chip(double x, double y, const QString &marking)
    {
        ui::paintChip(p, box(x, y, kChipWidth, kPictureHeight), marking, font(kStatedPoints),
                      dots(kThinPen));
    }

private:
    // Band `i` of the resistor at (x, y), in dots.
    QRectF band(double x, double y, std::size_t i) const
    {
        const QRectF target = box(x, y, kPictureWidth, kPictureHeight);
        const double scale = target.width() / ui::kResistorPart.width();
        const QRectF art = ui::kResistorBands[i];
        return {target.topLeft() + (art.topLeft() - QPointF(ui::kResistorPart.topLeft())) * scale,
                art.size() * scale};
    }

    QSizeF words(double x, double y, QStringView content, const QFont &f, double right, bool paint)
    {
        const QFontMetricsF metrics(f, &m_device);
        QFont smaller = f;
        smaller.setPointSizeF(f.pointSizeF() * kRaisedScale);
        const QFontMetricsF raised(smaller, &m_device);
        const double left = dots(x);
        const double space = metrics.horizontalAdvance(u' ');
        const double limit = dots(right);
        double at = left, top = dots(y), widest = 0;
        if (paint)
            p.setPen(kInk);
        for (QStringView word : content.split(u' ', Qt::SkipEmptyParts)) {
            const double width = wordWidth(word, metrics, raised);
            if (at > left && at + width > limit) {
                at = left;
                top += metrics.lineSpacing();
            }
            if (paint)
                drawWord(at, top + metrics.ascent(), word, f, smaller, metrics, raised);
            widest = std::max(widest, at + width - left);
            at += width + space;
        }
        return {widest / m_dotsPerMm, (top - dots(y) + metrics.height()) / m_dotsPerMm};
    }

    // A word in runs: ordinary characters, and raised digits drawn as
    // ordinary ones, smaller and higher.
    template <typename Run> static void runs(QStringView word, Run run)
    {
        qsizetype start = 0;
        while (start < word.size()) {
            const bool raised = !colorcode::loweredDigit(word[start]).isNull();
            qsizetype end = start;
            QString piece;
            for (; end < word.size() && !colorcode::loweredDigit(word[end]).isNull() == raised;
                 ++end)
                piece += raised ? colorcode::loweredDigit(word[end]) : word[end];
            run(piece, raised);
            start = end;
        }
    }

    static double wordWidth(QStringView word, const QFontMetricsF &metrics,
                            const QFontMetricsF &raised)
    {
        double width = 0;
        runs(word, [&](const QString &piece, bool up) {
            width += (up ? raised : metrics).horizontalAdvance(piece);
        });
        return width;
    }

    void drawWord(double x, double baseline, QStringView word, const QFont &f, const QFont &smaller,
                  const QFontMetricsF &metrics, const QFontMetricsF &raised)
    {
        runs(word, [&](const QString &piece, bool up) {
            p.setFont(up ? smaller : f);
            p.drawText(QPointF(x, up ? baseline - metrics.ascent() * kRaisedLift : baseline),
                       piece);
            x += (up ? raised : metrics).horizontalAdvance(piece);
        });
    }

    QPagedPaintDevice &m_device;
    QPainter &p;
    double m_dotsPerMm;
    QSvgRenderer m_art;
    int m_pages = 0;
};

// A caption and its line, from x; where the next one may start.
double field(Sheet &s, double x, double y, QStringView caption, double length)
{
    const QFont f = s.font(kNamePoints);
    const double end = x + s.measure(caption, f).width() + kCaptionGap + length;
    s.answerLine(x, y, caption, end, kNamePoints);
    return end + kFieldGap;
}

double fieldsTop(Sheet &s)
{
    return s.lineHeight(s.font(kTitlePoints, true)) + kRuleGap;
}

double headerRule(Sheet &s)
{
    return fieldsTop(s) + s.lineHeight(s.font(kNamePoints)) + kRuleGap;
}

// Where the questions start below the header.
double headerHeight(Sheet &s)
{
    return headerRule(s) + kRuleGap * 2;
}

// The head of a question page: the title, the lines for name, class and
// number and date, and on the first page the score box beside them, out of
// `count` questions.
void header(Sheet &s, bool first, int count)
{
    s.text(0, 0, kTitle, s.font(kTitlePoints, true));
    const double fieldsY = fieldsTop(s);
    double x = field(s, 0, fieldsY, kName, kNameLine);
    x = field(s, x, fieldsY, kClass, kClassLine);
    field(s, x, fieldsY, kDate, kDateLine);
    const double rule = headerRule(s);
    if (first) {
        const double left = s.width() - kScoreWidth;
        const double boxHeight = rule - kRuleGap;
        s.line(left, 0, s.width(), 0, kInk);
        s.line(left, boxHeight, s.width(), boxHeight, kInk);
        s.line(left, 0, left, boxHeight, kInk);
        s.line(s.width(), 0, s.width(), boxHeight, kInk);
        const QFont caption = s.font(kTextPoints);
        s.text(left + kCaptionGap, kCaptionGap / 2, kScore, caption);
        const QFont outOf = s.font(kNumberPoints, true);
        const QString total = u"/ %1"_s.arg(count);
        const QSizeF size = s.measure(total, outOf);
        s.text(s.width() - kCaptionGap - size.width(), boxHeight - size.height() - kCaptionGap / 2,
               total, outOf);
    }
    s.line(0, rule, s.width(), rule, kRule);
}

// The foot of every page: the sheet's code on the left, the page's number
// on the right ("2 / 3", on the key "정답 1 / 1").
void footer(Sheet &s, const QString &code, QStringView part, int page, int pages)
{
    const QFont f = s.font(kFooterPoints);
    const double top = s.height() - kFooterHeight;
    s.line(0, top, s.width(), top, kRule);
    const double y = top + kRuleGap / 2;
    if (!code.isEmpty())
        s.text(0, y, kCodeCaption.toString() + u' ' + code, f);
    QString number = u"%1 / %2"_s.arg(page).arg(pages);
    if (!part.isEmpty())
        number = part.toString() + u' ' + number;
    s.text(s.width() - s.measure(number, f).width(), y, number, f);
}

void readCell(Sheet &s, double x, double y, double w, const Resistor &r, bool grey)
{
    s.resistor(x, y, r, true);
    // Under the names, the line comes closer, so the row keeps its height.
    const double names = grey ? s.colourNames(x, y, r) + kCaptionGap : kAnswerGap;
    const double answerY = y + kPictureHeight + names;
    const double split = x + (w - kNumberWidth) * kValueLineShare;
    s.answerLine(x, answerY, kValueLine, split - 2 * kCaptionGap);
    s.answerLine(split, answerY, kToleranceLine, x + w - kNumberWidth);
}

void writeCell(Sheet &s, double x, double y, double w, const Resistor &r)
{
    s.text(x, y, statedValue(r), s.font(kStatedPoints, true));
    s.resistor(x, y + kStatedHeight, r, false);
    s.answerLine(x, y + kStatedHeight + kPictureHeight + kAnswerGap, kColoursLine,
                 x + w - kNumberWidth);
}

void markingCell(Sheet &s, double x, double y, double w, const smd::MarkingQuestion &m)
{
    s.chip(x, y, m.marking);
    s.answerLine(x, y + kPictureHeight + kAnswerGap, kValueLine, x + w - kNumberWidth);
}

QStringView headingOf(Kind kind)
{
    switch (kind) {
    case Kind::Read:
        return kReadHeading;
    case Kind::Write:
        return kWriteHeading;
    case Kind::Marking:
        break;
    }
    return kMarkingHeading;
}

// The questions, two to a row, a heading wherever a kind or a page begins,
// spread over the pages by questionsPerPage.
bool paintQuestions(Sheet &s, std::span<const WorksheetQuestion> questions,
                    const WorksheetPrint &print)
{
    const QFont headingFont = s.font(kHeadingPoints, true);
    const double top = headerHeight(s);
    std::vector<int> pages = questionsPerPage(
        questions, {s.height() - kFooterHeight - kRuleGap - top, kHeadingHeight, kRowHeight});
    const double column = s.width() / 2;
    std::size_t i = 0;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (!s.startPage())
            return false;
        header(s, page == 0, int(questions.size()));
        footer(s, print.code, {}, int(page) + 1, int(pages.size()));
        double y = top;
        std::optional<Kind> kind;
        int inRow = 0;
        for (int n = 0; n < pages[page]; ++n, ++i) {
            const WorksheetQuestion &q = questions[i];
            const bool heading = q.kind != kind;
            if (heading || inRow == 2) {
                if (inRow > 0)
                    y += kRowHeight;
                inRow = 0;
            }
            if (heading) {
                kind = q.kind;
                s.text(0, y, headingOf(q.kind), headingFont);
                y += kHeadingHeight;
            }
            const double x = inRow * column;
            s.text(x, y, QString::number(i + 1) + u'.', s.font(kNumberPoints, true));
            const double cellX = x + kNumberWidth;
            switch (q.kind) {
            case Kind::Read:
                readCell(s, cellX, y, column, q.resistor, print.grey);
                break;
            case Kind::Write:
                writeCell(s, cellX, y, column, q.resistor);
                break;
            case Kind::Marking:
                markingCell(s, cellX, y, column, q.marking);
                break;
            }
            ++inRow;
        }
    }
    return true;
}

// The key on pages of its own: number, answer, working, one row each.
bool paintKey(Sheet &s, std::span<const WorksheetQuestion> questions, const WorksheetPrint &print)
{
    const QFont heading = s.font(kTitlePoints, true);
    const QFont answer = s.font(kTextPoints, true);
    const QFont number = s.font(kTextPoints);
    const QFont working = s.font(kWorkingPoints);
    const double top = s.lineHeight(heading) + kRuleGap;
    const double bottom = s.height() - kFooterHeight - kRuleGap;
    const double workingX = kNumberWidth + kKeyAnswerWidth;
    // The working stands on the answer's baseline.
    const double drop = s.ascent(answer) - s.ascent(working);
    // Each row's height first, so every page knows how many there are.
    std::vector<double> heights;
    std::vector<int> firstOfPage{0};
    double y = top;
    for (const WorksheetQuestion &q : questions) {
        const double height =
            std::max(s.measure(worksheetAnswer(q), answer, kKeyAnswerWidth - kCaptionGap).height(),
                     drop +
                         s.measure(worksheetWorking(q), working, s.width() - workingX).height()) +
            kKeyRowGap;
        if (y + height > bottom && y > top) {
            firstOfPage.push_back(int(heights.size()));
            y = top;
        }
        heights.push_back(height);
        y += height;
    }
    firstOfPage.push_back(int(questions.size()));
    const int pages = int(firstOfPage.size()) - 1;
    for (int page = 0; page < pages; ++page) {
        if (!s.startPage())
            return false;
        s.text(0, 0, kKeyHeading, heading);
        footer(s, print.code, kKeyHeading, page + 1, pages);
        y = top;
        for (int i = firstOfPage[std::size_t(page)]; i < firstOfPage[std::size_t(page) + 1]; ++i) {
            const WorksheetQuestion &q = questions[std::size_t(i)];
            s.text(0, y, QString::number(i + 1) + u'.', number);
            s.text(kNumberWidth, y, worksheetAnswer(q), answer, workingX - kCaptionGap);
            s.text(workingX, y + drop, worksheetWorking(q), working, s.width());
            y += heights[std::size_t(i)];
            s.line(0, y - kKeyRowGap / 2, s.width(), y - kKeyRowGap / 2, kRule);
        }
    }
    return true;
}

} // namespace

bool paintWorksheet(QPagedPaintDevice &device, std::span<const WorksheetQuestion> questions,
                    const WorksheetPrint &print)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Sheet sheet(device, painter);
    const bool painted = (!print.questions || paintQuestions(sheet, questions, print)) &&
                         (!print.key || paintKey(sheet, questions, print));
    return painter.end() && painted;
}

bool writeWorksheetPdf(const QString &path, std::span<const WorksheetQuestion> questions,
                       const WorksheetPrint &print)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPdfMargins,
                                      QPageLayout::Millimeter));
        pdf.setTitle(kTitle.toString());
        pdf.setCreator(QGuiApplication::applicationName());
        if (!paintWorksheet(pdf, questions, print)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace practice

#include "pages/worksheet/worksheet.h"

#include "widgets/bandshape.h"
#include "widgets/raisedtext.h"
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
constexpr double kRuleGap = 3;
constexpr double kHeadingHeight = 9;
constexpr double kRowHeight = 38;
constexpr double kNumberWidth = 10;
constexpr double kStatedHeight = 7;
constexpr double kAnswerGap = 5;  // from the picture down to the answer line
constexpr double kCaptionGap = 2; // from a caption to its line
constexpr double kUnderBaseline = 0.6;
constexpr double kNameLine = 45; // the line to write one's name on
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
constexpr QStringView kReadHeading = u"색띠를 읽고 저항값과 허용오차를 쓰십시오.";
constexpr QStringView kWriteHeading =
    u"저항값과 허용오차에 맞게 빈 색띠를 칠하고, 색 이름을 차례로 쓰십시오.";
constexpr QStringView kValueLine = u"저항값";
constexpr QStringView kToleranceLine = u"허용오차";
constexpr QStringView kColoursLine = u"색 이름";
constexpr QStringView kKeyHeading = u"정답";
constexpr QStringView kKeyContinued = u"정답 (계속)";

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

    bool newPage() { return m_device.newPage(); }

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
        const double scale = target.width() / ui::kResistorPart.width();
        const QPointF origin = ui::kResistorPart.topLeft();
        const std::array<DrawnBand, 5> drawn = drawnBands(r);
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const DrawnBand &d = drawn[i];
            if (!d.shown || (coloured && !d.filled))
                continue;
            const QRectF art = ui::kResistorBands[i];
            const QRectF band(target.topLeft() + (art.topLeft() - origin) * scale,
                              art.size() * scale);
            p.setPen(QPen(kBandEdge, dots(coloured ? kThinPen : kBandPen)));
            p.setBrush(coloured ? ui::resolveColor(d.color, QPalette()) : QColor(Qt::white));
            p.drawRect(band);
        }
        p.setBrush(Qt::NoBrush);
    }

private:
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
            const bool raised = !ui::loweredDigit(word[start]).isNull();
            qsizetype end = start;
            QString piece;
            for (; end < word.size() && !ui::loweredDigit(word[end]).isNull() == raised; ++end)
                piece += raised ? ui::loweredDigit(word[end]) : word[end];
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
};

double header(Sheet &s)
{
    const QFont title = s.font(kTitlePoints, true);
    s.text(0, 0, kTitle, title);
    // The name line stands on the title's baseline.
    const QFont name = s.font(kNamePoints);
    const double nameX = s.width() - kNameLine - s.measure(kName, name).width() - kCaptionGap;
    s.answerLine(nameX, s.ascent(title) - s.ascent(name), kName, s.width(), kNamePoints);
    const double rule = s.lineHeight(title) + kRuleGap;
    s.line(0, rule, s.width(), rule, kRule);
    return rule + kRuleGap * 2;
}

void readCell(Sheet &s, double x, double y, double w, const Resistor &r)
{
    s.resistor(x, y, r, true);
    const double answerY = y + kPictureHeight + kAnswerGap;
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

// The questions, two to a row, a heading wherever a kind begins.
bool paintQuestions(Sheet &s, std::span<const WorksheetQuestion> questions)
{
    double y = header(s);
    const double column = s.width() / 2;
    std::optional<Kind> kind;
    int inRow = 0;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const WorksheetQuestion &q = questions[i];
        const bool heading = q.kind != kind;
        if (heading || inRow == 2) {
            if (inRow > 0)
                y += kRowHeight;
            inRow = 0;
            if (y + (heading ? kHeadingHeight : 0) + kRowHeight > s.height()) {
                if (!s.newPage())
                    return false;
                y = 0;
            }
        }
        if (heading) {
            kind = q.kind;
            s.text(0, y, q.kind == Kind::Read ? kReadHeading : kWriteHeading,
                   s.font(kHeadingPoints, true));
            y += kHeadingHeight;
        }
        const double x = inRow * column;
        s.text(x, y, QString::number(i + 1) + u'.', s.font(kNumberPoints, true));
        if (q.kind == Kind::Read)
            readCell(s, x + kNumberWidth, y, column, q.resistor);
        else
            writeCell(s, x + kNumberWidth, y, column, q.resistor);
        ++inRow;
    }
    return true;
}

// The key on pages of its own: number, answer, working, one row each.
bool paintKey(Sheet &s, std::span<const WorksheetQuestion> questions)
{
    if (!s.newPage())
        return false;
    const QFont heading = s.font(kTitlePoints, true);
    const QFont answer = s.font(kTextPoints, true);
    const QFont number = s.font(kTextPoints);
    const QFont working = s.font(kWorkingPoints);
    s.text(0, 0, kKeyHeading, heading);
    double y = s.lineHeight(heading) + kRuleGap;
    const double workingX = kNumberWidth + kKeyAnswerWidth;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const WorksheetQuestion &q = questions[i];
        const QString said = worksheetAnswer(q);
        const QString steps = worksheetWorking(q);
        // The working stands on the answer's baseline.
        const double drop = s.ascent(answer) - s.ascent(working);
        const double rowHeight =
            std::max(s.measure(said, answer, kKeyAnswerWidth - kCaptionGap).height(),
                     drop + s.measure(steps, working, s.width() - workingX).height()) +
            kKeyRowGap;
        if (y + rowHeight > s.height()) {
            if (!s.newPage())
                return false;
            s.text(0, 0, kKeyContinued, heading);
            y = s.lineHeight(heading) + kRuleGap;
        }
        s.text(0, y, QString::number(i + 1) + u'.', number);
        s.text(kNumberWidth, y, said, answer, workingX - kCaptionGap);
        s.text(workingX, y + drop, steps, working, s.width());
        y += rowHeight;
        s.line(0, y - kKeyRowGap / 2, s.width(), y - kKeyRowGap / 2, kRule);
    }
    return true;
}

} // namespace

bool paintWorksheet(QPagedPaintDevice &device, std::span<const WorksheetQuestion> questions)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Sheet sheet(device, painter);
    const bool painted = paintQuestions(sheet, questions) && paintKey(sheet, questions);
    return painter.end() && painted;
}

bool writeWorksheetPdf(const QString &path, std::span<const WorksheetQuestion> questions)
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
        if (!paintWorksheet(pdf, questions)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace practice

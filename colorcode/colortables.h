#pragma once

// The colour vocabulary every band-painting page speaks: ten digit colours in
// two palettes, the tolerance entries, the unit suffixes and the contents of
// every list. Read-only; the item texts double as the keys a pick is
// recognised by.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

namespace colorcode {

// A display colour as the program stores it: 0x00BBGGRR, red in the low byte.
// kWindowBackground is not an RGB value but the code of the window-background
// colour, which the value-to-colour and LED pages store for digit 9. The band
// stands for white, so it is painted white in every desktop scheme, also
// where a dark scheme makes the window near-black.
using ColorCode = quint32;
inline constexpr ColorCode kWindowBackground = 0x80000005;
inline constexpr ColorCode kBlack = 0x000000;

constexpr int redOf(ColorCode c)
{
    return int(c & 0xFF);
}
constexpr int greenOf(ColorCode c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(ColorCode c)
{
    return int((c >> 16) & 0xFF);
}

struct BandColor {
    int digit;
    QStringView itemText;    // "4 노랑": the digit, one blank, the colour word
    QStringView colourWord;  // "노랑"
    ColorCode selectorColor; // painted on the colour-to-value page
    ColorCode encoderColor;  // painted on the value-to-colour and LED pages
};

// Digits 8 and 9 are the only ones whose two palettes differ.
inline constexpr std::array<BandColor, 10> kBandColors{{
    {0, u"0 검정", u"검정", 0x000000, 0x000000},
    {1, u"1 갈색", u"갈색", 0x004080, 0x004080},
    {2, u"2 적색", u"적색", 0x0000FF, 0x0000FF},
    {3, u"3 주황", u"주황", 0x0080FF, 0x0080FF},
    {4, u"4 노랑", u"노랑", 0x00FFFF, 0x00FFFF},
    {5, u"5 초록", u"초록", 0x00C000, 0x00C000},
    {6, u"6 파랑", u"파랑", 0xC00000, 0xC00000},
    {7, u"7 보라", u"보라", 0x800080, 0x800080},
    {8, u"8 회색", u"회색", 0x808080, 0xC0C0C0},
    {9, u"9 백색", u"백색", 0xFFFFFF, kWindowBackground},
}};

// The multiplier list offers "0 검정" to "6 파랑" only: ×1 to ×1,000,000.
inline constexpr int kMultiplierEntries = 7;

struct ToleranceEntry {
    QStringView text;        // "±5%"
    QStringView colourWord;  // "금색"; "없음" for the band that is not drawn
    bool filled;             // false: the band's fill is transparent, no band is seen
    ColorCode selectorColor; // colour-to-value page
    ColorCode encoderColor;  // value-to-colour and LED pages
    double factor;           // 0.05 for ±5%
};

// ±10% is the one entry whose palettes differ; ±20% has no band at all.
inline constexpr std::array<ToleranceEntry, 9> kTolerances{{
    {u"±5%", u"금색", true, 0x00C0C0, 0x00C0C0, 0.05},
    {u"±10%", u"은색", true, 0xC0C0C0, 0xE0E0E0, 0.1},
    {u"±20%", u"없음", false, kBlack, kBlack, 0.2},
    {u"±1%", u"갈색", true, 0x004080, 0x004080, 0.01},
    {u"±2%", u"적색", true, 0x0000FF, 0x0000FF, 0.02},
    {u"±0.05%", u"주황", true, 0x0080FF, 0x0080FF, 0.0005},
    {u"±0.5%", u"초록", true, 0x00C000, 0x00C000, 0.005},
    {u"±0.25%", u"파랑", true, 0xC00000, 0xC00000, 0.0025},
    {u"±0.1%", u"보라", true, 0x800080, 0x800080, 0.001},
}};

// List contents, in the order the user sees them.
inline constexpr std::array<QStringView, 3> kFourBandTolerances{u"±5%", u"±10%", u"±20%"};
inline constexpr std::array<QStringView, 6> kFiveBandTolerances{u"±1%",   u"±2%",    u"±0.05%",
                                                                u"±0.5%", u"±0.25%", u"±0.1%"};
inline constexpr std::array<QStringView, 5> kEncoderTolerances{u"±1%", u"±2%", u"±5%", u"±10%",
                                                               u"±20%"};

// The units a value is written in, each with the power of ten it stands
// for. The suffix goes straight after the number. The ohm character is
// U+2126 OHM SIGN everywhere, never the Greek capital omega. The lists offer
// ohms to megaohms (kListUnits); the LED page and the SMD markings also write
// gigaohms (a "479" marking is 47GΩ).
struct Unit {
    QStringView suffix;
    int power;
};
inline constexpr std::array<Unit, 4> kUnits{{
    {u"\u2126", 0},
    {u"K\u2126", 3},
    {u"M\u2126", 6},
    {u"G\u2126", 9},
}};
inline constexpr QStringView kOhm = kUnits[0].suffix;
inline constexpr QStringView kKiloOhm = kUnits[1].suffix;
inline constexpr QStringView kMegaOhm = kUnits[2].suffix;
inline constexpr QStringView kGigaOhm = kUnits[3].suffix;
// The units the value-to-colour page offers and the colour-to-value page
// writes: ohms to megaohms.
inline constexpr std::span<const Unit> kListUnits = std::span(kUnits).first<3>();
inline constexpr std::array<QStringView, 3> kUnitList{kOhm, kKiloOhm, kMegaOhm};

// The unit whose suffix is `text`, compared whole and exactly ("kΩ" is none),
// among `units`; nullptr when it is none of them.
const Unit *unitOf(QStringView text, std::span<const Unit> units);

// How many bands a resistor has: two digits (4-band) or three (5-band), then
// the multiplier and the tolerance.
enum class BandCount { Four, Five };

constexpr int significantDigits(BandCount bands)
{
    return bands == BandCount::Five ? 3 : 2;
}

// Which palette a page paints with: the colour-to-value page the selector
// colours, the value-to-colour and LED pages the encoder colours.
enum class Palette { Selector, Encoder };

// The roles of the bands, as the pages caption them; they also start the
// bands' descriptions.
inline constexpr QStringView kFirstDigitRole = u"제1색띠";
inline constexpr QStringView kSecondDigitRole = u"제2색띠";
inline constexpr QStringView kThirdDigitRole = u"제3색띠";
inline constexpr QStringView kMultiplierRole = u"승수";
inline constexpr QStringView kToleranceRole = u"허용오차";
inline constexpr QStringView kNoBandWord = u"없음";

// The colour a digit band (or a multiplier band of that exponent) is
// painted in the palette of a page; digit 0 to 9.
constexpr ColorCode digitColor(int digit, Palette palette)
{
    const BandColor &band = kBandColors[std::size_t(digit)];
    return palette == Palette::Selector ? band.selectorColor : band.encoderColor;
}

// The word of a multiplier band's colour: the digit colours for ×1 to ×10⁹,
// gold for ×0.1, silver for ×0.01; "알 수 없는 색" beyond.
QStringView multiplierWord(int exponent);

// The colour of a multiplier band of that exponent in the palette of a page:
// the digit colours for ×1 to ×10⁹, the gold and the silver of the tolerance
// bands for ×0.1 and ×0.01; nullopt beyond.
std::optional<ColorCode> multiplierColor(int exponent, Palette palette);

// The Korean word of a colour a page paints: a digit's colour first, then
// gold and silver, which only tolerance bands use. Within one palette no two
// entries with different words share a code.
QStringView colourWordOf(ColorCode color, Palette palette);

// What a band shows, in words, for a learner who cannot tell the colours
// apart or uses a screen reader: "제1색띠: 노랑", "허용오차: 없음" for a band
// that is not drawn.
QString bandDescription(QStringView role, ColorCode color, bool filled, Palette palette);

// What a painted band stands for, in a few characters for its label: a digit
// band its digit ("4"), the multiplier its factor ("×1", "×10", "×10²"), the
// tolerance band its text ("±5%"), a gold or silver multiplier "×0.1" or
// "×0.01", the temperature-coefficient band its coefficient ("100ppm");
// empty for a band not drawn or a colour the role has no meaning for.
QString bandLabel(QStringView role, ColorCode color, bool filled, Palette palette);

// The digit of a list item text, compared whole and exactly ("0 검정" but not
// "0 검정 " or "0검정") against the first `entries` item texts in digit order.
std::optional<int> digitOfItemText(QStringView text, int entries = int(kBandColors.size()));

// The tolerance entry of a text, looked up only among the texts `offered` in
// the caller's context; nullptr when the text is none of them.
const ToleranceEntry *toleranceOf(QStringView text, std::span<const QStringView> offered);

// The tolerance entry of a text among all nine; nullptr for any other text.
const ToleranceEntry *toleranceOf(QStringView text);

// The colour a tolerance band is painted in the palette of a page.
constexpr ColorCode toleranceColor(const ToleranceEntry &entry, Palette palette)
{
    return palette == Palette::Selector ? entry.selectorColor : entry.encoderColor;
}

// The texts of a list as QStrings, for filling a combo box.
template <std::size_t N> QStringList itemTexts(const std::array<QStringView, N> &texts)
{
    QStringList list;
    for (QStringView t : texts)
        list << t.toString();
    return list;
}
QStringList digitItemTexts(int entries = int(kBandColors.size()));

} // namespace colorcode

#include "pages/guide/guidetexts.h"

#include "colorcode/resistance.h"
#include "colorcode/tempco.h"

using namespace Qt::StringLiterals;

namespace guide {

GuideView guideView(colorcode::BandCount bands, bool tempco)
{
    // Red, violet, red, gold reads 2, 7, × 10², ±5 %; red, violet, red,
    // orange, brown reads 2, 7, 2, × 10³, ±1 %, and a brown sixth band
    // 100 ppm/K.
    if (bands == colorcode::BandCount::Four)
        return {true,
                false,
                false,
                u"을 읽어 숫자로 환산한다."_s,
                u"3"_s,
                u"(예:적색은 10²)"_s,
                u"4"_s,
                u"4"_s,
                u"금색(±5%)"_s,
                u"예) 적-자-적-금 2,700\u2126->2.7K\u2126±5%"_s,
                {}};
    GuideView view{false,
                   true,
                   false,
                   u"및 제3색을 읽어 숫자로 환산한다."_s,
                   u"4"_s,
                   u"(예:등색은 10³)"_s,
                   u"5"_s,
                   u"5"_s,
                   u"갈색(±1%)"_s,
                   u"예) 적-자-적-등-갈 272,000\u2126->272K\u2126±1%"_s,
                   {}};
    if (!tempco)
        return view;
    const colorcode::TempcoEntry &brown = *colorcode::tempcoOf(u"100ppm 갈색");
    const colorcode::Resistance example{272, 3, 3};
    view.fiveBandPictureShown = false;
    view.sixBandPictureShown = true;
    view.label25 = u"예) 적-자-적-등-갈-갈 272K\u2126±1% %1"_s.arg(colorcode::tempcoText(brown));
    view.tempco = u"제6색은 온도계수: %1"_s.arg(colorcode::tempcoWorking(example, brown));
    return view;
}

GuideView designView()
{
    GuideView view = guideView(colorcode::BandCount::Four);
    view.label27 = u"(예: 적색은 10²)"_s;
    view.label25 = u"예) 적-자-적-금  2,700\u2126 ->2.7K\u2126"_s;
    return view;
}

QStringList guideSentences(colorcode::BandCount bands, bool tempco)
{
    const GuideView view = guideView(bands, tempco);
    // The 4-band caption goes on with the particle of "제1, 2색을"; the
    // 5-band one ("및 제3색을 …") is a word of its own.
    const QString digitBands = bands == colorcode::BandCount::Four ? u"제1, 2색"_s : u"제1, 2색 "_s;
    QStringList chart;
    for (const colorcode::BandColor &colour : colorcode::kBandColors)
        chart.append(colour.itemText.toString());
    QStringList sentences{
        u"허용오차 띠를 오른쪽에 두고 왼쪽부터 읽는다."_s,
        digitBands + view.label13,
        u"제%1색은 승수로, 곱할 10의 거듭제곱이다. %2"_s.arg(view.label14, view.label27),
        u"제%1색은 허용오차를 나타내는 띠로, 제%2색의 대표색은 %3이다."_s.arg(
            view.label15, view.label23, view.label24),
        u"숫자 띠의 값에 승수를 곱하면 저항값이 된다."_s,
        u"색과 숫자: "_s + chart.join(u", "_s),
        view.label25,
    };
    if (!view.tempco.isEmpty())
        sentences.insert(sentences.size() - 1, view.tempco);
    return sentences;
}

} // namespace guide

#include "pages/guide/guidetexts.h"

using namespace Qt::StringLiterals;

namespace guide {

GuideView guideView(colorcode::BandCount bands)
{
    // Red, violet, red, gold reads 2, 7, × 10², ±5 %; red, violet, red,
    // orange, brown reads 2, 7, 2, × 10³, ±1 %.
    if (bands == colorcode::BandCount::Four)
        return {true,
                false,
                u"을 읽어 숫자로 환산한다."_s,
                u"3"_s,
                u"(예:적색은 10²)"_s,
                u"4"_s,
                u"4"_s,
                u"금색(±5%)"_s,
                u"예) 적-자-적-금 2,700\u2126->2.7K\u2126±5%"_s};
    return {false,
            true,
            u"및 제3색을 읽어 숫자로 환산한다."_s,
            u"4"_s,
            u"(예:등색은 10³)"_s,
            u"5"_s,
            u"5"_s,
            u"갈색(±1%)"_s,
            u"예) 적-자-적-등-갈 272,000\u2126->272K\u2126±1%"_s};
}

GuideView designView()
{
    GuideView view = guideView(colorcode::BandCount::Four);
    view.label27 = u"(예: 적색은 10²)"_s;
    view.label25 = u"예) 적-자-적-금  2,700\u2126 ->2.7K\u2126"_s;
    return view;
}

} // namespace guide

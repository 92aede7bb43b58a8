#include "pages/practice/questionkind.h"

#include <algorithm>
#include <array>

namespace practice {

std::span<const QuestionKind *const> kinds()
{
    static const std::array<const QuestionKind *, 3> list{&bandReading(), &bandPicking(),
                                                          &markingReading()};
    return list;
}

const QuestionKind &kindOf(std::span<const QuestionKind *const> list, QStringView key)
{
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const QuestionKind *k) { return k->key() == key; });
    return it == list.end() ? *list.front() : **it;
}

} // namespace practice

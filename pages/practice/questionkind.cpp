#include "pages/practice/questionkind.h"

#include "pages/practice/feedback.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace practice {

QStringView NamedKind::key() const
{
    return kindKey(m_kind);
}

QString NamedKind::optionName() const
{
    return m_optionName.toString();
}

QString NamedKind::optionText() const
{
    return u"%1(&%2)"_s.arg(spokenName(), m_accessKey);
}

QString NamedKind::spokenName() const
{
    return kindName(m_kind).toString();
}

QString NamedKind::instruction() const
{
    return practice::instruction(m_kind).toString();
}

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

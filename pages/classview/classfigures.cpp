#include "pages/classview/classfigures.h"

#include "colorcode/speech.h"
#include "learner/answers.h"
#include "learner/skills.h"

#include <QRegularExpression>

#include <algorithm>
#include <tuple>

using namespace Qt::StringLiterals;

namespace classview {

PupilFigures figuresOf(const QString &name, const classdb::PupilSums &sums,
                       const practice::SkillStates &states, QDate today)
{
    PupilFigures f;
    f.name = name;
    std::vector<QDate> days;
    for (const auto &[day, d] : sums.days) {
        f.answers += d.answers;
        f.right += d.right;
        if (day == today)
            f.today = d.answers;
        if (d.answers > 0)
            days.push_back(day);
        if (!f.last.isValid() || d.last > f.last)
            f.last = d.last;
    }
    f.daysInARow = practice::daysInARow(days, today);
    f.weak = weakestSkills(states, kWeakSkills);
    return f;
}

std::vector<practice::SkillId> weakestSkills(const practice::SkillStates &states, int count)
{
    std::vector<practice::SkillId> missed;
    for (practice::SkillId id = 0; id < practice::kSkillCount; ++id) {
        const practice::SkillState &s = states[std::size_t(id)];
        if (s.right < s.asked)
            missed.push_back(id);
    }
    const auto weakness = [&](practice::SkillId id) {
        const practice::SkillState &s = states[std::size_t(id)];
        return std::make_tuple(s.box, double(s.right) / s.asked);
    };
    std::stable_sort(missed.begin(), missed.end(), [&](practice::SkillId a, practice::SkillId b) {
        return weakness(a) < weakness(b);
    });
    if (int(missed.size()) > count)
        missed.resize(std::size_t(count));
    return missed;
}

QString lastAnswerText(const QDateTime &last, const QDateTime &now)
{
    if (!last.isValid())
        return u"\u2013"_s;
    if (last.secsTo(now) < kPractisingSeconds)
        return u"지금 연습 중"_s;
    const QDateTime local = last.toLocalTime();
    const QString time = local.toString(u"HH:mm"_s);
    if (local.date() == now.toLocalTime().date())
        return time;
    return u"%1월 %2일 %3"_s.arg(local.date().month()).arg(local.date().day()).arg(time);
}

std::array<QString, ColumnCount> rowTexts(const PupilFigures &f, const QDateTime &now)
{
    QStringList weak;
    for (practice::SkillId id : f.weak)
        weak << practice::skillName(id);
    return {f.name,
            QString::number(f.answers),
            QString::number(f.today),
            practice::shareText(f.right, f.answers),
            u"%1일"_s.arg(f.daysInARow),
            lastAnswerText(f.last, now),
            weak.isEmpty() ? u"\u2013"_s : weak.join(u", "_s)};
}

std::array<QVariant, ColumnCount> sortKeys(const PupilFigures &f)
{
    QStringList weak;
    for (practice::SkillId id : f.weak)
        weak << practice::skillName(id);
    return {f.name,
            f.answers,
            f.today,
            f.answers > 0 ? practice::percentRight(f.right, f.answers) : -1,
            f.daysInARow,
            f.last.isValid() ? f.last.toMSecsSinceEpoch() : qint64(-1),
            weak.join(u", "_s)};
}

QString spokenCell(int column, const QString &shown)
{
    static const QRegularExpression clock(u"\\b(\\d{1,2}):(\\d{2})\\b"_s);
    QString words = shown;
    if (words == u"\u2013")
        words = u"없음"_s;
    // "07:59" as a clock is read aloud, not as two numbers and a colon.
    for (QRegularExpressionMatch m = clock.match(words); m.hasMatch(); m = clock.match(words))
        words.replace(m.capturedStart(), m.capturedLength(),
                      u"%1시 %2분"_s.arg(m.captured(1).toInt()).arg(m.captured(2).toInt()));
    return kColumnNames[std::size_t(column)].toString() + u' ' + colorcode::spokenText(words);
}

QString sortedSentence(int column, Qt::SortOrder order)
{
    return u"정렬: %1, %2"_s.arg(kColumnNames[std::size_t(column)],
                                 order == Qt::AscendingOrder ? u"오름차순"_s : u"내림차순"_s);
}

practice::ConfusionTable classConfusions(const classdb::ClassSums &sums, std::optional<QDate> day)
{
    practice::ConfusionTable all;
    for (const auto &[d, table] : sums.confusions) {
        if (day && d != *day)
            continue;
        for (int a = 0; a < practice::kConfusionColours; ++a)
            for (int t = 0; t < practice::kConfusionColours; ++t)
                all.counts[std::size_t(a)][std::size_t(t)] +=
                    table.counts[std::size_t(a)][std::size_t(t)];
    }
    return all;
}

QString pupilsCsv(const std::vector<PupilFigures> &pupils, const QDateTime &now)
{
    QStringList header;
    for (QStringView name : kColumnNames)
        header << name.toString();
    QString text = practice::kCsvByteOrderMark.toString() + practice::csvLine(header);
    for (const PupilFigures &f : pupils) {
        const std::array<QString, ColumnCount> cells = rowTexts(f, now);
        text += practice::csvLine(QStringList(cells.begin(), cells.end()));
    }
    return text;
}

QString answersCsvHeader()
{
    return practice::kCsvByteOrderMark.toString() +
           practice::csvLine(QStringList{kColumnNames[Name].toString()} + practice::csvHeader());
}

QString answerCsvLine(const QString &pupil, const classdb::ClassAnswer &a)
{
    return practice::csvLine(QStringList{pupil} +
                             practice::csvFields(a.at.toLocalTime(), a.kind, a.question, a.given,
                                                 a.correct, a.slip, a.seconds));
}

} // namespace classview

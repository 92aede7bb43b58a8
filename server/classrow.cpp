#include "server/classrow.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace classdb {

ClassAnswer classAnswerOf(const practice::Row &row)
{
    return {row.token,
            QDateTime::fromString(row.at, Qt::ISODateWithMs),
            QDate::fromString(row.day, Qt::ISODate),
            row.kind,
            row.question,
            row.given,
            row.correct,
            row.slip,
            row.seconds,
            row.skills,
            row.missed,
            mixupsText(row.mixups)};
}

practice::Row rowOf(const ClassAnswer &answer)
{
    QString token = answer.id;
    token.remove(u'-');
    return {token.toLower(),
            answer.at.toUTC().toString(Qt::ISODateWithMs),
            answer.day.toString(Qt::ISODate),
            answer.kind,
            answer.question,
            answer.given,
            answer.correct,
            answer.slip,
            answer.seconds,
            answer.skills,
            answer.missed,
            mixupsOf(answer.mixups),
            true}; // it is on the server
}

QString mixupsText(const std::vector<std::pair<QString, QString>> &mixups)
{
    if (mixups.empty())
        return {};
    QJsonArray pairs;
    for (const auto &[asked, taken] : mixups)
        pairs.append(QJsonArray{asked, taken});
    return QString::fromUtf8(QJsonDocument(pairs).toJson(QJsonDocument::Compact));
}

std::vector<std::pair<QString, QString>> mixupsOf(QStringView text)
{
    std::vector<std::pair<QString, QString>> mixups;
    for (const QJsonValue &pair : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonArray p = pair.toArray();
        if (p.size() == 2 && p[0].isString() && p[1].isString())
            mixups.emplace_back(p[0].toString(), p[1].toString());
    }
    return mixups;
}

} // namespace classdb

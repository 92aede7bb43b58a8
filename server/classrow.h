#pragma once

// A judged answer as the learner's record keeps it (practice::Row) and as
// the class record keeps it (classdb::ClassAnswer), one from the other. The
// record's token is the class record's id: the same 128 bits, written
// without hyphens in the record and as a UUID on the server, so an answer
// fetched back from the server is one the record already holds.

#include "learner/answers.h"
#include "server/classdb.h"

namespace classdb {

ClassAnswer classAnswerOf(const practice::Row &row);
practice::Row rowOf(const ClassAnswer &answer);

// The colour pairs of a row as the server's mixups column holds them (a JSON
// array of [asked, taken] pairs), and back; no pair for text that is none.
QString mixupsText(const std::vector<std::pair<QString, QString>> &mixups);
std::vector<std::pair<QString, QString>> mixupsOf(QStringView text);

} // namespace classdb

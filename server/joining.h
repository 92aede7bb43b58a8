#pragma once

// Joining the class on the school's server from the window: the address a
// pupil types, and who the login is there. joinClass opens a connection and
// waits on the network (up to the connect timeout), so the window calls it
// on a thread of its own, never on its own thread.

#include "server/classdb.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

namespace classdb {

// "host", "host:port", "host/database" or "host:port/database", as typed
// (an IPv6 address in brackets, "[::1]:5433"); port 5432 and database
// "pallado" when left out. nullopt for text that names no server. The user
// and password are left empty.
std::optional<Server> parseAddress(QStringView text);

// The address written back the short way: the default port and database
// left out, so what the pupil typed reads the same.
QString addressText(const Server &server);

// Connects as the person and finds whether the login is a pupil or a
// teacher of the class. Failure::NoClass when the database or its tables
// are missing, Failure::NoSuchPerson for a login the class does not hold
// (the administrator's own, say).
std::variant<PersonKind, Error> joinClass(const Server &person);

} // namespace classdb

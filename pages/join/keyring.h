#pragma once

// A joined person's password in the desktop's keyring (QtKeychain), never
// in the settings file. Every call answers later, on the window's thread,
// through `done`; nothing waits. Where no keyring runs, the answers say so,
// and remembering is off.

#include "server/classdb.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace join {

struct KeyringAnswer {
    bool available = false;          // a keyring answered
    std::optional<QString> password; // the one kept, if any
};

// The password kept for the login (server and name); `context` ends the
// wait if it goes first.
void readPassword(const classdb::Server &login, QObject *context,
                  std::function<void(const KeyringAnswer &)> done);
// Keeps the password of `login` (its password field) in the keyring.
void keepPassword(const classdb::Server &login);
void forgetPassword(const classdb::Server &login);

} // namespace join

#pragma once

// What the window says about joining the class, and what it remembers of
// it: plain values and sentences, no widget.

#include "server/classdb.h"
#include "server/classsync.h"

#include <QString>
#include <QStringView>

namespace join {

// A login joined: who, on which server, and what the status bar calls it.
struct Joined {
    classdb::Server login; // with its password
    classdb::PersonKind kind = classdb::PersonKind::Pupil;
    QString serverName;
};

// The settings of joining. A school presets kServerKey (and may name the
// server with kServerNameKey) in the system-wide settings, so every pupil
// finds the address filled in; what a pupil joined last is kept in their
// own settings and read before the preset. The password never is: only
// the desktop's keyring keeps it, and kRememberKey says whether it does.
inline constexpr QStringView kServerKey = u"Class/server";
inline constexpr QStringView kServerNameKey = u"Class/serverName";
inline constexpr QStringView kNameKey = u"Class/name";
inline constexpr QStringView kRememberKey = u"Class/remember";

struct Remembered {
    QString server; // as typed: "lab3", "lab3:5433/class3"
    QString serverName;
    QString name;
    bool remember = false; // the keyring holds the password
};
Remembered remembered();
// Keeps the server and name joined, and whether the keyring keeps the
// password.
void keep(const QString &server, const QString &name, bool remember);
// After leaving: nothing joins again at the next start.
void forgetRemembering();

// What names the server in the status bar: the name the school gave it in
// the settings ("3반 서버"), else the address as the pupil typed it, the
// default port and database left out ("lab3").
QString serverShownName(const classdb::Server &server, QStringView presetName);

// "3반 서버 · 김민수": who is practising, and where.
QString practisingText(QStringView serverName, QStringView person);

// The status bar's word on the class sync, after practisingText; empty
// while every answer is on the server.
QString syncStateText(classdb::ClassSync::State state);

// Said once while the server cannot be reached.
QString waitingNotice();

// The message box's sentence when joining failed: which of the name and
// password, the server or its class was wrong.
QString failureText(const classdb::Error &error, const classdb::Server &server);

// The sentences for what was typed before any server is asked.
QString missingServerText();
QString badAddressText(QStringView typed);
QString missingNameText();
QString missingPasswordText();

// While the connection is tried ("lab3 서버에 들어가는 중…").
QString tryingText(QStringView serverName);

// The status bar while a remembered login joins again at start-up, and
// when it could not.
QString rejoiningText(QStringView serverName, QStringView person);
QString rejoinFailedText();

// Why "비밀번호 기억" is off where no keyring runs.
QString noKeyringText();

} // namespace join

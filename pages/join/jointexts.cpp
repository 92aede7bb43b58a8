#include "pages/join/jointexts.h"

#include "colorcode/korean.h"
#include "server/joining.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace join {

Remembered remembered()
{
    // The user's own settings first, then the system-wide ones a school
    // presets (QSettings falls back to them by itself).
    const QSettings settings;
    return {settings.value(kServerKey).toString().trimmed(),
            settings.value(kServerNameKey).toString().trimmed(),
            settings.value(kNameKey).toString(), settings.value(kRememberKey).toBool()};
}

void keep(const QString &server, const QString &name, bool remember)
{
    QSettings settings;
    settings.setValue(kServerKey, server);
    settings.setValue(kNameKey, name);
    settings.setValue(kRememberKey, remember);
}

void forgetRemembering()
{
    QSettings().setValue(kRememberKey, false);
}

QString serverShownName(const classdb::Server &server, QStringView presetName)
{
    if (!presetName.trimmed().isEmpty())
        return presetName.trimmed().toString();
    return classdb::addressText(server);
}

QString practisingText(QStringView serverName, QStringView person)
{
    return u"%1 · %2"_s.arg(serverName, person);
}

QString syncStateText(classdb::ClassSync::State state)
{
    switch (state) {
    case classdb::ClassSync::State::Connecting:
        return u"연결하는 중"_s;
    case classdb::ClassSync::State::InStep:
        return {};
    case classdb::ClassSync::State::Waiting:
        return u"서버를 기다리는 중"_s;
    }
    return {};
}

QString waitingNotice()
{
    return u"지금은 서버에 닿지 않습니다. 푼 답은 이 컴퓨터에 두었다가 서버에 다시 닿으면 "
           "보냅니다."_s;
}

QString failureText(const classdb::Error &error, const classdb::Server &server)
{
    switch (error.failure) {
    case classdb::Failure::NoClass:
        // The administrator's remedy (pallado-class setup) is not the
        // pupil's to take.
        return u"%1 서버에는 반이 없습니다. 서버 주소가 맞는지 선생님께 여쭤 보세요."_s.arg(
            classdb::addressText(server));
    case classdb::Failure::NoSuchPerson:
        return u"%1 이 서버의 반에 없습니다. 선생님이 만들어 준 이름으로 들어가세요."_s.arg(
            colorcode::withParticle(server.user, colorcode::Particle::Topic));
    default:
        return classdb::message(error, server);
    }
}

QString missingServerText()
{
    return u"서버 주소를 쓰세요."_s;
}

QString badAddressText(QStringView typed)
{
    return u"‘%1’에서 서버 주소를 알아볼 수 없습니다. lab3, lab3:5433 또는 "
           "lab3:5433/pallado처럼 쓰세요."_s.arg(typed);
}

QString missingNameText()
{
    return u"이름을 쓰세요."_s;
}

QString missingPasswordText()
{
    return u"비밀번호를 쓰세요."_s;
}

QString tryingText(QStringView serverName)
{
    return u"%1 서버에 들어가는 중…"_s.arg(serverName);
}

QString rejoiningText(QStringView serverName, QStringView person)
{
    return practisingText(serverName, person) + u" · 다시 들어가는 중"_s;
}

QString rejoinFailedText()
{
    return u"반에 다시 들어가지 못했습니다"_s;
}

QString noKeyringText()
{
    return u"이 컴퓨터에는 비밀번호를 맡길 키링이 없어 기억할 수 없습니다."_s;
}

} // namespace join

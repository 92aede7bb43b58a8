#include "shell/application.h"

#include "widgets/accessibility.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <system_error>

using namespace Qt::StringLiterals;

namespace shell {

FontsReadAhead::FontsReadAhead()
{
    try {
        m_reading = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to be had: Qt reads them itself, as it always would.
    }
}

FontsReadAhead::~FontsReadAhead()
{
    wait();
}

void FontsReadAhead::wait()
{
    if (m_reading.joinable())
        m_reading.join();
}

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Pallado"));
    QApplication::setOrganizationName(QStringLiteral("Pallado"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(PALLADO_VERSION_MAJOR)
                                            .arg(PALLADO_VERSION_MINOR)
                                            .arg(PALLADO_VERSION_PATCH));
    // The window design is laid out for a 9-point Korean font; NanumGothic is
    // Debian's, and fontconfig falls back to another Hangul face without it.
    QFont font(QStringLiteral("NanumGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    // Korean whatever the user's locale, as the program's own texts are.
    installQtTranslations(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Lists named by their captions, results spoken, before the screen
    // reader sees the first window.
    ui::installAccessibility();
}

bool installQtTranslations(QApplication &app, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Korean, QLocale::SouthKorea), u"qtbase"_s, u"_"_s,
                          folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace shell

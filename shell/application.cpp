#include "shell/application.h"

#include <QApplication>
#include <QFont>

namespace shell {

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
}

} // namespace shell

#pragma once

// What every run of the program sets up before the first window: names (the
// settings store is addressed by them), version, the Korean UI font, Qt's
// own Korean texts and the program's accessibility interfaces.

#include <thread>

class QApplication;
class QString;

namespace shell {

// Fontconfig reads its configuration and its font caches at its first call,
// about a quarter of what any Qt program does before its first frame. Made
// before the QApplication, this reads them on a thread of its own while the
// application connects to the display. wait() returns once the reading is
// over and must come before the first font is used: Qt's own first call
// would otherwise read it all again beside it.
class FontsReadAhead {
public:
    FontsReadAhead();
    ~FontsReadAhead();
    FontsReadAhead(const FontsReadAhead &) = delete;
    FontsReadAhead &operator=(const FontsReadAhead &) = delete;

    void wait();

private:
    std::thread m_reading;
};

void setUpApplication(QApplication &app);

// Qt's own texts (a message box's buttons, a text field's edit menu) in Korean,
// from qtbase_ko.qm in `folder`; the translator is a child of `app`. Without
// the file nothing changes. Returns whether it was loaded.
bool installQtTranslations(QApplication &app, const QString &folder);

} // namespace shell

#pragma once

// What every run of the program sets up before the first window: names (the
// settings store is addressed by them), version, the Korean UI font, Qt's
// own Korean texts and the program's accessibility interfaces.

class QApplication;
class QString;

namespace shell {

void setUpApplication(QApplication &app);

// Qt's own texts (a message box's buttons, a text field's edit menu) in Korean,
// from qtbase_ko.qm in `folder`; the translator is a child of `app`. Without
// the file nothing changes. Returns whether it was loaded.
bool installQtTranslations(QApplication &app, const QString &folder);

} // namespace shell

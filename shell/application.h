#pragma once

// What every run of the program sets up before the first window: names (the
// settings store is addressed by them), version and the Korean UI font.

class QApplication;

namespace shell {

void setUpApplication(QApplication &app);

} // namespace shell

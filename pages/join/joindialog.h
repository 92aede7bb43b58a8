#pragma once

// frmJoin, "반에 들어가기": a pupil or a teacher joins the class on the
// school's server with the name and password the teacher gave them.
//
// cmdJoin_Click reads the three boxes, parses the address
// (classdb::parseAddress) and joins on a thread of its own
// (classdb::joinClass), the dialog saying meanwhile that it is trying; the
// answer comes back to joinFinished, which either closes the dialog with the
// login joined or says in a message box what was wrong and keeps what was
// typed. Whether a keyring runs is asked as the dialog opens: where none
// does, chkRemember is off and says why.

#include "pages/join/jointexts.h"
#include "server/classdb.h"

#include <QDialog>
#include <QFutureWatcher>

#include <optional>
#include <variant>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace join {
struct KeyringAnswer;
}

class frmJoin : public QDialog {
    Q_OBJECT

public:
    explicit frmJoin(QWidget *owner);
    ~frmJoin() override;

    // The login joined, once the dialog is accepted; the address as typed
    // (for the settings), and whether its password is to be remembered.
    const std::optional<join::Joined> &joined() const { return m_joined; }
    const QString &address() const { return m_address; }
    bool remember() const { return m_remember; }

    // True while the connection is tried.
    bool trying() const;

    void cmdJoin_Click();
    void cmdCancel_Click();

    QLabel *lblServer = nullptr;      // "서버(&S)", caption of txtServer
    QLineEdit *txtServer = nullptr;   // host, host:port or host:port/database; may come preset
    QLabel *lblName = nullptr;        // "이름(&N)"
    QLineEdit *txtName = nullptr;     // the login's name as the teacher made it
    QLabel *lblPassword = nullptr;    // "비밀번호(&P)"
    QLineEdit *txtPassword = nullptr; // hidden as typed
    QCheckBox *chkRemember = nullptr; // "비밀번호 기억": in the keyring; off where none runs
    QLabel *lblNoKeyring = nullptr;   // why chkRemember is off, where no keyring runs
    QLabel *lblTrying = nullptr;      // "lab3 서버에 들어가는 중…", while trying
    QPushButton *cmdJoin = nullptr;   // "들어가기", the default
    QPushButton *cmdCancel = nullptr; // "취소"; Escape

private:
    using Outcome = std::variant<classdb::PersonKind, classdb::Error>;
    void joinFinished();
    void showKeyring(const join::KeyringAnswer &answer);
    void setTrying(bool trying);
    void refuse(const QString &text, QWidget *field);

    std::optional<join::Joined> m_joined;
    join::Joined m_tried;
    QString m_address;
    bool m_remember = false;
    bool m_keyring = false; // a keyring answered
    QFutureWatcher<Outcome> m_watcher;
};

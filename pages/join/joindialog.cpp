#include "pages/join/joindialog.h"

#include "colorcode/speech.h"
#include "pages/join/jointexts.h"
#include "pages/join/keyring.h"
#include "server/joining.h"
#include "widgets/accessibility.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kTitle = u"반에 들어가기";

// The boxes are wide enough for a school's host name and a Korean name.
constexpr int kFieldChars = 28;

// A field with its caption, which names it without the access key.
QLineEdit *makeField(QWidget *parent, const QString &name, QLabel *&caption,
                     const QString &captionName, const QString &captionText)
{
    QLineEdit *field = ui::makeEntry(parent, name, colorcode::withoutAccessKey(captionText));
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kFieldChars);
    caption = ui::makeLabel(parent, captionName, captionText, field);
    return field;
}

} // namespace

frmJoin::frmJoin(QWidget *owner) : QDialog(owner)
{
    setObjectName(u"frmJoin"_s);
    setWindowTitle(kTitle.toString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtServer = makeField(this, u"txtServer"_s, lblServer, u"lblServer"_s, u"서버(&S)"_s);
    txtServer->setAccessibleDescription(
        u"호스트 이름, 호스트:포트, 또는 호스트:포트/데이터베이스"_s);
    txtName = makeField(this, u"txtName"_s, lblName, u"lblName"_s, u"이름(&N)"_s);
    txtPassword =
        makeField(this, u"txtPassword"_s, lblPassword, u"lblPassword"_s, u"비밀번호(&P)"_s);
    txtPassword->setEchoMode(QLineEdit::Password);
    chkRemember = ui::makeCheck(this, u"chkRemember"_s, u"비밀번호 기억"_s, false);
    // Off until the keyring has answered.
    chkRemember->setEnabled(false);
    lblNoKeyring = ui::makeLabel(this, u"lblNoKeyring"_s, {});
    lblNoKeyring->setWordWrap(true);
    lblNoKeyring->hide();
    lblTrying = ui::makeLabel(this, u"lblTrying"_s, {});
    lblTrying->setWordWrap(true);
    lblTrying->hide();
    cmdJoin = ui::makeButton(this, u"cmdJoin"_s, u"들어가기"_s);
    cmdJoin->setDefault(true);
    cmdCancel = ui::makeButton(this, u"cmdCancel"_s, u"취소"_s);

    auto *fields = new QGridLayout;
    fields->addWidget(lblServer, 0, 0);
    fields->addWidget(txtServer, 0, 1);
    fields->addWidget(lblName, 1, 0);
    fields->addWidget(txtName, 1, 1);
    fields->addWidget(lblPassword, 2, 0);
    fields->addWidget(txtPassword, 2, 1);
    fields->addWidget(chkRemember, 3, 1);
    fields->addWidget(lblNoKeyring, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdJoin);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(lblTrying);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const join::Remembered last = join::remembered();
    txtServer->setText(last.server);
    txtName->setText(last.name);
    chkRemember->setChecked(last.remember);
    // The first box still empty takes the focus: a preset server leaves
    // the pupil at the name.
    QLineEdit *first = txtPassword;
    for (QLineEdit *field : {txtServer, txtName, txtPassword})
        if (field->text().isEmpty()) {
            first = field;
            break;
        }
    first->setFocus();

    connect(cmdJoin, &QPushButton::clicked, this, &frmJoin::cmdJoin_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmJoin::cmdCancel_Click);
    connect(&m_watcher, &QFutureWatcher<Outcome>::finished, this, &frmJoin::joinFinished);

    // The keyring is asked for the login last joined: its answer says
    // whether one runs, and gives the password it keeps.
    classdb::Server login = classdb::parseAddress(last.server).value_or(classdb::Server{});
    login.user = last.name;
    join::readPassword(login, this,
                       [this](const join::KeyringAnswer &answer) { showKeyring(answer); });
}

// A join still running finishes on its thread; its answer is dropped.
frmJoin::~frmJoin() = default;

bool frmJoin::trying() const
{
    return m_watcher.isRunning();
}

void frmJoin::showKeyring(const join::KeyringAnswer &answer)
{
    m_keyring = answer.available;
    chkRemember->setEnabled(answer.available);
    if (!answer.available) {
        chkRemember->setChecked(false);
        chkRemember->setToolTip(join::noKeyringText());
        chkRemember->setAccessibleDescription(join::noKeyringText());
        lblNoKeyring->setText(join::noKeyringText());
        lblNoKeyring->show();
        return;
    }
    if (answer.password && txtPassword->text().isEmpty())
        txtPassword->setText(*answer.password);
}

void frmJoin::cmdJoin_Click()
{
    if (trying())
        return;
    const QString typed = txtServer->text().trimmed();
    if (typed.isEmpty())
        return refuse(join::missingServerText(), txtServer);
    std::optional<classdb::Server> server = classdb::parseAddress(typed);
    if (!server)
        return refuse(join::badAddressText(typed), txtServer);
    if (txtName->text().trimmed().isEmpty())
        return refuse(join::missingNameText(), txtName);
    if (txtPassword->text().isEmpty())
        return refuse(join::missingPasswordText(), txtPassword);
    // The name is the login as the teacher made it, spaces inside and all;
    // only the ends a keyboard slip adds are trimmed.
    server->user = txtName->text().trimmed();
    server->password = txtPassword->text();
    m_tried = {*server, classdb::PersonKind::Pupil,
               join::serverShownName(*server, join::remembered().serverName)};
    m_address = typed;
    m_remember = chkRemember->isEnabled() && chkRemember->isChecked();
    setTrying(true);
    m_watcher.setFuture(QtConcurrent::run(
        [login = m_tried.login]() -> Outcome { return classdb::joinClass(login); }));
}

void frmJoin::joinFinished()
{
    setTrying(false);
    const Outcome outcome = m_watcher.result();
    if (const auto *kind = std::get_if<classdb::PersonKind>(&outcome)) {
        m_joined = m_tried;
        m_joined->kind = *kind;
        accept();
        return;
    }
    const auto &error = std::get<classdb::Error>(outcome);
    QWidget *field = error.failure == classdb::Failure::WrongPassword  ? txtPassword
                     : error.failure == classdb::Failure::NoSuchPerson ? txtName
                                                                       : txtServer;
    refuse(join::failureText(error, m_tried.login), field);
}

void frmJoin::cmdCancel_Click()
{
    reject();
}

void frmJoin::setTrying(bool trying)
{
    for (QWidget *w : std::initializer_list<QWidget *>{txtServer, txtName, txtPassword, cmdJoin})
        w->setEnabled(!trying);
    chkRemember->setEnabled(!trying && m_keyring);
    lblTrying->setText(trying ? join::tryingText(m_tried.serverName) : QString());
    lblTrying->setVisible(trying);
    if (trying) {
        cmdCancel->setFocus();
        ui::announce(this, lblTrying->text());
    }
}

void frmJoin::refuse(const QString &text, QWidget *field)
{
    QMessageBox::warning(this, kTitle.toString(), text);
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

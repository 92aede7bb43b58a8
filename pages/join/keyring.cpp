#include "pages/join/keyring.h"

#include "server/joining.h"

#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace join {

namespace {

const QString kService = u"Pallado"_s;

// One entry per login: the same name on two servers is two people.
QString entryKey(const classdb::Server &login)
{
    return login.user + u'@' + classdb::addressText(login);
}

} // namespace

void readPassword(const classdb::Server &login, QObject *context,
                  std::function<void(const KeyringAnswer &)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(entryKey(login));
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [done = std::move(done)](QKeychain::Job *finished) {
                         const auto *read = static_cast<QKeychain::ReadPasswordJob *>(finished);
                         KeyringAnswer answer;
                         // A missing entry is a keyring that answered; any
                         // other failure is none we can use.
                         answer.available = read->error() == QKeychain::NoError ||
                                            read->error() == QKeychain::EntryNotFound;
                         if (read->error() == QKeychain::NoError)
                             answer.password = read->textData();
                         done(answer);
                     });
    job->start();
}

void keepPassword(const classdb::Server &login)
{
    auto *job = new QKeychain::WritePasswordJob(kService);
    job->setKey(entryKey(login));
    job->setTextData(login.password);
    job->start();
}

void forgetPassword(const classdb::Server &login)
{
    auto *job = new QKeychain::DeletePasswordJob(kService);
    job->setKey(entryKey(login));
    job->start();
}

} // namespace join

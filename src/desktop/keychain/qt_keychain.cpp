#include "desktop/keychain/qt_keychain.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QString>

namespace oskel {

namespace {

// Starts the job and waits for its end.
void runToCompletion(QKeychain::Job& job) {
  job.setAutoDelete(false);
  job.setInsecureFallback(false);
  QEventLoop loop;
  QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
  job.start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

KeychainStatus statusOf(const QKeychain::Job& job) {
  switch (job.error()) {
    case QKeychain::NoError:
      return KeychainStatus::success;
    case QKeychain::EntryNotFound:
      return KeychainStatus::itemNotFound;
    default:
      return KeychainStatus::failure;
  }
}

KeychainStatus write(const std::string& service, const std::string& account, const std::string& data) {
  QKeychain::WritePasswordJob job(QString::fromStdString(service));
  job.setKey(QString::fromStdString(account));
  job.setBinaryData(QByteArray(data.data(), static_cast<qsizetype>(data.size())));
  runToCompletion(job);
  return statusOf(job) == KeychainStatus::success ? KeychainStatus::success : KeychainStatus::failure;
}

}  // namespace

KeychainItem QtKeychain::read(const std::string& service, const std::string& account) {
  QKeychain::ReadPasswordJob job(QString::fromStdString(service));
  job.setKey(QString::fromStdString(account));
  runToCompletion(job);
  KeychainItem item{statusOf(job), {}};
  if (item.status == KeychainStatus::success) {
    const QByteArray bytes = job.binaryData();
    item.data.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  return item;
}

KeychainStatus QtKeychain::update(const std::string& service, const std::string& account,
                                  const std::string& data) {
  // QtKeychain writes create or replace; an update must leave a missing item missing.
  const KeychainStatus existing = read(service, account).status;
  if (existing != KeychainStatus::success) return existing;
  return write(service, account, data);
}

KeychainStatus QtKeychain::add(const std::string& service, const std::string& account,
                               const std::string& data) {
  return write(service, account, data);
}

KeychainStatus QtKeychain::remove(const std::string& service, const std::string& account) {
  QKeychain::DeletePasswordJob job(QString::fromStdString(service));
  job.setKey(QString::fromStdString(account));
  runToCompletion(job);
  return statusOf(job);
}

}  // namespace oskel

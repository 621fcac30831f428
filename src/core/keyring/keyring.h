#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace velkor::keyring {

// What became of a keyring request: done; no password kept under that name; no keyring answers on this
// desktop (then the password is asked once per run and kept nowhere); or it failed for another reason.
enum class Outcome { Done, NotFound, NoKeyring, Failed };

struct Answer {
    Outcome outcome = Outcome::Failed;
    QString password; // what was read
    QString error;    // the keyring's own words, when it failed
};
using Answered = std::function<void(const Answer&)>;

// The sync account's password in the desktop's keyring, under the program's name and the account's server
// and user. Nothing of it is written anywhere else: when no keyring answers, the caller keeps it in memory.
// Every request answers once, later, on this thread.
class Keyring {
public:
    virtual ~Keyring() = default;
    virtual void save(const QString& account, const QString& password, Answered answered) = 0;
    virtual void load(const QString& account, Answered answered) = 0;
    virtual void forget(const QString& account, Answered answered) = 0;
};

// The Secret Service (or KWallet) through QtKeychain, never its plain-text fallback.
class DesktopKeyring final : public Keyring {
public:
    void save(const QString& account, const QString& password, Answered answered) override;
    void load(const QString& account, Answered answered) override;
    void forget(const QString& account, Answered answered) override;
};

// The name an account's password is kept under.
QString accountKey(const QString& serverUrl, const QString& user);

} // namespace velkor::keyring

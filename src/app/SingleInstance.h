#pragma once

#include <QObject>

class QSocketNotifier;

// One run of the program for each database, so that no two runs hold the same work. The first
// run for a database takes a lock named after it and listens for later runs; a later run asks
// the first to come to the front and ends. The lock is the system's (flock): it ends with the
// run however the run ends (killed, crashed), and taking it writes nothing to the disk; the
// socket a run that ended abruptly left behind is removed. The socket is a plain local one:
// Qt's network module would cost every start its libraries.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        First,      // this run holds the database
        HandedOver, // another run holds it and was asked to come to the front
        NoAnswer,   // another run holds it but cannot be reached
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Claims the database for this run, or asks the run that holds it to come to the front and
    // open the tool window named, if any.
    Claim claim(const QString& databasePath, const QString& windowName = {});
    // Gives up the claim: later runs start on their own.
    void release();

signals:
    // A later run for the same database asked this one to come to the front, and to open the
    // tool window named, if any.
    void activationRequested(const QString& windowName);

private:
    void listen(const QString& path);
    void acceptRequests();

    int m_lock = -1; // the lock file, held locked
    QString m_socketPath;
    int m_server = -1;
    QSocketNotifier* m_accepting = nullptr;
};

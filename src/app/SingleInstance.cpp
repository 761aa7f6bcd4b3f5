#include "app/SingleInstance.h"

#include "app/DataLocations.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {

const QByteArray Request = "come to the front\n";
const QByteArray Answer = "coming\n";
// A first run listens a moment after taking its lock, and answers once its event loop runs.
constexpr int ConnectMs = 5000;
constexpr int AnswerMs = 10000;

// The socket's path, the same for every run of one user on one database file, whichever path
// leads to it; the user's home keeps two users of a shared database apart.
QString socketPath(const QString& databasePath)
{
    const QByteArray hash = QCryptographicHash::hash(
        (QDir::homePath() + u'\n' + DataLocations::identityOf(databasePath)).toUtf8(),
        QCryptographicHash::Sha256);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("quillane-") + QString::fromLatin1(hash.toHex().left(24)));
}

// True once the request is with the run listening at the path; its answer is awaited a while,
// but the request stays with that run either way.
bool askToComeToTheFront(const QString& path)
{
    QLocalSocket socket;
    const QDeadlineTimer connecting(ConnectMs);
    for (socket.connectToServer(path); !socket.waitForConnected(int(connecting.remainingTime()));
         socket.connectToServer(path)) {
        if (connecting.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(Request);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(ConnectMs))
            return false;
    }
    if (!socket.waitForReadyRead(AnswerMs))
        qWarning("Quillane, already running for this database, has not answered yet");
    return true;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim(const QString& databasePath)
{
    const QString path = socketPath(databasePath);
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // a run keeps its lock however long it runs
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError) {
            // A temporary folder that cannot be written: runs go on unguarded rather than not at
            // all.
            qWarning("Could not lock %s", qPrintable(lock->fileName()));
            return Claim::First;
        }
        if (askToComeToTheFront(path))
            return Claim::HandedOver;
        // A lock that names no run was left by a run killed while taking it: nobody listens.
        qint64 pid = 0;
        QString host, program;
        if (lock->getLockInfo(&pid, &host, &program) || !lock->removeStaleLockFile() ||
            !lock->tryLock(0))
            return Claim::NoAnswer;
    }
    m_lock = std::move(lock);
    listen(path);
    return Claim::First;
}

void SingleInstance::release()
{
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
}

void SingleInstance::listen(const QString& path)
{
    // With the lock held, a socket left there is one a run that ended abruptly left behind.
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        qWarning("Later runs cannot reach this one: %s", qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

void SingleInstance::answer(QLocalSocket* socket)
{
    if (!socket->canReadLine())
        return;
    if (socket->readLine() != Request) {
        socket->disconnectFromServer();
        return;
    }
    socket->write(Answer);
    socket->flush();
    emit activationRequested();
}

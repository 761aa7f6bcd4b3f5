#include "app/SingleInstance.h"

#include "app/DataLocations.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// One line: the request, then the tool window to open, if any, after a space.
const QByteArray Request = "come to the front";
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

// The address of the socket at the path; false when the path is too long for one.
bool addressOf(const QString& path, sockaddr_un* address)
{
    const QByteArray name = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address->sun_path))
        return false;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

bool writeAll(int socket, const QByteArray& data)
{
    for (qsizetype written = 0; written < data.size();) {
        const ssize_t now =
            ::send(socket, data.constData() + written, size_t(data.size() - written), MSG_NOSIGNAL);
        if (now < 0 && errno != EINTR)
            return false;
        written += std::max<ssize_t>(now, 0);
    }
    return true;
}

// True once the request is with the run listening at the path; its answer is awaited a while,
// but the request stays with that run either way.
bool askToComeToTheFront(const QString& path, const QString& windowName)
{
    sockaddr_un address;
    if (!addressOf(path, &address))
        return false;
    const QDeadlineTimer connecting(ConnectMs);
    int socket = -1;
    for (;;) {
        socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0)
            return false;
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            break;
        ::close(socket);
        if (connecting.hasExpired())
            return false;
        QThread::msleep(50);
    }
    const QByteArray window = windowName.isEmpty() ? QByteArray() : ' ' + windowName.toUtf8();
    const bool sent = writeAll(socket, Request + window + '\n');
    pollfd answer = {socket, POLLIN, 0};
    if (sent && ::poll(&answer, 1, AnswerMs) <= 0)
        qWarning("Quillane, already running for this database, has not answered yet");
    ::close(socket);
    return sent;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    release();
}

SingleInstance::Claim SingleInstance::claim(const QString& databasePath, const QString& windowName)
{
    const QString path = socketPath(databasePath);
    const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
    const int lock =
        ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0) {
        m_lock = lock;
        listen(path);
        return Claim::First;
    }
    const int cause = errno;
    if (lock >= 0)
        ::close(lock);
    if (lock < 0 || cause != EWOULDBLOCK) {
        // A temporary folder that cannot be written: runs go on unguarded rather than not at all.
        qWarning("Could not lock %s: %s", lockPath.constData(), std::strerror(cause));
        return Claim::First;
    }
    return askToComeToTheFront(path, windowName) ? Claim::HandedOver : Claim::NoAnswer;
}

void SingleInstance::release()
{
    if (m_server >= 0) {
        delete m_accepting;
        m_accepting = nullptr;
        ::close(m_server);
        m_server = -1;
        QFile::remove(m_socketPath);
    }
    // The lock's file stays: were it removed, a later run could lock a new file of that name
    // while a run between opening and locking the old one took that too.
    if (m_lock >= 0) {
        ::close(m_lock);
        m_lock = -1;
    }
}

void SingleInstance::listen(const QString& path)
{
    sockaddr_un address;
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // With the lock held, a socket left there is one a run that ended abruptly left behind.
    QFile::remove(path);
    // Only this user may ask this run to come to the front.
    if (server < 0 || !addressOf(path, &address) ||
        ::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(server, 8) != 0) {
        qWarning("Later runs cannot reach this one: %s", std::strerror(errno));
        if (server >= 0)
            ::close(server);
        return;
    }
    m_server = server;
    m_socketPath = path;
    m_accepting = new QSocketNotifier(server, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, &SingleInstance::acceptRequests);
}

void SingleInstance::acceptRequests()
{
    for (int connection;
         (connection = ::accept4(m_server, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
        auto* reading = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        const auto done = [reading, connection] {
            reading->deleteLater();
            ::close(connection);
        };
        connect(reading, &QSocketNotifier::activated, this,
                [this, reading, connection, done, received = QByteArray()]() mutable {
                    char buffer[64];
                    ssize_t count;
                    while ((count = ::read(connection, buffer, sizeof buffer)) > 0)
                        received.append(buffer, count);
                    if (received.contains('\n') || count == 0) {
                        reading->setEnabled(false);
                        const qsizetype end = received.indexOf('\n');
                        const QByteArray line = end < 0 ? QByteArray() : received.left(end);
                        if (line == Request || line.startsWith(Request + ' ')) {
                            writeAll(connection, Answer);
                            emit activationRequested(
                                QString::fromUtf8(line.sliced(Request.size()).trimmed()));
                        }
                        done();
                    } else if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
                        reading->setEnabled(false);
                        done();
                    }
                });
    }
}

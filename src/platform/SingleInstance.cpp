#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <QtNetwork/QLocalServer>
#include <QtNetwork/QLocalSocket>

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
constexpr qint64 kLargestMessage = 1 << 20;  // a command line is far smaller
const QByteArray kTaken("\x06");

QString UserName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty()) user = QDir::home().dirName();
    QString safe;
    for (const QChar ch : user)
        safe += (ch.isLetterOrNumber() && ch.unicode() < 128) || ch == QLatin1Char('.') || ch == QLatin1Char('_')
                        || ch == QLatin1Char('-')
                    ? ch
                    : QLatin1Char('_');
    return safe;
}

// The user's private runtime folder, when the session has one.
QString RuntimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QByteArray Message(const QString& text)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << text;
    return block;
}

}  // namespace

QString SingleInstanceName(const QString& windowClass)
{
    const QString name = windowClass + QLatin1Char('-') + UserName();
    const QString runtime = RuntimeFolder();
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

QString JoinedParameters(const QStringList& parameters) { return parameters.join(QLatin1Char('?')); }

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QString& text, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    // An instance runs: it is handed the text, and this start ends even when
    // that instance is too busy to confirm in time.
    socket.write(Message(text));
    socket.waitForBytesWritten(timeoutMs);
    while (socket.bytesAvailable() < kTaken.size() && socket.waitForReadyRead(timeoutMs)) {
    }
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (server_) return server_->isListening();
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    if (server_->listen(name_)) return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
    // The name is taken: by a live instance, or by the socket file of one
    // that ended without closing it, which is then removed.
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500)) return false;
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            QDataStream in(socket);
            in.setVersion(kStreamVersion);
            in.startTransaction();
            QString text;
            in >> text;
            if (!in.commitTransaction()) {
                if (socket->bytesAvailable() > kLargestMessage) socket->abort();
                return;
            }
            emit received(text);
            socket->write(kTaken);
            socket->flush();
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0) read();
    }
}

void BringToFront(QWidget& window)
{
    const Qt::WindowStates state = window.windowState();
    if (!(state & Qt::WindowMinimized)) window.setWindowState(state | Qt::WindowMinimized);
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

#include "editor/window/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <memory>
#include <unistd.h>

namespace {

// A file name, with room to spare; anything longer is no message of ours.
constexpr quint32 kMaxMessage = 1 << 20;

} // namespace

CSingleInstance::CSingleInstance(QObject* parent) : QObject(parent)
{
}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::DefaultName()
{
    const QByteArray env = qgetenv("VIREO_INSTANCE");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QStringLiteral("Vireo Class-%1").arg(getuid());
}

QByteArray CSingleInstance::Encode(int code, const QByteArray& data)
{
    QByteArray out(8, '\0');
    qToLittleEndian<quint32>(quint32(code), out.data());
    qToLittleEndian<quint32>(quint32(data.size()), out.data() + 4);
    return out + data;
}

bool CSingleInstance::Decode(QByteArray& buffer, int& code, QByteArray& data)
{
    if (buffer.size() < 8)
        return false;
    const quint32 length = qFromLittleEndian<quint32>(buffer.constData() + 4);
    if (length > kMaxMessage) {
        buffer.clear();
        return false;
    }
    if (quint32(buffer.size()) < 8 + length)
        return false;
    code = int(qFromLittleEndian<quint32>(buffer.constData()));
    data = buffer.mid(8, int(length));
    buffer.remove(0, int(8 + length));
    return true;
}

bool CSingleInstance::SendToRunning(const QString& name, int code, const QByteArray& data,
                                    int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(Encode(code, data));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running program closes the connection once it has the message.
    socket.waitForDisconnected(timeoutMs);
    return true;
}

bool CSingleInstance::Listen(const QString& name)
{
    // Somebody answers: that program is the one instance.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500))
        return false;
    // Nobody answers on the name: a program that crashed left its socket behind.
    QLocalServer::removeServer(name);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
    return true;
}

bool CSingleInstance::IsListening() const
{
    return m_server && m_server->isListening();
}

void CSingleInstance::OnConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            const QByteArray received = socket->readAll();
            buffer->append(received);
            int code = 0;
            QByteArray data;
            if (Decode(*buffer, code, data)) {
                socket->disconnectFromServer();
                emit MessageReceived(code, data);
            } else if (buffer->isEmpty() && !received.isEmpty()) {
                socket->disconnectFromServer(); // no message of ours
            }
        });
    }
}

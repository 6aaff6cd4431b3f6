// CSingleInstance: one running program per user.
//
// The first start listens on a local socket named after the program; a
// second start connects, hands over its request (a message code and the file
// name, ended by a zero byte) and exits.  A socket left behind by a program
// that crashed is taken over.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;

class CSingleInstance : public QObject {
    Q_OBJECT

public:
    explicit CSingleInstance(QObject* parent = nullptr);
    ~CSingleInstance() override;

    // "Vireo Class" and the user, or $VIREO_INSTANCE when set (tests run
    // their own instances side by side).
    static QString DefaultName();

    // Hands a message to the running program; false when none answers.
    static bool SendToRunning(const QString& name, int code, const QByteArray& data,
                              int timeoutMs = 2000);
    // Starts listening; false when another program already listens.
    bool Listen(const QString& name);
    bool IsListening() const;

    // The wire form of a message: the code as four bytes, little-endian,
    // the length of data likewise, then data.
    static QByteArray Encode(int code, const QByteArray& data);
    // Takes one whole message off the front of buffer; false while incomplete
    // (and for a length no message can have: the buffer is then dropped).
    static bool Decode(QByteArray& buffer, int& code, QByteArray& data);

signals:
    void MessageReceived(int code, const QByteArray& data);

private:
    void OnConnection();
    QLocalServer* m_server = nullptr;
};

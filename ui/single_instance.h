#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

/// Keeps one running copy of a program per user and session. The first copy listens on a local
/// socket; a copy started later asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /// `socketPath` names the socket; defaultSocketPath() gives the program's own.
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// The socket of a program in the user's runtime folder ($XDG_RUNTIME_DIR), so that other users
    /// and other sessions keep copies of their own.
    static QString defaultSocketPath(const QString& program);

    /// Asks a running copy to come to the front; true when one confirmed it within the time.
    bool handOver(int timeoutMs = 2000);
    /// Starts answering copies started later. A socket left by a copy that ended without closing it
    /// is replaced. False when the socket cannot be made (the program then runs on its own).
    bool listen();

signals:
    /// A copy started later asked this one to come to the front.
    void raiseRequested();

private:
    void answer();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

#pragma once
// One running program per user: the first start listens on a local socket
// named after a window class and the user; a later start hands its command
// line to it and ends. The first start then brings its window to the front.
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QWidget;

// The socket name of a window class for the current user.
QString SingleInstanceName(const QString& windowClass);

// The command-line parameters as one text, joined by "?" (none at the end).
QString JoinedParameters(const QStringList& parameters);

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands the text to the running instance and waits until it has taken
    // it. False when no instance runs (or it did not answer).
    bool handOver(const QString& text, int timeoutMs = 3000) const;
    // Starts listening as the running instance; a socket left behind by an
    // instance that ended without closing it is taken over. False when the
    // name cannot be had.
    bool listen();

    const QString& name() const { return name_; }

signals:
    // A later start handed over its command line.
    void received(const QString& text);

private:
    void takeConnection();

    QString name_;
    QLocalServer* server_ = nullptr;
};

// Restores a window and brings it to the front: a window that is not
// minimised is minimised first and then restored, a minimised one is restored.
void BringToFront(QWidget& window);

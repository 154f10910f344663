#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

/// The desktop services the windows use, behind small interfaces so that tests can record what a
/// window asked for and never block on a modal dialog.

/// Message boxes with a title, a text and an icon.
class MessageService {
public:
    enum class Icon { Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageService() = default;
    virtual Answer show(const QString& title, const QString& text, Icon icon,
                        Buttons buttons = Buttons::Ok) = 0;
};

/// The user manual: its contents page or one numbered topic.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showContents() = 0;
    virtual void showTopic(int topic) = 0;
};

/// Starts other programs; returns false when the program could not be started.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments = {}) = 0;
};

/// Today's date, so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    /// Now, in seconds since 1970-01-01 00:00 UTC.
    virtual qint64 nowUtcSeconds() const { return QDateTime::currentSecsSinceEpoch(); }
};

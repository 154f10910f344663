#pragma once

#include "platform_services.h"

#include <QList>
#include <QTimeZone>

/// Test doubles: they remember every request and answer from a script.
class RecordingMessageService final : public MessageService {
public:
    struct Message {
        QString title;
        QString text;
        Icon icon;
    };

    Answer show(const QString& title, const QString& text, Icon icon, Buttons = Buttons::Ok) override {
        messages.append({title, text, icon});
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    }

    QList<Message> messages;
    QList<Answer> answers; ///< given in order; Ok once they run out
};

class RecordingHelpService final : public HelpService {
public:
    void showContents() override { requests.append(0); }
    void showTopic(int topic) override { requests.append(topic); }

    QList<int> requests; ///< 0 for the contents, else the topic number
};

class RecordingProcessLauncher final : public ProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments = {}) override {
        started.append(program + (arguments.isEmpty() ? QString()
                                                      : QLatin1Char(' ') + arguments.join(QLatin1Char(' '))));
        return succeed;
    }

    QStringList started;
    bool succeed = true;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate date)
        : date_(date) {}
    QDate today() const override { return date_; }
    /// Noon UTC of the fixed date.
    qint64 nowUtcSeconds() const override {
        return QDateTime(date_, QTime(12, 0), QTimeZone::utc()).toSecsSinceEpoch();
    }
    void set(QDate date) { date_ = date; }

private:
    QDate date_;
};

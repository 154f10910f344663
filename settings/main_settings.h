#pragma once

#include "settings_store.h"

#include <QByteArray>
#include <QString>

/// The main window's own preferences, application "Biteclock", section "Settings".
class MainSettings {
public:
    /// The graph and journal picture background when none is stored: red 0, green 128, blue 192.
    static constexpr int kDefaultChartColour = 12615680;
    static constexpr int kDefaultChartStyle = 1; // 2-D bars
    static constexpr int kDefaultGraphDays = 15;

    explicit MainSettings(SettingsStore& store)
        : store_(store) {}

    /// "True" keeps the day before the month; missing means month first.
    bool dayFirst() const;
    void setDayFirst(bool dayFirst);

    /// 0 normal, 1 minimised, 2 maximised.
    int windowState() const { return wholeNumber(QStringLiteral("winstate"), 0); }
    void setWindowState(int state) { setText(QStringLiteral("winstate"), QString::number(state)); }

    /// The window's size and place on the desktop as QWidget::saveGeometry gives them (base64 text);
    /// empty when none was stored.
    QByteArray windowGeometry() const {
        return QByteArray::fromBase64(text(QStringLiteral("wingeometry"), QString()).toLatin1());
    }
    void setWindowGeometry(const QByteArray& geometry) {
        setText(QStringLiteral("wingeometry"), QString::fromLatin1(geometry.toBase64()));
    }

    /// Red + 256 x green + 65536 x blue.
    int chartColour() const { return wholeNumber(QStringLiteral("Chartcolor"), kDefaultChartColour); }
    void setChartColour(int colour) { setText(QStringLiteral("Chartcolor"), QString::number(colour)); }

    /// Chart type 0 to 7.
    int chartStyle() const { return wholeNumber(QStringLiteral("graphstyle"), kDefaultChartStyle); }
    void setChartStyle(int style) { setText(QStringLiteral("graphstyle"), QString::number(style)); }

    /// The graph-days text as the field showed it, and its number.
    QString graphDaysText() const;
    int graphDays() const { return wholeNumber(QStringLiteral("graphday"), kDefaultGraphDays); }
    void setGraphDaysText(const QString& days) { setText(QStringLiteral("graphday"), days); }

private:
    int wholeNumber(const QString& key, int fallback) const;
    QString text(const QString& key, const QString& fallback) const {
        return store_.read(SettingsStore::kMain, SettingsStore::kSettings, key, fallback);
    }
    void setText(const QString& key, const QString& value) {
        // Rewriting an unchanged value would only cost a file write.
        if (store_.read(SettingsStore::kMain, SettingsStore::kSettings, key, kMissing) != value) {
            store_.write(SettingsStore::kMain, SettingsStore::kSettings, key, value);
        }
    }

    static inline const QString kMissing = QStringLiteral("\x01missing");

    SettingsStore& store_;
};

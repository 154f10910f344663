#pragma once

#include <QComboBox>
#include <QString>

/// A searchable list of the named zones the computer knows (IANA names, "America/New_York"), with a
/// first entry for a place that keeps its offset instead. Typing filters the list by any part of the
/// name ("york", "Adel"); the zone is taken only when an entry is chosen.
class ZoneChooser : public QComboBox {
    Q_OBJECT
public:
    /// The first entry: no named zone, the offset beside it as set.
    static inline const QString kNoZone = QStringLiteral("Offset only (no zone)");

    explicit ZoneChooser(QWidget* parent = nullptr);

    /// The chosen zone's name; empty for the first entry.
    QString zoneId() const;
    /// Shows a zone without announcing it; an empty or unknown name shows the first entry.
    void setZoneId(const QString& id);

signals:
    /// The user chose an entry (the first one gives an empty name).
    void zoneChosen(const QString& id);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

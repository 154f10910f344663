#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

/// The per-user settings both programs keep: texts addressed by application ("Bitetray" for what
/// both programs read, "Biteclock" for the main window's own), section and key. Sections are
/// written with backslashes ("Settings", "Settings\Locations\"); each application is one INI file
/// in the user's configuration folder, "Biteclock/<application>.ini".
class SettingsStore {
public:
    static inline const QString kShared = QStringLiteral("Bitetray");
    static inline const QString kMain = QStringLiteral("Biteclock");
    static inline const QString kSettings = QStringLiteral("Settings");
    static inline const QString kLocations = QStringLiteral("Settings\\Locations\\");

    SettingsStore() = default;
    /// Flushes what was written to the files.
    void sync() const;

    /// The stored text, or the default when the key is missing.
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue = {}) const;
    /// True when the key is stored, whatever its text.
    bool contains(const QString& application, const QString& section, const QString& key) const;
    /// The file that holds an application's settings.
    QString fileName(const QString& application) const;
    /// Creates or replaces a key.
    void write(const QString& application, const QString& section, const QString& key, const QString& value);
    /// Removes one key.
    void removeKey(const QString& application, const QString& section, const QString& key);
    /// Removes a whole section with its keys and the sections below it.
    void removeSection(const QString& application, const QString& section);
    /// The keys of a section, in the store's order.
    QStringList keys(const QString& application, const QString& section) const;

    /// Boolean texts as the programs write them.
    static QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
    /// Reads "True"/"False" (any case), or a number (non-zero is true); anything else gives the default.
    static bool toBool(const QString& text, bool defaultValue);

    /// The section of one named location. A name holding "/" or "\" is escaped so that it can
    /// never address another section.
    static QString locationSection(const QString& name);
    /// The location name that locationSection() escaped.
    static QString locationName(const QString& escapedName);

    /// The QSettings group path of a section (backslashes to slashes, no trailing slash).
    static QString groupPath(const QString& section);

private:
    // One open store per application, shared by copies: opening a file for every key read costs
    // more than the almanac's whole daily computation.
    QSettings& open(const QString& application) const;

    mutable std::shared_ptr<QSettings> shared_;
    mutable std::shared_ptr<QSettings> main_;
};

#pragma once

#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>

/// Starts every test on an empty store.
class EmptyStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString& application : {SettingsStore::kShared, SettingsStore::kMain}) {
            QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Biteclock"), application);
            s.clear();
            s.sync();
        }
    }

    /// The raw INI text of one application's file.
    static QString iniText(const QString& application) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Biteclock"), application);
        s.sync();
        QFile f(s.fileName());
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(f.readAll());
    }

    QString shared(const QString& key) const {
        return store.read(SettingsStore::kShared, SettingsStore::kSettings, key, QStringLiteral("<missing>"));
    }
    QString main(const QString& key) const {
        return store.read(SettingsStore::kMain, SettingsStore::kSettings, key, QStringLiteral("<missing>"));
    }

    SettingsStore store;
};

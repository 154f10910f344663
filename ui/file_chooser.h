#pragma once

#include <QString>

class QWidget;

/// The choice of a file to write, behind an interface so that tests never block on a file dialog.
class FileChooser {
public:
    struct SaveRequest {
        QString caption;
        QString suggestedPath; ///< the folder and name the dialog opens on
        QString filter;        ///< as QFileDialog takes it: "CSV files (*.csv);;All files (*)"
        QString defaultSuffix; ///< added to a name typed without one ("csv")
    };

    virtual ~FileChooser() = default;
    /// The file the user chose to write; empty when they cancelled.
    virtual QString saveFileName(QWidget* parent, const SaveRequest& request) = 0;
};

/// The desktop's save dialog (QFileDialog), which asks before replacing a file.
class DesktopFileChooser final : public FileChooser {
public:
    QString saveFileName(QWidget* parent, const SaveRequest& request) override;
};

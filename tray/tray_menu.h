#pragma once

#include <QMenu>

class QAction;

/// The icons' "&Options" menu: "Show Data", "Run Biteclock", "About Bitetray", a separator and
/// "End Icons".
class TrayMenu final : public QMenu {
    Q_OBJECT

public:
    explicit TrayMenu(QWidget* parent = nullptr);

    /// Before the menu opens: "Show Data" is enabled and the default entry only while the data
    /// window is hidden; while it is shown "Run Biteclock" is the default.
    void prepare(bool dataWindowShown);

    QAction* showDataAction() const { return showData_; }
    QAction* runBiteclockAction() const { return runBiteclock_; }
    QAction* aboutAction() const { return about_; }
    QAction* endIconsAction() const { return endIcons_; }

private:
    QAction* showData_ = nullptr;
    QAction* runBiteclock_ = nullptr;
    QAction* about_ = nullptr;
    QAction* endIcons_ = nullptr;
};

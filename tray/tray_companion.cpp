#include "tray_companion.h"

#include "alarm_grade.h"
#include "alarm_view.h"
#include "clock_designators.h"
#include "help_window.h"
#include "main_program_path.h"
#include "platform_services.h"
#include "shared_settings.h"
#include "tray_alarm_window.h"
#include "tray_autostart.h"
#include "tray_data_window.h"
#include "tray_icon_backend.h"
#include "tray_icon_manager.h"
#include "tray_menu.h"
#include "tray_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTimer>

namespace {

constexpr int kTrayPollMs = 500;
const QString kCompanionTitle = QStringLiteral("Bitetray");

} // namespace

TrayCompanion::TrayCompanion(TrayServices services, QObject* parent)
    : QObject(parent)
    , services_(std::move(services))
    , settings_(services_.store)
    , day_(biteclock::AlmanacFlavour::Tray, platformClockDesignators())
    , iconManager_(std::make_unique<TrayIconManager>(services_.icons))
    , menu_(std::make_unique<TrayMenu>())
    , dataWindow_(std::make_unique<TrayDataWindow>())
    , alarmWindow_(std::make_unique<TrayAlarmWindow>()) {
    services_.icons.setContextMenu(menu_.get());
    connectWindows();
}

TrayCompanion::~TrayCompanion() = default;

void TrayCompanion::connectWindows() {
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] { menu_->prepare(dataWindow_->isVisible()); });
    connect(menu_->showDataAction(), &QAction::triggered, this, &TrayCompanion::showData);
    connect(menu_->runBiteclockAction(), &QAction::triggered, this, &TrayCompanion::runBiteclock);
    connect(menu_->aboutAction(), &QAction::triggered, this, &TrayCompanion::showAbout);
    connect(menu_->endIconsAction(), &QAction::triggered, this, &TrayCompanion::endIcons);

    connect(dataWindow_.get(), &TrayDataWindow::moonIconClicked, this, &TrayCompanion::moonBoxClicked);
    connect(dataWindow_.get(), &TrayDataWindow::fishIconClicked, this, &TrayCompanion::fishBoxClicked);
    connect(dataWindow_.get(), &TrayDataWindow::displayEveryStartClicked, this,
            [this](bool checked) { settings_.setDisplayForm(checked); });
    connect(dataWindow_.get(), &TrayDataWindow::hideClicked, this, &TrayCompanion::hideData);
    connect(dataWindow_.get(), &TrayDataWindow::endIconsClicked, this, &TrayCompanion::endIcons);
    connect(dataWindow_.get(), &TrayDataWindow::closeRequested, this, &TrayCompanion::endIfIdle);

    connect(alarmWindow_.get(), &TrayAlarmWindow::deactivateClicked, this, &TrayCompanion::deactivateAlarm);
    connect(alarmWindow_.get(), &TrayAlarmWindow::okClicked, this, &TrayCompanion::alarmOk);
    connect(alarmWindow_.get(), &TrayAlarmWindow::closed, this, &TrayCompanion::alarmOk);
    connect(alarmWindow_.get(), &TrayAlarmWindow::runClicked, this, &TrayCompanion::runBiteclock);
    connect(alarmWindow_.get(), &TrayAlarmWindow::helpClicked, this,
            [this] { services_.help.showTopic(help_topic::kTray); });
}

TrayCompanion::StartResult TrayCompanion::start() {
    const bool tips = settings_.tipsShown();
    dataWindow_->setTipsShown(tips);
    alarmWindow_->setTipsShown(tips);
    const bool showMoon = settings_.showMoon();
    const bool showFish = settings_.showFish();
    const bool alarmOn = settings_.alarmOn();
    const bool displayForm = settings_.displayForm();
    if (!showMoon && !showFish && !alarmOn) {
        ended_ = true;
        return StartResult::Ended;
    }

    day_.observer = biteclock::observerFrom(settings_.location());
    // Today and each look-ahead day in its own offset when the place follows a zone.
    const biteclock::FixedTimeZoneSource noZone(std::nullopt);
    day_.dateOffsets = placeDateOffsets(settings_.zone(), services_.zones ? *services_.zones : noZone);
    day_.moonorth = settings_.moonNorth();
    const QDate date = services_.clock.today();
    const biteclock::DateSerial today = biteclock::dateSerial(date.year(), date.month(), date.day());
    today_ = computeTrayToday(day_, today);
    dataWindow_->showToday(today_, trayDateText(today));
    dataWindow_->setDisplayEveryStart(displayForm);
    iconManager_->setPictures(today_.moonPictureId, today_.ratingIconId);

    dataWindow_->setIconBoxes(showMoon, showFish);
    applyMoonBox(showMoon);
    applyFishBox(showFish);
    const bool trayMissing = (showMoon || showFish) && !services_.icons.isAvailable();
    if (trayMissing && services_.trayWaitMs > 0) {
        // At log-on the panel may come up after the companion: give it a moment.
        trayWait_ = new QTimer(this);
        trayWait_->setInterval(kTrayPollMs);
        connect(trayWait_, &QTimer::timeout, this, &TrayCompanion::checkForTray);
        trayWait_->start();
    }

    if (alarmOn) {
        alarmDay_ = findAlarmDay(day_, today, alarmGradeFor(settings_.dayType(), settings_.daysInAdvance()));
        if (alarmDay_) {
            alarmWindow_->showView(alarmViewFor(*alarmDay_, today_.moonPictureId));
            alarmWindow_->show();
            alarmWindow_->raise();
            alarmWindow_->activateWindow();
        }
    }
    if (!alarmDay_ && displayForm) {
        showData();
    }

    if (trayMissing && !trayWait_) {
        tellNoTray();
    }
    endIfIdle();
    return ended_ ? StartResult::Ended : StartResult::Running;
}

QString TrayCompanion::moonTip() const {
    return QStringLiteral("Moon Age: ") + QString::number(today_.moonAge) + QStringLiteral(" Days");
}

QString TrayCompanion::fishTip() const {
    return QStringLiteral("Fishing Prediction: ") + fromAlmanac(today_.ratingText);
}

void TrayCompanion::applyMoonBox(bool checked) {
    if (!checked) {
        iconManager_->ItemDeletemoon();
    } else if (services_.icons.isAvailable()) {
        iconManager_->ItemAdd(moonTip());
    }
    dataWindow_->setEndIconsEnabled(dataWindow_->moonIconBox() || dataWindow_->fishIconBox());
    settings_.setShowMoon(checked);
}

void TrayCompanion::applyFishBox(bool checked) {
    if (!checked) {
        iconManager_->ItemDeletefish();
    } else if (services_.icons.isAvailable()) {
        iconManager_->Itemaddfish(fishTip());
    }
    dataWindow_->setEndIconsEnabled(dataWindow_->moonIconBox() || dataWindow_->fishIconBox());
    settings_.setShowFish(checked);
}

void TrayCompanion::moonBoxClicked(bool checked) {
    applyMoonBox(checked);
    updateAutostart();
}

void TrayCompanion::fishBoxClicked(bool checked) {
    applyFishBox(checked);
    updateAutostart();
}

void TrayCompanion::addWantedIcons() {
    if (dataWindow_->moonIconBox()) {
        iconManager_->ItemAdd(moonTip());
    }
    if (dataWindow_->fishIconBox()) {
        iconManager_->Itemaddfish(fishTip());
    }
}

void TrayCompanion::checkForTray() {
    if (services_.icons.isAvailable()) {
        trayWait_->stop();
        addWantedIcons();
        return;
    }
    trayWaitedMs_ += trayWait_->interval();
    if (trayWaitedMs_ < services_.trayWaitMs) {
        return;
    }
    trayWait_->stop();
    tellNoTray();
    endIfIdle();
}

void TrayCompanion::tellNoTray() {
    if (settings_.noTrayNoticeGiven()) {
        return;
    }
    settings_.setNoTrayNoticeGiven();
    QString text = QStringLiteral(
        "This desktop has no notification area, so the Moon and fish icons cannot be shown.\n\n"
        "To stop Bitetray from trying, open Biteclock, choose \"Program Settings\" and clear "
        "\"Show Moon Phase Icon\" and \"Show Fish Prediction Icon\".");
    if (settings_.alarmOn()) {
        text += QStringLiteral("\n\nThe fishing alarm still works.");
    }
    text += QStringLiteral("\n\nThis message is shown only once.");
    services_.messages.show(kCompanionTitle, text, MessageService::Icon::Information);
}

void TrayCompanion::showData() {
    dataWindow_->show();
    dataWindow_->raise();
    dataWindow_->activateWindow();
}

void TrayCompanion::hideData() {
    dataWindow_->hide();
    endIfIdle();
}

void TrayCompanion::alarmOk() {
    alarmWindow_->hide();
    if (!dataWindow_->moonIconBox() && !dataWindow_->fishIconBox()) {
        end();
        return;
    }
    if (dataWindow_->displayEveryStart()) {
        showData();
    }
    endIfIdle();
}

void TrayCompanion::deactivateAlarm(bool checked) {
    SharedSettings(services_.store).setAlarmOn(!checked);
    updateAutostart();
}

void TrayCompanion::runBiteclock() {
    const QString program = mainProgramPath(settings_.fishPath(), services_.ownFolder);
    if (!services_.launcher.startDetached(program)) {
        services_.messages.show(
            kCompanionTitle,
            QStringLiteral("Biteclock could not be started:\n%1").arg(QDir::toNativeSeparators(program)),
            MessageService::Icon::Exclamation);
    }
}

void TrayCompanion::showAbout() {
    services_.messages.show(
        QStringLiteral("About Bitetray"),
        QStringLiteral("Bitetray %1\n\nToday's Moon phase and fishing prediction in the notification area, "
                       "and an alarm ahead of good fishing days.\n\nA companion of the Biteclock "
                       "fishing almanac.")
            .arg(QCoreApplication::applicationVersion()),
        MessageService::Icon::Information);
}

void TrayCompanion::endIcons() {
    end();
}

void TrayCompanion::updateAutostart() {
    if (services_.trayExecutable.isEmpty()) {
        return;
    }
    updateTrayAutostart(settings_.showMoon(), settings_.showFish(), settings_.alarmOn(),
                        services_.trayExecutable);
}

bool TrayCompanion::anyIconShown() const {
    return iconManager_->moonShown() || iconManager_->fishShown();
}

void TrayCompanion::endIfIdle() {
    const bool waiting = trayWait_ && trayWait_->isActive();
    if (!ended_ && !waiting && !anyIconShown() && !dataWindow_->isVisible() && !alarmWindow_->isVisible()) {
        end();
    }
}

void TrayCompanion::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (trayWait_) {
        trayWait_->stop();
    }
    iconManager_->ItemDelete();
    iconManager_->ItemDeletefish();
    dataWindow_->hide();
    alarmWindow_->hide();
    emit ended();
}

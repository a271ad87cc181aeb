// SPDX-License-Identifier: MIT
#include "mainwindow/MainWindow.h"

#include "colour/Adjustments.h"
#include "core/Favorites.h"
#include "core/TipsFile.h"
#include "core/UndoHistory.h"
#include "mainwindow/ClientArea.h"
#include "mainwindow/ColorStatusBar.h"
#include "mainwindow/CopyAsMenu.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/PaletteFileCommands.h"
#include "mainwindow/PaletteStack.h"
#include "mainwindow/SchemeFileCommands.h"
#include "mainwindow/ScreenPick.h"
#include "mainwindow/ShortcutPassThrough.h"
#include "mainwindow/ToolWindowHub.h"
#include "mainwindow/ValueEntryPanel.h"
#include "mainwindow/VisionMenu.h"
#include "toolwindows/AboutWindow.h"
#include "toolwindows/TipsWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtConversions.h"
#include "widgets/ScreenGrabber.h"
#include "widgets/ShellOpener.h"
#include "widgets/SwatchWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>

namespace orvane {

namespace {

constexpr int kValueColumnLeft = 376;
constexpr int kValueColumnTop = 40;
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 306;

const QString kTitle = QStringLiteral("Orvane");

} // namespace

MainWindow::MainWindow(AppState& state, MainWindowEnvironment environment, QWidget* parent)
    : QMainWindow(parent), state_(state), environment_(std::move(environment))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    actions_ = std::make_unique<MainActions>(this);
    visionMenu_ = new VisionMenu(actions_->viewMenu, this);
    buildClientArea();
    const auto* toolbar = new MainToolbar(*actions_, kClientWidth, clientArea_);
    hub_ = new ToolWindowHub(
        state_, *actions_, *toolbar, [this] { return currentColor(); }, visionMenu_->vision(),
        *environment_.dialogs, *environment_.messages, this);
    schemeFiles_ =
        new SchemeFileCommands(state_, *hub_, *environment_.dialogs, *environment_.messages, this);
    new PaletteFileCommands(state_, *actions_, *grid_, *hub_, *environment_.dialogs,
                            *environment_.messages, this);
    new CopyAsMenu(
        *actions_, state_, [this] { return currentColor(); }, this);
    statusBar_ = new ColorStatusBar(this);
    setStatusBar(statusBar_);
    connectActions();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildClientArea()
{
    clientArea_ = new ClientArea(this);
    clientArea_->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(clientArea_);
    connect(clientArea_, &ClientArea::backgroundHovered, this, &MainWindow::hoverBackground);
    connect(clientArea_, &ClientArea::backgroundClicked, this, &MainWindow::clickBackground);

    // First, so that the HEX box has the focus at start and Tab goes on to the swatches.
    valueEntry_ = new ValueEntryPanel(clientArea_);
    valueEntry_->setGeometry(kValueColumnLeft, kValueColumnTop, kClientWidth - kValueColumnLeft,
                             kClientHeight - kValueColumnTop);
    connect(valueEntry_, &ValueEntryPanel::setRgbRequested, this, &MainWindow::setRgb);
    connect(valueEntry_, &ValueEntryPanel::setHexRequested, this, &MainWindow::setHex);
    auto* passThrough = new ShortcutPassThrough(actions_->shortcuts(), valueEntry_);
    for (QLineEdit* box : valueEntry_->boxes())
        box->installEventFilter(passThrough);

    grid_ = new SchemeSwatchGrid(clientArea_, visionMenu_->vision(), this);
    connect(grid_, &SchemeSwatchGrid::swatchHovered, this, &MainWindow::hoverSwatch);
    connect(grid_, &SchemeSwatchGrid::swatchReleased, this, &MainWindow::releaseSwatch);
    connect(grid_, &SchemeSwatchGrid::swatchDropped, this, [this](int index, bool fromItself) {
        if (fromItself)
            releaseSwatch(index, Qt::LeftButton, {});
    });

    palettes_ = new PaletteStack(clientArea_, visionMenu_->vision(), this);
    connect(palettes_, &PaletteStack::colorHovered, this, &MainWindow::previewColor);
    connect(palettes_, &PaletteStack::colorPressed, this, &MainWindow::selectColor);
}

void MainWindow::connectActions()
{
    const MainActions& a = *actions_;
    connect(a.openScheme, &QAction::triggered, this, &MainWindow::openScheme);
    connect(a.saveScheme, &QAction::triggered, this, &MainWindow::saveScheme);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.undo, &QAction::triggered, this, &MainWindow::Undo);
    connect(a.redo, &QAction::triggered, this, &MainWindow::Redo);
    connect(a.addToFavorites, &QAction::triggered, this, &MainWindow::addCurrentToFavorites);
    connect(a.rgbColorWheel, &QAction::triggered, this,
            [this] { setSchemeMode(SchemeMode::ColorWheel); });
    connect(a.groupByColor, &QAction::triggered, this,
            [this] { setSchemeMode(SchemeMode::GroupByColor); });
    connect(a.lighten, &QAction::triggered, this, [this] {
        valueEntry_->applyChannelRule(lightenChannel, state_.AdjustStep);
        setRgb();
    });
    connect(a.darken, &QAction::triggered, this, [this] {
        valueEntry_->applyChannelRule(darkenChannel, state_.AdjustStep);
        setRgb();
    });
    connect(a.saturate, &QAction::triggered, this, [this] {
        valueEntry_->applySaturationShift(workspace_, kSaturationStep);
        setRgb();
    });
    connect(a.desaturate, &QAction::triggered, this, [this] {
        valueEntry_->applySaturationShift(workspace_, -kSaturationStep);
        setRgb();
    });
    connect(a.makeWebsafe, &QAction::triggered, this, [this] {
        valueEntry_->applyChannelRule([](int channel, int) { return websafeChannel(channel); }, 0);
        setRgb();
    });
    connect(a.showSpectrumPalette, &QAction::triggered, this, &MainWindow::toggleSpectrumPalette);
    connect(a.screenColorPicker, &QAction::triggered, this, &MainWindow::pickScreenColor);
    connect(a.onlineHelp, &QAction::triggered, this,
            [this] { environment_.shell->open(environment_.programDir / "help.chm"); });
    connect(a.quickTips, &QAction::triggered, this, &MainWindow::showQuickTips);
    connect(a.about, &QAction::triggered, this, [] {
        auto* about = new AboutWindow;
        about->show();
    });
    connect(a.popmenu, &QMenu::aboutToHide, this, [this] {
        // A favourite's popup hides the favourites submenu; every other popup shows it.
        actions_->addToFavoritesMenu->menuAction()->setVisible(true);
        actions_->addToFavoritesSeparator->setVisible(true);
    });
    for (int slot = 0; slot < kFavoriteSlots; ++slot)
        connect(a.addFavorite[slot], &QAction::triggered, this,
                [this, slot] { storeFavorite(slot); });
    connect(a.selectColor, &QAction::triggered, this, [this] { selectColor(state_.PopupColor); });
    connect(hub_, &ToolWindowHub::colorChosenWithUndo, this, &MainWindow::selectColor);
    connect(hub_, &ToolWindowHub::colorChosenWithoutUndo, this, [this](ColorValue color) {
        const RgbChannels c = SplitColor(color);
        SetAll(c.red, c.green, c.blue, true);
    });
    connect(hub_, &ToolWindowHub::popupRequested, this, &MainWindow::showPopup);
    connect(schemeFiles_, &SchemeFileCommands::aboutToSave, this,
            &MainWindow::collectPersistentState);
    connect(schemeFiles_, &SchemeFileCommands::loaded, this, [this] {
        swatch(0)->setColor(state_.SchemeColor);
        releaseSwatch(0, Qt::LeftButton, {});
    });
}

void MainWindow::SetAll(Channel red, Channel green, Channel blue, bool SkipUndo)
{
    const double r = red.value();
    const double g = green.value();
    const double b = blue.value();
    if (!SkipUndo) {
        recordUndo(state_, MakeColor(r, g, b));
        updateUndoActions();
    }

    swatch(kCurrentSwatch)
        ->setColor(static_cast<ColorValue>(roundHalfEven(r + g * 256 + b * 65536)));
    statusBar_->showContrast(currentColor());
    valueEntry_->setHexText(qText(WebHexOfChannels(static_cast<int>(roundHalfEven(r)),
                                                   static_cast<int>(roundHalfEven(g)),
                                                   static_cast<int>(roundHalfEven(b)))));
    valueEntry_->setChannelTexts(
        {qText(channelText(r)), qText(channelText(g)), qText(channelText(b))});

    workspace_.setCurrent(r, g, b);
    const SchemeMode mode =
        actions_->rgbColorWheel->isChecked() ? SchemeMode::ColorWheel : SchemeMode::GroupByColor;
    const SchemeColors scheme = deriveScheme(workspace_, mode);
    grid_->showScheme(scheme);
    state_.HarmonyColors = harmonyBaseColors(scheme);
    hub_->ReHar();
}

void MainWindow::Web_Tsb_Show()
{
    palettes_->fill();
}

void MainWindow::startUp()
{
    hub_->reopen();
    SetAll(kStartColorRed, kStartColorGreen, kStartColorBlue, false);
    Web_Tsb_Show();
    statusBar_->showColor(currentColor());
    grid_->applyPointers();
    palettes_->applyPointers();
    show();

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setSingleShot(true);
    timer->setInterval(1);
    connect(timer, &QTimer::timeout, this, &MainWindow::openStartupFile);
    timer->start();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (painted_)
        return;
    painted_ = true;
    // Queued, so that it runs once this paint has reached the screen.
    QMetaObject::invokeMethod(this, &MainWindow::finishStartUp, Qt::QueuedConnection);
}

void MainWindow::finishStartUp()
{
    palettes_->drawPendingSpectrum();
    emit firstPainted();
}

ColorValue MainWindow::currentColor() const
{
    return swatch(kCurrentSwatch)->color();
}

QString MainWindow::statusText(int panel) const
{
    return statusBar_->panelText(panel);
}

void MainWindow::selectColor(ColorValue color)
{
    const RgbChannels c = SplitColor(color);
    SetAll(c.red, c.green, c.blue, false);
}

void MainWindow::updateUndoActions()
{
    actions_->undo->setEnabled(canUndo(state_));
    actions_->redo->setEnabled(canRedo(state_));
}

void MainWindow::Undo()
{
    if (const auto color = stepBack(state_)) {
        const RgbChannels c = SplitColor(*color);
        SetAll(c.red, c.green, c.blue, true);
    }
    updateUndoActions();
}

void MainWindow::Redo()
{
    if (const auto color = stepForward(state_)) {
        const RgbChannels c = SplitColor(*color);
        SetAll(c.red, c.green, c.blue, true);
    }
    updateUndoActions();
}

void MainWindow::hoverSwatch(int index)
{
    SwatchWidget* hovered = swatch(index);
    statusBar_->showColor(hovered->color());
    hovered->setToolTip(qText(hashHex(hovered->color())));
}

void MainWindow::releaseSwatch(int index, Qt::MouseButton button, QPoint position)
{
    SwatchWidget* released = swatch(index);
    if (button == Qt::LeftButton) {
        selectColor(released->color());
    } else if (button == Qt::RightButton) {
        state_.PopupColor = released->color();
        showPopup(released->mapToGlobal(position), true);
    }
}

void MainWindow::showPopup(QPoint globalPosition, bool withFavoriteSlots)
{
    actions_->addToFavoritesMenu->menuAction()->setVisible(withFavoriteSlots);
    actions_->addToFavoritesSeparator->setVisible(withFavoriteSlots);
    actions_->popmenu->popup(globalPosition);
}

void MainWindow::hoverBackground()
{
    hoverSwatch(kCurrentSwatch);
    // Ends a palette preview left in the current-colour swatch.
    swatch(kCurrentSwatch)->setColor(swatch(0)->color());
}

void MainWindow::clickBackground()
{
    if (valueEntry_->hideSliders())
        setRgb();
}

void MainWindow::previewColor(ColorValue color)
{
    statusBar_->showColor(color);
    swatch(kCurrentSwatch)->setColor(color);
}

void MainWindow::setRgb()
{
    const std::array<QString, 3> texts = valueEntry_->channelTexts();
    SetAll(texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString(), false);
}

void MainWindow::setHex()
{
    const std::optional<ChannelTexts> channels = ParseWebHex(valueEntry_->hexText().toStdString());
    if (!channels) {
        environment_.messages->information(this, kTitle, tr("HEX value must be 6 characters!"));
        return;
    }
    SetAll(channels->red, channels->green, channels->blue, false);
}

void MainWindow::addCurrentToFavorites()
{
    const std::optional<int> slot = firstEmptyFavorite(state_);
    if (!slot) {
        environment_.messages->information(this, tr("Palette Full"), tr("Your palette is full!"));
        return;
    }
    state_.FavColors[*slot] = currentColor();
    hub_->SetFavX(*slot);
}

void MainWindow::storeFavorite(int slot)
{
    state_.FavColors[slot] = state_.PopupColor;
    hub_->SetFavX(slot);
}

void MainWindow::setSchemeMode(SchemeMode mode)
{
    actions_->rgbColorWheel->setChecked(mode == SchemeMode::ColorWheel);
    actions_->groupByColor->setChecked(mode == SchemeMode::GroupByColor);
    grid_->showMode(mode);
    setRgb();
}

void MainWindow::toggleSpectrumPalette()
{
    QAction* toggle = actions_->showSpectrumPalette;
    const bool showSpectrum = toggle->text() == MainActions::tr(kSpectrumCaptions.show);
    palettes_->showSpectrum(showSpectrum);
    toggle->setText(
        MainActions::tr(showSpectrum ? kSpectrumCaptions.other : kSpectrumCaptions.show));
}

void MainWindow::toggleToolWindow(ToolWindowIndex tool)
{
    hub_->toggle(tool);
}

ToolWindow* MainWindow::toolWindow(ToolWindowIndex tool) const
{
    return hub_->window(tool);
}

void MainWindow::collectPersistentState()
{
    state_.SchemeColor = swatch(0)->color();
    hub_->store();
}

void MainWindow::openScheme()
{
    schemeFiles_->open();
}

void MainWindow::saveScheme()
{
    schemeFiles_->save();
}

void MainWindow::openStartupFile()
{
    schemeFiles_->openStartupFile();
}

QImage MainWindow::GetScreenSnapshot()
{
    return environment_.grabber->grabDesktop();
}

void MainWindow::pickScreenColor()
{
    // The desktop may take seconds to answer while the windows keep running; F3 meanwhile must
    // not ask it a second time.
    if (picking_)
        return;
    const QScopedValueRollback busy(picking_, true);
    // Where the frozen screen cannot serve, the grabber offers the desktop's own picker. Else
    // the snapshot is taken while everything is still on screen, before the picker exists.
    const DesktopColorPick desktopPick = environment_.grabber->pickColor();
    if (const std::optional<ColorValue> picked =
            desktopPick.outcome == DesktopColorPick::Outcome::NotOffered
                ? pickFromSnapshot(GetScreenSnapshot(), *environment_.messages, this)
                : takeDesktopPick(desktopPick, *environment_.messages, this)) {
        state_.PickedColor = *picked;
        selectColor(state_.PickedColor);
    }
}

void MainWindow::showQuickTips()
{
    TipsWindow tips(state_, tipsFileFor(environment_.programDir, environment_.language),
                    environment_.random, this);
    tips.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    collectPersistentState();
    if (!environment_.settings.save(state_)) {
        environment_.messages->warning(
            this, kTitle,
            tr("Orvane could not save its settings to %1 or to %2.")
                .arg(pathToQString(environment_.settings.programFile().string()),
                     pathToQString(environment_.settings.userFile().string())));
    }
    event->accept();
    emit shutDown();
}

} // namespace orvane

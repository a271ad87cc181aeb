// SPDX-License-Identifier: MIT
#include "webpreview/WebPreviewWindow.h"

#include "core/AtomicFile.h"
#include "filedialog/cFileDlg.h"
#include "webpreview/ContrastPanel.h"
#include "webpreview/WebPage.h"
#include "webpreview/WebPageElement.h"
#include "webpreview/WebStatusBar.h"
#include "webpreview/WebToolbarPictures.h"
#include "widgets/DrawnIcon.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtConversions.h"

#include <QCloseEvent>
#include <QFont>
#include <QToolBar>
#include <cstdint>
#include <string>

namespace orvane {

namespace {

constexpr int kClientWidth = 334;
constexpr int kClientHeight = 274;
constexpr int kToolbarHeight = 24;
constexpr int kPageHeight = 227;
constexpr int kIconSize = 16;

// Indices into WebColors and the element array.
constexpr int kHeaderBar = 0;
constexpr int kSideBar = 1;
constexpr int kBodyBox = 2;
constexpr int kPage = 3;
constexpr int kFirstText = 4;

constexpr ColorValue kResetPage = 0xFFFFFF;
constexpr ColorValue kResetPanel = 0xC0C0C0;
constexpr ColorValue kResetText = 0x000000;

// The page was designed in Tahoma; where it is missing the closest sans-serif family stands in.
QFont pageFont(double points, bool bold, bool underline = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

WebPreviewWindow::WebPreviewWindow(AppState& state, std::function<ColorValue()> currentColor,
                                   FileDialogBackend& dialogs, MessageBoxes& messages,
                                   QWidget* parent)
    : ToolWindow(state.WebLeft, state.WebTop, parent), state_(state),
      currentColor_(std::move(currentColor)), dialogs_(dialogs), messages_(messages)
{
    setObjectName(QStringLiteral("Web"));
    setWindowTitle(tr("Web Preview"));
    setFixedSize(kClientWidth, kClientHeight);

    buildToolbar();
    // Before the page, whose colours it follows from the first.
    contrast_ = new ContrastPanel(this);
    contrast_->setGeometry(0, kToolbarHeight + kPageHeight, kClientWidth,
                           contrast_->sizeHint().height());
    contrast_->hide();
    buildPage();
    buildStatusBar();

    for (int index = 0; index < kWebColorCount; ++index)
        elements_[index]->setColor(state_.WebColors[index]);
}

void WebPreviewWindow::buildToolbar()
{
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setAccessibleName(tr("Web preview toolbar"));
    toolbar->setGeometry(0, 0, kClientWidth, kToolbarHeight);
    toolbar->setIconSize(QSize(kIconSize, kIconSize));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);

    QAction* save =
        toolbar->addAction(drawnIcon(kIconSize, paintSavePicture), tr("Save As Web Page"));
    save->setObjectName(QStringLiteral("Toolbar1_1"));
    connect(save, &QAction::triggered, this, &WebPreviewWindow::saveAsWebPage);
    QAction* reset =
        toolbar->addAction(drawnIcon(kIconSize, paintResetPicture), tr("Reset Colors"));
    reset->setObjectName(QStringLiteral("Toolbar1_2"));
    connect(reset, &QAction::triggered, this, &WebPreviewWindow::resetColors);
    QAction* contrast =
        toolbar->addAction(drawnIcon(kIconSize, paintContrastPicture), tr("Check Contrast"));
    contrast->setObjectName(QStringLiteral("Toolbar1_3"));
    contrast->setCheckable(true);
    connect(contrast, &QAction::toggled, this, &WebPreviewWindow::showContrast);
    for (QAction* action : {save, reset, contrast})
        toolbar->widgetForAction(action)->setAccessibleName(action->text());
}

void WebPreviewWindow::buildPage()
{
    struct Panel {
        int index;
        QString label;
        QRect geometry; // the page in the window, the others in the page
    };
    // The page first, since it holds the others.
    const Panel panels[] = {
        {kPage, tr("Page background"), QRect(0, kToolbarHeight, kClientWidth, kPageHeight)},
        {kHeaderBar, tr("Header bar"), QRect(32, 36, 265, 35)},
        {kSideBar, tr("Side bar"), QRect(32, 70, 89, 141)},
        {kBodyBox, tr("Body box"), QRect(120, 70, 177, 141)},
    };
    for (const Panel& panel : panels) {
        QWidget* container = panel.index == kPage ? static_cast<QWidget*>(this) : elements_[kPage];
        WebPageElement* element = addElement(panel.label, QString(), container);
        element->setObjectName(QStringLiteral("Picture2_%1").arg(panel.index));
        element->setGeometry(panel.geometry);
        elements_[panel.index] = element;
    }
    elements_[kPage]->installEventFilter(this);

    struct Text {
        int container;
        QString label;
        QString text;
        QRect geometry;
        QFont font;
    };
    // The page's own texts are those of the page Save As Web Page writes, in every language.
    const Text texts[] = {
        {kPage, tr("Page title"), QStringLiteral("Web Page Color Preview"), QRect(64, 8, 201, 19),
         pageFont(12, true)},
        {kHeaderBar, tr("Header text"), QStringLiteral("Header Text"), QRect(15, 7, 85, 17),
         pageFont(10.5, true)},
        {kSideBar, tr("Links"), QStringLiteral("Link 1\n\nLink 2\n\nLink 3\n\nLink 4"),
         QRect(15, 9, 32, 98), pageFont(9, false, true)},
        {kBodyBox, tr("Body caption"), QStringLiteral("Body Caption"), QRect(15, 9, 83, 14),
         pageFont(9, true)},
        {kBodyBox, tr("Body text"),
         QStringLiteral("This is the main text of\nthe body of your page."), QRect(36, 33, 128, 28),
         pageFont(9, false)},
    };
    for (int k = 0; k < kWebColorCount - kFirstText; ++k) {
        const Text& text = texts[k];
        WebPageElement* element = addElement(text.label, text.text, elements_[text.container]);
        element->setObjectName(QStringLiteral("Label1_%1").arg(k));
        element->setGeometry(text.geometry);
        element->setFont(text.font);
        elements_[kFirstText + k] = element;
    }
}

WebPageElement* WebPreviewWindow::addElement(const QString& label, const QString& text,
                                             QWidget* container)
{
    auto* element = new WebPageElement(label, text, container);
    connect(element, &WebPageElement::hovered, this,
            [this, element] { statusBar_->showColor(element->color()); });
    connect(element, &WebPageElement::released, this,
            [this, element](Qt::MouseButton button, QPoint position) {
                elementReleased(*element, button, position);
            });
    connect(element, &WebPageElement::dropped, element, &WebPageElement::setColor);
    connect(element, &WebPageElement::colorChanged, this, &WebPreviewWindow::checkContrast);
    return element;
}

void WebPreviewWindow::buildStatusBar()
{
    statusBar_ = new WebStatusBar(this);
    statusBar_->setGeometry(0, kToolbarHeight + kPageHeight, kClientWidth,
                            kClientHeight - kToolbarHeight - kPageHeight);
}

void WebPreviewWindow::showContrast(bool shown)
{
    contrast_->setVisible(shown);
    const int below = kToolbarHeight + kPageHeight + (shown ? contrast_->height() : 0);
    statusBar_->move(0, below);
    setFixedSize(kClientWidth, below + statusBar_->height());
}

void WebPreviewWindow::checkContrast()
{
    contrast_->showColors(webPageColorsFrom(elementColors()));
}

std::array<ColorValue, kWebColorCount> WebPreviewWindow::elementColors() const
{
    std::array<ColorValue, kWebColorCount> colors{};
    for (int index = 0; index < kWebColorCount; ++index)
        colors[index] = elements_[index]->color();
    return colors;
}

void WebPreviewWindow::storeColors()
{
    state_.WebColors = elementColors();
}

void WebPreviewWindow::resetColors()
{
    elements_[kPage]->setColor(kResetPage);
    for (int index : {kHeaderBar, kSideBar, kBodyBox})
        elements_[index]->setColor(kResetPanel);
    for (int index = kFirstText; index < kWebColorCount; ++index)
        elements_[index]->setColor(kResetText);
}

void WebPreviewWindow::saveAsWebPage()
{
    cFileDlg dialog(dialogs_);
    dialog.setDefaultExt("html");
    dialog.setFilter(tr("HTML File (*.html;*.htm)").toStdString() + "|*.html;*.htm");
    dialog.setOwnerHwnd(static_cast<std::int64_t>(winId()));
    std::string fileName;
    if (!dialog.VBGetSaveFileName(fileName))
        return;
    const std::string page = buildWebPage(webPageColorsFrom(elementColors()));
    const WriteResult result = writeFileAtomically(fileName, page);
    if (result == WriteResult::NotARegularFile) {
        messages_.warning(this, QStringLiteral("Orvane"),
                          tr("The web page could not be saved to %1: it is not a regular file.")
                              .arg(pathToQString(fileName)));
    } else if (result == WriteResult::Failed) {
        messages_.warning(
            this, QStringLiteral("Orvane"),
            tr("The web page could not be saved to %1.").arg(pathToQString(fileName)));
    }
}

void WebPreviewWindow::drawFor(const SimulatedVision& vision)
{
    for (WebPageElement* element : elements_)
        element->drawFor(vision);
}

void WebPreviewWindow::closeEvent(QCloseEvent* event)
{
    storeColors();
    ToolWindow::closeEvent(event);
}

bool WebPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The page fills the window between toolbar and status bar, so its repaints are the
    // window's; the status bar then goes back to the page colour. The status bar and toolbar
    // repainting themselves (as when the pointer shows another colour) does not count.
    if (watched == elements_[kPage] && event->type() == QEvent::Paint)
        statusBar_->showColor(elements_[kPage]->color());
    return ToolWindow::eventFilter(watched, event);
}

void WebPreviewWindow::elementReleased(WebPageElement& element, Qt::MouseButton button,
                                       QPoint position)
{
    if (button == Qt::LeftButton) {
        element.setColor(currentColor_());
    } else if (button == Qt::RightButton) {
        state_.PopupColor = element.color();
        emit popupRequested(element.mapToGlobal(position));
    }
}

} // namespace orvane

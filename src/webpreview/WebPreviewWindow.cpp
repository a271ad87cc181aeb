#include "webpreview/WebPreviewWindow.h"

#include "core/AtomicFile.h"
#include "filedialog/cFileDlg.h"
#include "webpreview/WebPage.h"
#include "widgets/ColorMime.h"
#include "widgets/DrawnIcon.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtConversions.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cstdint>
#include <optional>
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

void paintSavePicture(QPainter& painter)
{
    const QPolygonF sheet({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}});
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(sheet);
    painter.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));

    painter.setPen(QPen(QColor(0x33, 0x23, 0xE7), 2));
    painter.drawLine(QPointF(8, 5), QPointF(8, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x33, 0x23, 0xE7));
    painter.drawPolygon(QPolygonF({{4.5, 9.5}, {11.5, 9.5}, {8, 13.5}}));
}

void paintResetPicture(QPainter& painter)
{
    // A circle left open at the upper right, its end pointing round against the clock.
    const QColor ink(30, 130, 60);
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(3, 3, 10, 10), 70 * 16, 290 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygonF({{10.5, 8.5}, {15.5, 8.5}, {13, 4.5}}));
}

// Draws text in area, squeezed sideways when the font at hand runs wider than the area: the
// window was laid out for Tahoma, and the families that stand in for it are broader.
void drawFitted(QPainter& painter, const QRectF& area, int flags, const QString& text)
{
    const qreal needed = QFontMetricsF(painter.font()).boundingRect(area, flags, text).width();
    const qreal squeeze = needed > area.width() ? area.width() / needed : 1.0;
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(squeeze, 1.0);
    painter.drawText(QRectF(0, 0, area.width() / squeeze, area.height()), flags, text);
    painter.restore();
}

// Wide enough for a colour text of this prefix and as many digits as the broadest digit takes,
// so that the status panels keep still as the colours change.
int colourPanelWidth(const QFontMetrics& metrics, const QString& prefix, int digitCount,
                     QStringView digits)
{
    int widest = 0;
    for (QChar digit : digits)
        widest = std::max(widest, metrics.horizontalAdvance(digit));
    return metrics.horizontalAdvance(prefix) + digitCount * widest;
}

// The hint takes the room the colour panels leave, which a broad font can make too little.
class HintPanel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        drawFitted(painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    }
};

} // namespace

// One element of the mock page. A panel fills its area with its colour; a text draws its words
// in its colour and lets the panel behind it show through.
class WebPreviewWindow::Element : public QWidget {
public:
    Element(WebPreviewWindow& window, QString label, QString text, QWidget* parent)
        : QWidget(parent), window_(window), label_(std::move(label)), text_(std::move(text))
    {
        setMouseTracking(true);
        setAcceptDrops(true);
        setCursor(Qt::PointingHandCursor);
        // A panel covers its whole area, so nothing behind it needs repainting with it.
        setAttribute(Qt::WA_OpaquePaintEvent, text_.isEmpty());
    }

    ColorValue color() const { return color_; }

    void setColor(ColorValue color)
    {
        color_ = color;
        const QString colorText = qText(hashHex(color));
        setAccessibleName(label_ + QStringLiteral(", ") + colorText);
        setToolTip(colorText);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (text_.isEmpty()) {
            painter.fillRect(rect(), toQColor(color_));
            return;
        }
        painter.setPen(toQColor(color_));
        drawFitted(painter, rect(), Qt::AlignLeft | Qt::AlignTop, text_);
    }

    void mouseMoveEvent(QMouseEvent*) override { window_.showColor(color_); }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        window_.elementReleased(*this, event->button(), event->position().toPoint());
    }

    // Colours come from whichever swatch the user drags, in this window or another.
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (colorFromMime(event->mimeData()))
            event->acceptProposedAction();
    }

    void dropEvent(QDropEvent* event) override
    {
        const std::optional<ColorValue> dropped = colorFromMime(event->mimeData());
        if (!dropped)
            return;
        event->acceptProposedAction();
        setColor(*dropped);
    }

private:
    WebPreviewWindow& window_;
    QString label_;
    QString text_;
    ColorValue color_ = 0;
};

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
    for (QAction* action : {save, reset})
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
        auto* element = new Element(*this, panel.label, QString(), container);
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
    const Text texts[] = {
        {kPage, tr("Page title"), tr("Web Page Color Preview"), QRect(64, 8, 201, 19),
         pageFont(12, true)},
        {kHeaderBar, tr("Header text"), tr("Header Text"), QRect(15, 7, 85, 17),
         pageFont(10.5, true)},
        {kSideBar, tr("Links"), tr("Link 1\n\nLink 2\n\nLink 3\n\nLink 4"), QRect(15, 9, 32, 98),
         pageFont(9, false, true)},
        {kBodyBox, tr("Body caption"), tr("Body Caption"), QRect(15, 9, 83, 14), pageFont(9, true)},
        {kBodyBox, tr("Body text"), tr("This is the main text of\nthe body of your page."),
         QRect(36, 33, 128, 28), pageFont(9, false)},
    };
    for (int k = 0; k < kWebColorCount - kFirstText; ++k) {
        const Text& text = texts[k];
        auto* element = new Element(*this, text.label, text.text, elements_[text.container]);
        element->setObjectName(QStringLiteral("Label1_%1").arg(k));
        element->setGeometry(text.geometry);
        element->setFont(text.font);
        elements_[kFirstText + k] = element;
    }
}

void WebPreviewWindow::buildStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setAccessibleName(tr("Web preview status"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, kToolbarHeight + kPageHeight, kClientWidth,
                     kClientHeight - kToolbarHeight - kPageHeight);

    const auto addColourPanel = [bar](int number, const QString& designation, int width) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(number));
        label->setToolTip(designation);
        label->setAccessibleName(designation);
        label->setMinimumWidth(width);
        bar->addWidget(label);
        return label;
    };
    const QFontMetrics metrics = bar->fontMetrics();
    statusRgb_ =
        addColourPanel(1, tr("Current RGB"),
                       colourPanelWidth(metrics, QStringLiteral("RGB: .."), 9, u"0123456789"));
    statusHex_ =
        addColourPanel(2, tr("Current HEX"),
                       colourPanelWidth(metrics, QStringLiteral("HEX: #"), 6, u"0123456789ABCDEF"));

    auto* hint = new HintPanel(tr("Right-Click colors for options"), bar);
    hint->setObjectName(QStringLiteral("Panel3"));
    hint->setAccessibleName(hint->text());
    hint->setToolTip(hint->text());
    bar->addWidget(hint, 1);
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
    dialog.setFilter("HTML File (*.html;*.htm)|*.html;*.htm");
    dialog.setOwnerHwnd(static_cast<std::int64_t>(winId()));
    std::string fileName;
    if (!dialog.VBGetSaveFileName(fileName))
        return;
    const std::string page = buildWebPage(webPageColorsFrom(elementColors()));
    if (!writeFileAtomically(fileName, page))
        messages_.warning(
            this, tr("Orvane"),
            tr("The web page could not be saved to %1.").arg(pathToQString(fileName)));
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
        showColor(elements_[kPage]->color());
    return ToolWindow::eventFilter(watched, event);
}

void WebPreviewWindow::showColor(ColorValue color)
{
    const auto show = [](QLabel* panel, const QString& text) {
        panel->setText(text);
        panel->setAccessibleDescription(text);
    };
    show(statusRgb_, qText(statusRgb(color)));
    show(statusHex_, qText(statusHex(color)));
}

void WebPreviewWindow::elementReleased(Element& element, Qt::MouseButton button, QPoint position)
{
    if (button == Qt::LeftButton) {
        element.setColor(currentColor_());
    } else if (button == Qt::RightButton) {
        state_.PopupColor = element.color();
        emit popupRequested(element.mapToGlobal(position));
    }
}

} // namespace orvane

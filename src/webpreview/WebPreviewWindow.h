// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"
#include "widgets/ToolWindow.h"

#include <QPoint>
#include <array>
#include <functional>

namespace orvane {

class ContrastPanel;
class FileDialogBackend;
class MessageBoxes;
class WebPageElement;
class WebStatusBar;

// A mock web page whose nine element colours the user sets from the scheme, and its export as
// an HTML file. The element colours live in the window while it is open and in WebColors while
// it is closed.
class WebPreviewWindow : public ToolWindow {
    Q_OBJECT
public:
    // currentColor reads the main window's current-colour swatch.
    WebPreviewWindow(AppState& state, std::function<ColorValue()> currentColor,
                     FileDialogBackend& dialogs, MessageBoxes& messages, QWidget* parent = nullptr);

    // The element colours in WebColors order: header bar, side bar, body box, page background,
    // then the title, header text, links, body caption and body text.
    std::array<ColorValue, kWebColorCount> elementColors() const;
    // Copies the element colours into WebColors.
    void storeColors();
    // White page, light grey panels, black texts.
    void resetColors();
    // Asks for a file name and writes the page as HTML.
    void saveAsWebPage();
    // Shows or hides the contrast panel below the page; the window grows to hold it.
    void showContrast(bool shown);
    // The page's elements are what this window paints in its colours.
    void drawFor(const SimulatedVision& vision) override;

signals:
    // PopupColor is set; the main window's popup should open at this point.
    void popupRequested(QPoint globalPosition);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Repaints of the page panel, which stand for repaints of the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void buildPage();
    // Makes an element and wires it to the window.
    WebPageElement* addElement(const QString& label, const QString& text, QWidget* container);
    void buildStatusBar();
    void checkContrast();
    void elementReleased(WebPageElement& element, Qt::MouseButton button, QPoint position);

    AppState& state_;
    std::function<ColorValue()> currentColor_;
    FileDialogBackend& dialogs_;
    MessageBoxes& messages_;
    std::array<WebPageElement*, kWebColorCount> elements_{};
    ContrastPanel* contrast_ = nullptr;
    WebStatusBar* statusBar_ = nullptr;
};

} // namespace orvane

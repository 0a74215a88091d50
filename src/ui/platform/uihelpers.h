#pragma once
// Colours of input fields and the gradient background of the splash and about windows.

#include <QColor>

#include <functional>

class QPainter;
class QRect;
class QWidget;

class QBoxLayout;
class QPushButton;
class QToolBar;

namespace orv {

// A colour written as hexadecimal BBGGRR, the form in which the program's colours are known.
constexpr QRgb bgr(quint32 bbggrr) {
    return qRgb(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                static_cast<int>((bbggrr >> 16) & 0xFF));
}
inline const QColor kLightYellow = QColor(bgr(0xC0FFFF));      // an enabled input field
inline const QColor kFieldGrey = QColor(bgr(0xE0E0E0));        // a disabled one
inline const QColor kEditManyCyan = QColor(bgr(0xFFFF00));     // several sources edited at once
inline const QColor kRefusedRed = QColor(bgr(0x0000FF));       // a refused key or value
inline const QColor kFigureCyan = QColor(bgr(0xFFFF00));       // light cyan, colour 11 of 16
inline const QColor kFigureBackground = QColor(bgr(0x000000)); // behind the geometry figure
inline const QColor kBetterGreen = QColor(bgr(0x008000));      // a difference for the better
inline const QColor kWorseRed = QColor(bgr(0x0000C0));         // a difference for the worse

// The background of one text, combo or list box.
void setFieldBackground(QWidget* field, const QColor& colour);
QColor fieldBackground(const QWidget* field);
// The text colour of a label, as on the gradient of the splash and about windows.
void setTextColour(QWidget* label, const QColor& colour);

// Every text box, combo box and list box of form: enabledColour when it is enabled,
// disabledColour when not. Other controls are left alone.
void SetFieldColours(QWidget* form, const QColor& enabledColour, const QColor& disabledColour);

// Horizontal lines from top to bottom of area whose colour moves linearly, per red, green
// and blue, from start to end.
void paintGradient(QPainter& painter, const QRect& area, const QColor& start, const QColor& end);

// Closes a document window: inside the main window's frame its sub-window goes with it, so
// that no empty frame stays behind and the frame knows the document is gone.
void closeDocument(QWidget* document);

// A push button at the end of a row of buttons, named for the tests and, by its caption
// without the "&", for screen readers; a click runs onClick.
QPushButton* addButton(QBoxLayout& row, QWidget* parent, const QString& name,
                       const QString& caption, std::function<void()> onClick);

// The buttons of a toolbar in the Tab order, each named for screen readers by its Dutch
// tooltip (its caption when it has none). Call it once the toolbar holds its buttons.
void reachToolbar(QToolBar* bar);

} // namespace orv

#include "report/surface.h"

namespace orv {

void Surface::setFontName(const QString& name) {
    font_.name = name;
    fontChanged();
}

void Surface::setFontSize(double points) {
    font_.size = points;
    fontChanged();
}

void Surface::setFontBold(bool bold) {
    font_.bold = bold;
    fontChanged();
}

void Surface::setFontItalic(bool italic) {
    font_.italic = italic;
    fontChanged();
}

void Surface::print(const QString& text, bool endLine) {
    if (!text.isEmpty()) {
        drawText(x_, y_, text);
        x_ += textWidth(text);
    }
    if (endLine) {
        x_ = 0;
        y_ += textHeight();
    }
}

} // namespace orv

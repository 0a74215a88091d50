#pragma once
// The drawing surface the paged renderer writes on: a printer, a PDF, a preview picture or,
// in tests, a recorder. Every coordinate is in twips (1440 per inch) in the surface's scale:
// x runs from scaleLeft() to scaleLeft() + scaleWidth(), y from scaleTop() down.
//
// The base class keeps what every surface shares: the font, the current position and the
// scale origin. print() draws a text at the current position with its top at currentY,
// moves currentX past it and, when the line is ended, goes to x = 0 one text height lower.
// A derived surface measures, draws and turns pages.

#include <QString>

namespace orv {

struct SurfaceFont {
    QString name;
    double size = 12; // points
    bool bold = false;
    bool italic = false;
};

constexpr int kPaperA4 = 9;
constexpr int kPortrait = 1;
constexpr int kLandscape = 2;

class Surface {
public:
    virtual ~Surface() = default;

    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);
    const SurfaceFont& font() const { return font_; }

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    void setScaleLeft(double left) { scaleLeft_ = left; }
    void setScaleTop(double top) { scaleTop_ = top; }
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    // The printable page in twips.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    // Paper size code (9 = A4) and orientation (1 portrait, 2 landscape). Only a printer or
    // a PDF has paper; other surfaces keep their size.
    virtual void setPaper(int paperSize, int orientation) = 0;

    // Measured in the current font.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight() const = 0;

    virtual void line(double x1, double y1, double x2, double y2) = 0;
    void print(const QString& text, bool endLine);

    // Printer: ends the page and starts the next. The page number counts from 1.
    virtual void newPage() = 0;
    virtual int page() const = 0;
    // Preview: wipes the picture for the next page, after capturePage() has kept it.
    virtual void clear() = 0;
    virtual void capturePage() = 0;

protected:
    virtual void drawText(double x, double y, const QString& text) = 0;
    virtual void fontChanged() {}

private:
    SurfaceFont font_;
    double x_ = 0;
    double y_ = 0;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
};

} // namespace orv

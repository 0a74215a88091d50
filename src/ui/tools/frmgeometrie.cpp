#include "ui/tools/frmgeometrie.h"

#include "report/geometryfigure.h"
#include "ui/platform/uihelpers.h"

#include <algorithm>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

// picTest: the figure on a square of 100 by 100 units.
class TrianglePicture : public QWidget {
public:
    TrianglePicture(const TriangleFigure& figure, QWidget* parent)
        : QWidget(parent), figure_(figure) {
        setObjectName(QStringLiteral("picTest"));
        const int side = fontMetrics().height() * 26;
        setMinimumSize(side, side);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), kFigureBackground);
        const double side = std::min(width(), height());
        const QPointF origin((width() - side) / 2.0, (height() - side) / 2.0);
        auto at = [&](QPointF unit) { return origin + unit * (side / 100.0); };
        const QPointF r = at(figure_.receiver), a = at(figure_.start), b = at(figure_.end);
        painter.setPen(QPen(kFigureCyan, 2));
        painter.drawLine(r, a);
        painter.drawLine(r, b);
        painter.drawLine(a, b);
        painter.setBrush(kFigureCyan);
        painter.drawEllipse(r, 3, 3);
        // Each distance beside the middle of its side, away from the triangle.
        const QFontMetricsF metrics(font());
        const QPointF midA = (r + a) / 2, midB = (r + b) / 2;
        const double up = metrics.ascent() / 2;
        painter.drawText(QPointF(midB.x(), midB.y() + up), figure_.endLabel);
        const double wide = metrics.horizontalAdvance(figure_.startLabel + QStringLiteral("  "));
        painter.drawText(QPointF(std::max(0.0, midA.x() - wide), midA.y() + up),
                         figure_.startLabel);
    }

private:
    TriangleFigure figure_;
};

} // namespace

frmGeometrie::frmGeometrie(double viewAngle, double distanceA, double distanceB,
                           const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmGeometrie"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TrianglePicture(CalcTriangle(viewAngle, distanceA, distanceB), this), 1);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lblGeometrie"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Sluiten"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool frmGeometrie::showTest(Platform& platform, const BoxesGeometry& run, QWidget* parent) {
    if (run.refusedBox >= 0) return false;
    const GeometryTest& test = run.test;
    if (!test.outcome.done()) {
        platform.messageBox(test.text, MsgIcon::Information, MsgButtons::Ok, test.caption);
        return false;
    }
    frmGeometrie window(test.viewAngle, run.startDistance, run.endDistance, test.caption, test.text,
                        parent);
    window.exec();
    return true;
}

} // namespace orv

#include "ui/frmstart.h"

#include "app/version.h"

#include <QMdiArea>
#include <QStatusBar>

namespace orv {

frmStart::frmStart(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmStart"));
    setCentralWidget(mdi_);
    setWindowTitle(QStringLiteral("%1 %2.%3")
                       .arg(QLatin1String(kProgramTitle))
                       .arg(kVersionMajor)
                       .arg(kVersionMinor));
    statusBar()->showMessage(QStringLiteral("Geen bestand"));
    resize(1000, 700);
}

} // namespace orv

#pragma once
// The application object of ornaveld-cli. Drawing a PDF needs fonts, and fonts need a GUI
// application (on the offscreen platform, so that no display is needed); every other
// subcommand runs on a plain core application.

#include <memory>
#include <QCoreApplication>

namespace orv::cli {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv);

} // namespace orv::cli

// ornaveld-cli pdf FILE.orv --kind K -o OUT.pdf: runs calculation command K and renders
// the printed pages of its report into an A4 PDF.

#include "app/calculationrun.h"
#include "base/fileio.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "cli/runoptions.h"

#ifdef ORNAVELD_HAVE_PRINT
#include "base/win1252.h"
#include "print/pdfreport.h"
#include "report/printsettings.h"

#include <memory>
#include <QGuiApplication>
#endif

namespace orv::cli {

#ifdef ORNAVELD_HAVE_PRINT
namespace {

// --landscape/--portrait, --font and --size override the settings file; what neither gives
// gets the print dialog's start values. Without a settings file and without a size or an
// orientation the "Standaard" values apply (8 pt landscape): the start values (12 pt
// portrait) would run the transmission table off the right edge of a newcomer's first PDF.
void applyPrintOptions(const RunOptions& options, SettingsData& settings) {
    if (options.settingsFile.isEmpty() && !options.orientation && options.fontSize <= 0)
        applyPrintStandard(settings);
    if (options.orientation) settings.paperOrientation = static_cast<qint16>(*options.orientation);
    if (!options.font.trimmed().isEmpty())
        settings.printFontName = fixedText(options.font.trimmed(), kPrintFontNameWidth);
    if (options.fontSize > 0) settings.printFontSize = static_cast<qint16>(options.fontSize);
    applyPrintStartValues(settings);
}

} // namespace

int runPdf(const QStringList& args, QTextStream&, QTextStream& err) {
    RunOptions options;
    if (parseRunOptions(args, options, err) != kExitDone) return kExitUsage;
    if (options.output.isEmpty()) {
        err << "ornaveld-cli pdf: geef het PDF-bestand op met -o OUT.pdf.\n";
        return kExitUsage;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "ornaveld-cli pdf: lettertypen zijn niet beschikbaar zonder grafische "
               "toepassing.\n";
        return kExitUsage;
    }
    auto state = std::make_unique<State>();
    if (const int code = loadRunState(options, *state, err); code != kExitDone) return code;
    applyPrintOptions(options, state->settings);

    if (const int code = runCliCommand(options, *state, err); code != kExitDone) return code;

    if (!reportFitsPage(*state))
        err << "Waarschuwing: de tabellen zijn breder dan de pagina; kies --landscape of een "
               "kleinere --size.\n";
    PdfResult pdf;
    if (options.output == QLatin1String("-")) {
        pdf.error = writeStandardOutput([&](QIODevice& device) {
            pdf = renderReportPdf(*state, device);
            return pdf.error;
        });
    } else {
        pdf = writeReportPdf(*state, options.output);
    }
    if (!pdf.error.ok()) {
        err << options.output << ": Fout " << pdf.error.number << " - " << pdf.error.description
            << ".\n";
        return kExitFile;
    }
    const int pages = pdf.pages;
    err << pages << (pages == 1 ? " pagina" : " pagina's") << " geschreven naar "
        << (options.output == QLatin1String("-") ? QStringLiteral("standaarduitvoer")
                                                 : options.output)
        << "\n";
    return kExitDone;
}

#else

int runPdf(const QStringList&, QTextStream&, QTextStream& err) {
    err << "ornaveld-cli pdf: deze uitgave is gebouwd zonder afdrukbibliotheek.\n";
    return kExitUsage;
}

#endif

} // namespace orv::cli

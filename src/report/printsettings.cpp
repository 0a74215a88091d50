#include "report/printsettings.h"

#include "base/win1252.h"

namespace orv {
namespace {

void setFontName(SettingsData& settings, QStringView name) {
    settings.printFontName = fixedText(name, kPrintFontNameWidth);
}

template <std::size_t N, typename T> int entryOf(const std::array<T, N>& values, int value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<int>(values[i]) == value) return static_cast<int>(i);
    }
    return -1;
}

void applyEntry(qint16& setting, int entry, int count) {
    if (entry >= 0 && entry < count) setting = static_cast<qint16>(entry + 1);
}

} // namespace

void applyPrintStartValues(SettingsData& settings) {
    if (settings.printFontSize == 0) settings.printFontSize = 12;
    if (trimmed(settings.printFontName).isEmpty()) setFontName(settings, kStartFontName);
    if (settings.headerStyle == 0) settings.headerStyle = 3;
    if (settings.bodyStyle1 == 0) settings.bodyStyle1 = 2;
    if (settings.bodyStyle2 == 0) settings.bodyStyle2 = 2;
    if (settings.paperOrientation == 0) settings.paperOrientation = 1;
}

void applyPrintStandard(SettingsData& settings) {
    settings.printFontSize = 8;
    setFontName(settings, kStartFontName);
    settings.bodyStyle1 = 1;
    settings.bodyStyle2 = 2;
    settings.headerStyle = 3;
    settings.paperOrientation = 2;
}

QString limitPrintFontSize(SettingsData& settings) {
    const int stored = settings.printFontSize;
    if (stored == 0 || (stored >= kMinPrintFontSize && stored <= kMaxPrintFontSize)) return {};
    settings.printFontSize =
        static_cast<qint16>(stored < kMinPrintFontSize ? kMinPrintFontSize : kMaxPrintFontSize);
    return QStringLiteral("De lettergrootte %1 pt in Ornaveld.set ligt buiten wat de "
                          "afdrukinstellingen bieden (%2 tot %3 pt); er wordt %4 pt gebruikt.")
        .arg(stored)
        .arg(kMinPrintFontSize)
        .arg(kMaxPrintFontSize)
        .arg(settings.printFontSize);
}

int orientationEntry(int paperOrientation) {
    return paperOrientation == 1 || paperOrientation == 2 ? paperOrientation - 1 : -1;
}

int fontSizeEntry(int printFontSize) {
    return entryOf(kFontSizes, printFontSize);
}

int styleEntry(int style) {
    return style >= 1 && style <= 4 ? style - 1 : -1;
}

void applyPrintChoice(SettingsData& settings, const PrintDialogChoice& choice) {
    applyEntry(settings.paperOrientation, choice.orientationEntry, 2);
    bool ok = false;
    const int size = trimmed(choice.fontSizeText).toInt(&ok);
    if (ok && size >= kMinPrintFontSize && size <= kMaxPrintFontSize)
        settings.printFontSize = static_cast<qint16>(size);
    if (!trimmed(choice.fontName).isEmpty()) setFontName(settings, trimmed(choice.fontName));
    applyEntry(settings.headerStyle, choice.headerEntry, 4);
    applyEntry(settings.bodyStyle1, choice.body1Entry, 4);
    applyEntry(settings.bodyStyle2, choice.body2Entry, 4);
}

} // namespace orv

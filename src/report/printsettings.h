#pragma once
// The print settings behind the dialog "Afdrukinstelling overzichten": start values for a
// fresh start-up file, the "Standaard" values, the texts of the dialog's lists, and what a
// text style number means for the font.

#include "model/state.h"

#include <array>
#include <QString>
#include <QStringView>

namespace orv {

inline constexpr QStringView kStartFontName = u"Courier New";

// The lists of the dialog, in their order. Size and style texts are padded as shown.
inline constexpr std::array<QStringView, 4> kFontSizeTexts{u" 6", u" 8", u"10", u"12"};
inline constexpr std::array<int, 4> kFontSizes{6, 8, 10, 12};
// The sizes a stored setting may hold: from the list's smallest to its largest. Far larger
// ones leave no room for a single row on the page.
inline constexpr int kMinPrintFontSize = 6;
inline constexpr int kMaxPrintFontSize = 12;
inline constexpr std::array<QStringView, 4> kStyleTexts{u"Normaal    ", u"Cursief    ",
                                                        u"Vet        ", u"Vet cursief"};
inline constexpr std::array<QStringView, 2> kOrientationTexts{u"A4, staand", u"A4, liggend"};

// Settings still 0 (or a blank font name) get the start values: size 12, "Courier New",
// heading style 3, both body styles 2, portrait. Settings already set are kept.
void applyPrintStartValues(SettingsData& settings);

// "Standaard": size 8, "Courier New", first body 1, second body 2, heading 3, landscape.
// Takes effect at once; cancelling the dialog afterwards does not undo it.
void applyPrintStandard(SettingsData& settings);

// A stored size outside kMinPrintFontSize..kMaxPrintFontSize (a damaged or hand-made
// "Ornaveld.set") becomes the nearest size within; the answer is the message that says so,
// empty when the size was within or not yet set (0). A size between the list's entries,
// such as 9, stays.
QString limitPrintFontSize(SettingsData& settings);

// Style 1 normal, 2 italic, 3 bold, 4 bold italic; any other value neither.
constexpr bool styleBold(int style) {
    return style == 3 || style == 4;
}
constexpr bool styleItalic(int style) {
    return style == 2 || style == 4;
}

// The entry a setting selects in its list, or -1 when it selects none (a stored size of
// 9 points is used for printing but shows no entry).
int orientationEntry(int paperOrientation);
int fontSizeEntry(int printFontSize);
int styleEntry(int style);

// What the dialog holds when "Toepassen" is pressed: the selected entries (-1 for none) and
// the texts of the font name and size boxes.
struct PrintDialogChoice {
    int orientationEntry = -1;
    QString fontName;
    QString fontSizeText;
    int headerEntry = -1;
    int body1Entry = -1;
    int body2Entry = -1;
};

// Stores the choice. A list without a selection, a size text that is not a whole number of
// points or a blank font name keeps the setting it had, so that "Toepassen" never turns a
// valid setting into 0.
void applyPrintChoice(SettingsData& settings, const PrintDialogChoice& choice);

} // namespace orv

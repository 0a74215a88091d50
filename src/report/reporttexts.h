#pragma once
// Every fixed text of the three reports, shared by the text overview and the paged
// renderer so that screen, paper and "*.prn" file say exactly the same. The superscript
// digits, the em dash, the multiplication sign and the bullet are single characters that
// Windows-1252 holds, so they survive the "*.prn" file unchanged.

#include "base/reportkind.h"

#include <QStringView>

namespace orv::texts {

// Titles, by report kind.
inline constexpr QStringView kTitleCb = u"BEPALING BEDRIJFSDUURCORRECTIE Cb VOLGENS HMRI:1999";
inline constexpr QStringView kTitleTransmission =
    u"OVERDRACHTSBEREKENING VOLGENS REKENMETHODE I HMRI:1999";
inline constexpr QStringView kTitleEmission = u"GECUMULEERDE GELUIDSEMISSIE (VERVANGENDE PUNTBRON)";

// The title of a report; empty before any command ran.
constexpr QStringView reportTitle(ReportKind reportKind) {
    switch (reportKind) {
    case ReportKind::Cb:
        return kTitleCb;
    case ReportKind::Transmission:
        return kTitleTransmission;
    case ReportKind::Emission:
        return kTitleEmission;
    case ReportKind::None:
        break;
    }
    return {};
}

// Project and parameter blocks: the label, padded to 15 characters, then ": ".
inline constexpr int kLabelWidth = 15;
inline constexpr QStringView kLabelSeparator = u": ";
inline constexpr QStringView kProjectNumber = u"Projectnummer";
inline constexpr QStringView kProjectName = u"Projectnaam";
inline constexpr QStringView kRemarks = u"Toelichting";
inline constexpr QStringView kDate = u"Datum : ";
inline constexpr QStringView kReceiver = u"Immissiepunt";
inline constexpr QStringView kReceiverHeight = u"Immissiehoogte";
inline constexpr QStringView kGround = u"Bodem";
inline constexpr QStringView kFacadeReflection = u"Gevelreflectie";
inline constexpr QStringView kMeterUnit = u" meter";
inline constexpr QStringView kDbUnit = u" dB";

// Group lines above the tables.
inline constexpr QStringView kGroupLine = u"Lijnbron/rijroute";
inline constexpr QStringView kGroupMobile = u"Mobiele/vaste bron";
inline constexpr QStringView kGroupAll = u"Alle geluidsbronnen";

// The group line of the transmission table: which source lists it holds.
constexpr QStringView transmissionGroup(bool lines, bool mobiles) {
    return lines && mobiles ? kGroupAll : lines ? kGroupLine : kGroupMobile;
}

// Continuation headings of a table that runs on to the next page, and the last line of
// the page it leaves.
inline constexpr QStringView kNextPage = u"<volgende pagina>";
inline constexpr QStringView kContinuedLineCb = u"Lijnbron/rijroute <vervolg>";
inline constexpr QStringView kContinuedMobileCb = u"Mobiele/vaste bron <vervolg>";
inline constexpr QStringView kContinuedAll = u"Alle geluidsbronnen (vervolg)";
inline constexpr QStringView kContinuedLine = u"Lijnbron/rijroute (vervolg)";
inline constexpr QStringView kContinuedMobile = u"Mobiele/vaste bron (vervolg)";
inline constexpr QStringView kContinuedEmission = u"<vervolg>";

constexpr QStringView transmissionContinued(bool lines, bool mobiles) {
    return lines && mobiles ? kContinuedAll : lines ? kContinuedLine : kContinuedMobile;
}

// Marks and rules.
inline constexpr QChar kRuleChar = QChar(0x2014);      // em dash
inline constexpr QChar kSurchargeMark = QChar(0x2022); // bullet after a surcharged LAeq
inline constexpr QStringView kMissing = u"---";

// Column headings, word by word (the text overview pads them into its heading lines, the
// renderer places each at its own column).
inline constexpr QStringView kHeadSource = u"Geluidsbron";
inline constexpr QStringView kHeadSpecification = u"Specificatie";
inline constexpr QStringView kHeadCount = u"Aantal¹";
inline constexpr QStringView kHeadLengthSpeed = u"L/v²";
inline constexpr QStringView kHeadMovements = u"Voertuigbewegingen";
inline constexpr QStringView kHeadCbShort = u"Bedrijfsduurcorr.³";
inline constexpr QStringView kHeadHours = u"Effectieve bedrijfsduur²";
inline constexpr QStringView kHeadHoursShort = u"Eff. bedrijfsduur²";
inline constexpr QStringView kHeadCbLong = u"Bedrijfsduurcorrectie³";
inline constexpr QStringView kHeadDay = u"dag";
inline constexpr QStringView kHeadEvening = u"avond";
inline constexpr QStringView kHeadNight = u"nacht";
inline constexpr QStringView kHeadLw = u"Lw,A(max)";
inline constexpr QStringView kHeadHeight = u"Hbron";
inline constexpr QStringView kHeadDistances = u"R1/R2¹";
inline constexpr QStringView kHeadDistancesContinued = u"Rmin/Rmax¹";
inline constexpr QStringView kHeadScreening = u"Ds²";
inline constexpr QStringView kHeadReflection = u"Cr³";
inline constexpr QStringView kHeadCm = u"Cm";
inline constexpr QStringView kHeadLevels = u"berekende geluidsniveaus in dB(A)";
inline constexpr QStringView kHeadDbA = u"dB(A)";
inline constexpr QStringView kHeadMetre = u"m";
inline constexpr QStringView kHeadDb = u"dB";
inline constexpr QStringView kHeadDayPeriod = u"dagperiode";
inline constexpr QStringView kHeadEveningPeriod = u"avondperiode";
inline constexpr QStringView kHeadNightPeriod = u"nachtperiode";
inline constexpr QStringView kHeadLaeq = u"LAeq";
inline constexpr QStringView kHeadLamax = u"LAmax";
inline constexpr QStringView kHeadSourceCorrections = u"Broncorrecties¹";
inline constexpr QStringView kHeadCorrectedLw = u"LW,gecorrigeerd";

// Closing rows.
inline constexpr QStringView kTotal = u"Totaal";
inline constexpr QStringView kCumulative = u"Gecumuleerde geluidsemissie (vervangende puntbron)";

// Footnotes.
inline constexpr QStringView kNoteCbLine1 = u"¹ Aantal puntbronnen in rijlijn/rijroute.";
inline constexpr QStringView kNoteCbLine2 =
    u"² L = lengte lijnbron/rijroute in meters, v = rijsnelheid in km/h.";
inline constexpr QStringView kNoteCbLine3 =
    u"³ Bedrijfsduurcorrectie per puntbron, Cb = 10×log{(L×aantal voertuigen)/(v×1000×To)} dB.";
inline constexpr QStringView kNoteCbMobile1 = u"¹ Aantal puntbronnen in mobiele/vaste bron.";
inline constexpr QStringView kNoteCbMobile2 =
    u"² Totale effectieve bedrijfsduur Tb van mobiele/vaste bron in uren.";
inline constexpr QStringView kNoteCbMobile3 =
    u"³ Bedrijfsduurcorrectie per puntbron, Cb = 10×log{Tb/(Aantal×To)} dB.";
inline constexpr QStringView kNoteTransmission1 =
    u"¹ De begin-/eindafstand van de rijlijn resp. de minimale/maximale afstand van de mobiele "
    u"bron tot het immissiepunt in meters.";
inline constexpr QStringView kNoteTransmission2 =
    u"² De overdrachtsdemping van een afschermend object tussen geluidsbron en immissiepunt in "
    u"dB.";
inline constexpr QStringView kNoteTransmission3 =
    u"³ De reflectiebijdrage van de geluidsbron in de richting van het immissiepunt in dB.";
inline constexpr QStringView kNoteEmission =
    u"¹ 10×log{aantal puntbronnen} + bedrijfsduurcorrectie Cb - schermdemping Ds + "
    u"reflectiebijdrage Cr.";

// Surcharge notes under the transmission table: prefix + K + kSurchargeDb (+ the sentence).
inline constexpr QStringView kSurchargeTotal = u"• Geluidsniveau met toeslag +";
inline constexpr QStringView kSurchargeSource = u"• Geluidsbron met toeslag +";
inline constexpr QStringView kSurchargeDb = u" dB. ";
inline constexpr QStringView kSurchargeSentence =
    u"De toeslag is van toepassing op het totale geluidsniveau voor de duur van de betreffende "
    u"geluidsbron.";

// The assessment line of the transmission report.
inline constexpr QStringView kLetmaal = u"Letmaal = ";
inline constexpr QStringView kAfterLetmaal = u" dB(A) (";
inline constexpr QStringView kLden = u"Lden = ";
inline constexpr QStringView kAfterLden = u" dB, ";
inline constexpr QStringView kLnight = u"Lnight = ";
inline constexpr QStringView kAfterLnight = u" dB)";

// Page footer.
inline constexpr QStringView kFooterProgram = u"Ornaveld ";
inline constexpr QStringView kFooterPage = u"Pagina ";

} // namespace orv::texts

#include "input/fields.h"

#include "base/numberformat.h"
#include "base/win1252.h"

#include <array>
#include <cstring>

namespace orv {
namespace {

constexpr const char* kDecimalKeys = "1234567890.,";
constexpr const char* kDigitKeys = "1234567890";
constexpr double kNoBound = 0;

#define AFSTAND_NB                                                                                 \
    "Voor de overdrachtsberekeningen wordt de equivalente afstand bepaald op basis van deze "      \
    "afstand(en) tot het immissiepunt."

constexpr const char* kMovementsHelp =
    "Geef het aantal voertuigenbewegingen over de lijnbron/rijroute.\n"
    "Het betreft hier de som van het aantal aankomende en vertrekkende voertuigen.";
constexpr const char* kMovementsStatus = "Geef aantal voertuigbewegingen per etmaalperiode";
#define LINE_NB                                                                                    \
    "NB: Onder lijnbron/rijroute wordt verstaan een rechte lijn tussen het beginpunt en het "      \
    "eindpunt. Een 'gekromde' lijnbron/rijroute dient te worden gemodelleerd door middel van "     \
    "meerdere rechte lijnstukken."

const std::array<FieldSpec, 10> kLijnbron = {{
    {"Specificatie", "", nullptr, 25, "", kNoBound, kNoBound, "",
     "Geef specificatie/omschrijving van lijnbron/rijroute (25 posities)",
     "Geef een nadere specificatie van de lijnbron/rijroute.\n"
     "De ingevoerde lijnbron/rijroute wordt onder vermelding van deze specificatie in de lijst "
     "opgenomen."},
    {"Lengte lijnbron/rijroute", "meter", kDecimalKeys, 0, "NUMERIC;", 1, 1000, "##0.0",
     "Geef lengte lijnbron/rijroute (minimaal 1 m¹)",
     "Geef de lengte van de lijnbron/rijroute in meters.\nDe minimale lengte bedraagt 1 m¹."},
    {"Aantal puntbronnen", "", kDigitKeys, 0, "NUMERIC;", 1, 1000, "#0",
     "Geef aantal puntbronnen in lijnbron/rijroute (maximaal 1000)",
     "Geef het aantal puntbronnen waarmee de lijnbron/rijroute wordt gemodelleerd.\n"
     "Het minimaal aantal puntbronnen dient te voldoen aan het criterium:\n\n2 × L / N,\n\n"
     "waarin:\nL=lengte lijnbron, en\nN=kortste afstand tot lijn bron."},
    // Typed speeds are whole numbers, but a list click shows one decimal.
    {"Rijsnelheid", "km/h", kDecimalKeys, 0, "NUMERIC;", 5, 80, "#0",
     "Geef gemiddelde rijsnelheid van de voertuigen (minimaal 5 km/h)",
     "Geef de gemiddelde rijsnelheid van de voertuigen over de lijnbron/rijroute in km/h.\n"
     "De minimale rijsnelheid bedraagt 5 km/h, de maximale rijsnelheid 80 km/h.",
     0, false, "#0.0"},
    {"", "", kDecimalKeys, 0, "NUMERIC;", 0, 1000, "##0.0", kMovementsStatus, kMovementsHelp,
     10000},
    {"", "", kDecimalKeys, 0, "NUMERIC;", 0, 1000, "##0.0", kMovementsStatus, kMovementsHelp,
     10000},
    {"", "", kDecimalKeys, 0, "NUMERIC;", 0, 1000, "##0.0", kMovementsStatus, kMovementsHelp,
     10000},
    {"Bronhoogte", "meter", kDecimalKeys, 0, "NUMERIC;", 0.1, 99, "##0.0",
     "Geef gemiddelde bronhoogte van voertuigen (minimaal 0.1 m¹)",
     "Geef de gemiddelde bronhoogte van de voertuigen over de lijnbron/rijroute.\n"
     "De minimale bronhoogte bedraagt 0.1 m¹."},
    {"Afstand begin", "meter", kDecimalKeys, 0, "NUMERIC;", 1, 500, "##0.0",
     "Geef afstand beginpunt lijnbron tot immissiepunt (minimaal 1 m¹)",
     "Geef de horizontale afstand van het beginpunt van de lijnbron/rijroute tot het "
     "immissiepunt. De minimale afstand bedraagt 1 m¹, de maximale afstand 500 m¹.\n" AFSTAND_NB
     "\n\n" LINE_NB},
    {"Afstand eind", "meter", kDecimalKeys, 0, "NUMERIC;", 1, 500, "##0.0",
     "Geef afstand eindpunt lijnbron tot immissiepunt (minimaal 1 m¹)",
     "Geef de horizontale afstand van het eindpunt van de lijnbron/rijroute tot het "
     "immissiepunt. De minimale afstand bedraagt 1 m¹, de maximale afstand 500 m¹.\n" AFSTAND_NB
     "\n\n" LINE_NB},
}};

constexpr const char* kHoursStatus =
    "Geef totale bedrijfsduur van mobiel/vaste bron per etmaalperiode";
constexpr const char* kHoursHelp =
    "Geef de totale effectieve bedrijfsduur van de mobiele/vaste bron in uren.\n"
    "De maximale effectieve bedrijfsduur bedraagt 12 uren in de dagperiode,\n"
    "4 uren in de avondperiode en 8 uren in de nachtperiode.";

// The sub-source count takes up to 10000 although its status text says 1000.
const std::array<FieldSpec, 8> kMobbron = {{
    {"Specificatie", "", nullptr, 25, "", kNoBound, kNoBound, "",
     "Geef specificatie/omschrijving van mobiele/vaste bron (25 posities)",
     "Geef een nadere specificatie van de mobiele/vaste bron.\n"
     "De ingevoerde mobiele/vaste bron wordt onder vermelding van deze specificatie in de lijst "
     "opgenomen."},
    {"Aantal deelbronnen", "", kDigitKeys, 0, "NUMERIC;", 1, 10000, "##0",
     "Geef aantal deelbronnen van mobiele/vaste bron (maximaal 1000)",
     "Geef het aantal puntbronnen waarmee de mobiele/vaste bron wordt gemodelleerd."},
    {"", "", kDecimalKeys, 0, "NUMERIC;", 0, 12, "#0.0000", kHoursStatus, kHoursHelp},
    {"", "", kDecimalKeys, 0, "NUMERIC;", 0, 4, "#0.0000", kHoursStatus, kHoursHelp},
    {"", "", kDecimalKeys, 0, "NUMERIC;", 0, 8, "#0.0000", kHoursStatus, kHoursHelp},
    {"Bronhoogte", "meter", kDecimalKeys, 0, "NUMERIC;", 0.1, 99, "##0.0",
     "Geef gemiddelde bronhoogte van mobiele/vaste bron (minimaal 0.1 m¹)",
     "Geef de gemiddelde bronhoogte van de mobiele/vaste (punt)bron(nen).\n"
     "De minimale bronhoogte bedraagt 0.1 m¹."},
    {"Kleinste afstand", "meter", kDecimalKeys, 0, "NUMERIC;", 1, 500, "##0.0",
     "Geef afstand meest dichtbij gelegen (deel)bron tot immissiepunt (minimaal 1 m¹)",
     "Geef de horizontale afstand van de meest nabijgelegen puntbron tot het immissiepunt. De "
     "minimale afstand bedraagt 1 m¹, de maximale afstand 500 m¹.\n" AFSTAND_NB},
    {"Grootste afstand", "meter", kDecimalKeys, 0, "NUMERIC;", 1, 500, "##0.0",
     "Geef afstand meest veraf gelegen (deel)bron tot immissiepunt (minimaal 1 m¹)",
     "Geef de horizontale afstand van de meest verafgelegen puntbron tot het immissiepunt. De "
     "minimale afstand bedraagt 1 m¹, de maximale afstand 500 m¹.\n" AFSTAND_NB},
}};

const std::array<FieldSpec, 4> kProject = {{
    {"Projectnummer", "", nullptr, 10, "", kNoBound, kNoBound, "",
     "Geef projectnummer (maximaal 10 posities)", ""},
    {"Datum", "", "1234567890-", 10, "DATE;", kNoBound, kNoBound, "",
     "Geef projectdatum (dd-mm-jjjj) of druk op Kalender", "", 0, true},
    {"Projectnaam", "", nullptr, 50, "", kNoBound, kNoBound, "",
     "Geef projectnaam (maximaal 50 posities)", ""},
    {"Toelichting", "", nullptr, 50, "", kNoBound, kNoBound, "",
     "Geef toelichting (maximaal 50 posities)", ""},
}};

// The receiving point's height has no upper bound when its box is left.
const std::array<FieldSpec, 2> kReken = {{
    {"Omschrijving immissiepunt", "", nullptr, 30, "", kNoBound, kNoBound, "",
     "Geef omschrijving immissiepunt (maximaal 30 posities)", ""},
    {"Hoogte immissiepunt", "meter", kDecimalKeys, 0, "NUMERIC;", 1.5, 1e99, "##0.0",
     "Geef beoordelingshoogte op immissiepunt", "", 99, true},
}};

const std::array<FieldSpec, 2> kLw = {{
    {"Lw,Aeq", "", kDecimalKeys, 0, "NUMERIC;", 0, 150, "##0.0", "", ""},
    {"Lw,Amax", "", kDecimalKeys, 0, "NUMERIC;", 0, 150, "##0.0", "", ""},
}};

// The operating time has no upper bound here: choosing a period brings it back to its length.
const std::array<FieldSpec, 3> kToeslag = {{
    {"LAeq, totale inrichting", "dB(A)", kDecimalKeys, 0, "NUMERIC;", 0, 150, "##0.0", "", ""},
    {"LAeq, deelbron", "dB(A)", kDecimalKeys, 0, "NUMERIC;", 0, 150, "##0.0", "", ""},
    {"Bedrijfsduur Tb", "uren", kDecimalKeys, 0, "NUMERIC;", 0, 1e99, "#0.0000", "", ""},
}};

constexpr const char* kBronHelp = "Selecteer een geluidsbron uit de lijst.\n"
                                  "U kunt geluidsbronnen aan de lijst toevoegen of wijzigen\n"
                                  "met behulp van de tool <LW BRONLIJST>";

const std::array<ComboSpec, 8> kCombos = {{
    {"cmbBron_0", "Geluidsbron", "", "", "Selecteer geluidsbron uit lijst", kBronHelp},
    {"cmbBron_1", "Geluidsbron", "", "", "Selecteer geluidsbron uit lijst", kBronHelp},
    {"cmbLijnbron_0", "Reflectie", "dB", "0|2",
     "Reflectiebijdrage lijnbron/rijlijn in richting van immissiepunt",
     "Selecteer de reflectiebijdrage van de lijnbron/rijlijn in de richting van het "
     "immissiepunt.\n0 dB = geen reflectiebijdrage,\n"
     "2 dB = reflecties in vlak achter bron (zie § 4.7.2.3 HMRI:1999)."},
    {"cmbLijnbron_1", "Afscherming", "dB", "0|5",
     "Afscherming lijnbron/rijlijn gezien vanuit immissiepunt",
     "Selecteer de overdrachtsdemping van een afschermend object tussen lijnbron/rijroute en "
     "het immissiepunt.\n0 dB = geen afscherming,\n"
     "5 dB = afscherming conform voorwaarden uit § 4.7.1.2 HMRI:1999."},
    {"cmbMobbron_0", "Reflectie", "dB", "0|2",
     "Reflectiebijdrage mobiele/vaste bron in richting van immissiepunt",
     "Selecteer de reflectiebijdrage van de mobiele/vaste bron in de richting van het "
     "immissiepunt.\n0 dB = geen reflectiebijdrage,\n"
     "2 dB = reflecties in vlak achter bron conform voorwaarden uit § 4.7.2.3 HMRI:1999."},
    {"cmbMobbron_1", "Afscherming", "dB", "0|5",
     "Afscherming mobiele/vaste bron gezien vanuit immissiepunt",
     "Selecteer de overdrachtsdemping van een afschermend object tussen mobiele/vaste bron en "
     "het immissiepunt.\n0 dB = geen afscherming,\n"
     "5 dB = afscherming conform voorwaarden uit § 4.7.1.2 HMRI:1999."},
    {"cmbReken_0", "Bodemgesteldheid", "", "hard|zacht", "Bodemgesteldheid op immissiepunt", ""},
    {"cmbReken_1", "Gevelreflectie", "dB", "0|3", "Reflectiebijdrage op immissiepunt", ""},
}};

struct EnterStep {
    const char* from;
    const char* to;
};
constexpr EnterStep kComboEnter[] = {
    {"cmbBron_0", "txtLijnbron_0"},     {"cmbBron_1", "txtMobbron_0"},
    {"cmbLijnbron_0", "cmbLijnbron_1"}, {"cmbLijnbron_1", "cmbBron_0"},
    {"cmbMobbron_0", "cmbMobbron_1"},   {"cmbMobbron_1", "cmbBron_1"},
    {"cmbReken_0", "cmbReken_1"},       {"cmbReken_1", "txtReken_0"},
};

} // namespace

std::span<const FieldSpec> fieldTable(FieldGroup group) {
    switch (group) {
    case FieldGroup::Lijnbron:
        return kLijnbron;
    case FieldGroup::Mobbron:
        return kMobbron;
    case FieldGroup::Project:
        return kProject;
    case FieldGroup::Reken:
        return kReken;
    case FieldGroup::Lw:
        return kLw;
    case FieldGroup::Toeslag:
        return kToeslag;
    }
    return {};
}

const FieldSpec& fieldRule(FieldGroup group, int index) {
    return fieldTable(group)[static_cast<std::size_t>(index)];
}

QString groupName(FieldGroup group) {
    switch (group) {
    case FieldGroup::Lijnbron:
        return QStringLiteral("txtLijnbron");
    case FieldGroup::Mobbron:
        return QStringLiteral("txtMobbron");
    case FieldGroup::Project:
        return QStringLiteral("txtProject");
    case FieldGroup::Reken:
        return QStringLiteral("txtReken");
    case FieldGroup::Lw:
        return QStringLiteral("txtLw");
    case FieldGroup::Toeslag:
        return QStringLiteral("Text");
    }
    return {};
}

QString fieldName(FieldGroup group, int index) {
    return groupName(group) + QLatin1Char('_') + QString::number(index);
}

std::span<const ComboSpec> comboTable() {
    return kCombos;
}

const ComboSpec* comboSpec(const QString& name) {
    for (const ComboSpec& rule : kCombos)
        if (name == QLatin1String(rule.name)) return &rule;
    return nullptr;
}

QString listStatusText(SourceKind kind, int count) {
    return QString::number(count) + (kind == LineSource ? QStringLiteral(" lijnbronnen/rijroutes")
                                                        : QStringLiteral(" mobiele/vaste bronnen"));
}

QString listHelpText() {
    return QStringLiteral("Selecteer een (reeds ingevoerde) geluidsbron uit de lijst.\n"
                          "U kunt met behulp van de knoppenbalk boven de lijst\n"
                          "geluidsbronnen toevoegen, wijzigen, wissen of sorteren.");
}

bool acceptsKey(const FieldSpec& rule, QChar c) {
    if (c == QChar(8) || c == QChar(27) || c == QChar(13)) return true;
    if (!rule.keys) return inWin1252(c);
    return c.unicode() < 128 && std::strchr(rule.keys, static_cast<char>(c.unicode())) &&
           c.unicode() != 0;
}

KeyColour keyColour(const FieldSpec& rule, QChar c, bool editingMany) {
    if (!acceptsKey(rule, c)) return KeyColour::Refused;
    return editingMany && !rule.singleColour ? KeyColour::EditMany : KeyColour::Normal;
}

namespace {

ValidateResult checkBox(const FieldSpec& rule, QStringView text, double upper, QStringView today) {
    const bool number = rule.format[0] != 0;
    return ValiDate(text, QString::fromLatin1(rule.tag), number ? upper : kNoUpperBound,
                    number ? rule.lower : kNoLowerBound, QString::fromLatin1(rule.format), today);
}

} // namespace

ValidateResult leaveBox(FieldGroup group, int index, QStringView text, QStringView today) {
    const FieldSpec& rule = fieldRule(group, index);
    return checkBox(rule, text, rule.upper, today);
}

ValidateResult storeBox(FieldGroup group, int index, QStringView text) {
    const FieldSpec& rule = fieldRule(group, index);
    return checkBox(rule, text, rule.storeUpper != 0 ? rule.storeUpper : rule.upper, {});
}

QString showBox(FieldGroup group, int index, double value) {
    const FieldSpec& rule = fieldRule(group, index);
    return formatNumber(value,
                        QString::fromLatin1(rule.showFormat ? rule.showFormat : rule.format));
}

int nextFieldIndex(FieldGroup group, int index, bool forward, bool farthestEnabled) {
    int last = static_cast<int>(fieldTable(group).size()) - 1;
    if (group == FieldGroup::Mobbron && !farthestEnabled) last = 6;
    if (forward) return index >= last ? 0 : index + 1;
    return index <= 0 ? last : std::min(index - 1, last);
}

QString comboEnterTarget(QStringView comboName) {
    for (const EnterStep& step : kComboEnter)
        if (comboName == QLatin1String(step.from)) return QLatin1String(step.to);
    return {};
}

} // namespace orv

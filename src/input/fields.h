#pragma once
// The one table of field rules: for every text box of the input form, the library editor's
// level boxes and the surcharge tool's boxes the keys it accepts, the bounds and display
// format applied when it is left (and when it is stored), its label, status and help text;
// for the input form's combo boxes their items and texts. The windows bind these to
// controls found by object name and ask the functions below what a key, a box left or a
// box stored comes to.

#include "input/validate.h"
#include "model/records.h"

#include <QString>
#include <QStringView>
#include <span>

namespace orv {

// The four text-box arrays of the form; the index within an array is the control index.
// The library editor's two levels (txtLw) and the surcharge tool's three boxes (Text) follow.
enum class FieldGroup { Lijnbron, Mobbron, Project, Reken, Lw, Toeslag };

struct FieldSpec {
    const char* label; // as on the form and in "... niet ingevuld!"; empty for a period box
    const char* unit;  // "meter", "km/h", or empty
    const char* keys;  // characters accepted; nullptr: any
    int maxLength;     // 0: no limit
    const char* tag;   // "NUMERIC;", "DATE;" or empty (trimmed only)
    double lower;      // bounds and format applied on leaving the box
    double upper;
    const char* format; // empty: no number
    const char* status; // status-bar text on focus
    const char* help;   // help lines joined by '\n'; empty for none
    // The commit's upper bound where it differs from the one on leaving; 0: the same.
    double storeUpper = 0;
    // A key taken paints light yellow even while several sources are edited at once.
    bool singleColour = false;
    // The format in which a list click shows the record's value, where it differs from the
    // one of leaving the box.
    const char* showFormat = nullptr;
};

struct ComboSpec {
    const char* name; // object name, "cmbLijnbron_0"
    const char* label;
    const char* unit;
    const char* items; // items joined by '|'; empty: filled from the library
    const char* status;
    const char* help;
};

std::span<const FieldSpec> fieldTable(FieldGroup group);
// "txtLijnbron", "txtMobbron", "txtProject", "txtReken".
QString groupName(FieldGroup group);
// The box's object name, "txtLijnbron_3".
QString fieldName(FieldGroup group, int index);
std::span<const ComboSpec> comboTable();
const ComboSpec* comboSpec(const QString& name);

// The status and help texts of the source list of a kind; count is the number of entries.
QString listStatusText(SourceKind kind, int count);
QString listHelpText();

const FieldSpec& fieldRule(FieldGroup group, int index);

// Whether a typed character is taken by the box. Backspace, Escape and Enter always are; a
// character that the files cannot hold never is.
bool acceptsKey(const FieldSpec& rule, QChar c);

// The colour a box gets after a key: refused, or taken (light yellow, or cyan while several
// sources are edited at once, except in the boxes that always stay light yellow).
enum class KeyColour { Refused, Normal, EditMany };
KeyColour keyColour(const FieldSpec& rule, QChar c, bool editingMany);

// The box left: checked against its bounds and display format (text boxes only trimmed, the
// date checked; an empty date is today, "dd-mm-yyyy").
ValidateResult leaveBox(FieldGroup group, int index, QStringView text, QStringView today);
// The box stored by the commit, with the commit's bounds.
ValidateResult storeBox(FieldGroup group, int index, QStringView text);
// A record's value as a list click shows it in the box.
QString showBox(FieldGroup group, int index, double value);

// The box that Enter or Down (forward) or Up (back) moves to inside an array, wrapping
// round. farthestEnabled: whether txtMobbron_7 is in use (not with one sub-source).
int nextFieldIndex(FieldGroup group, int index, bool forward, bool farthestEnabled = true);
// The control that Enter in a combo box moves to, by object name; empty when none.
QString comboEnterTarget(QStringView comboName);

} // namespace orv

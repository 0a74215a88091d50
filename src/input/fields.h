#pragma once
// The input form's fields: for every text box and combo box the record field it edits, the
// keys it accepts, the bounds and display format applied when it is left, its status text
// and its help text. The window binds these to controls found by object name.

#include <QString>
#include <QStringView>
#include <span>

namespace orv {

// The four text-box arrays of the form; the index within an array is the control index.
enum class FieldGroup { Lijnbron, Mobbron, Project, Reken };

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
QString listStatusText(int kind, int count);
QString listHelpText();

// Whether a typed character is taken by the box. Backspace, Escape and Enter always are.
bool acceptsKey(const FieldSpec& rule, QChar c);

// The box that Enter or Down (forward) or Up (back) moves to inside an array, wrapping
// round. farthestEnabled: whether txtMobbron_7 is in use (not with one sub-source).
int nextFieldIndex(FieldGroup group, int index, bool forward, bool farthestEnabled = true);
// The control that Enter in a combo box moves to, by object name; empty when none.
QString comboEnterTarget(QStringView comboName);

} // namespace orv

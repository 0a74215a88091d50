#pragma once
// What a calculation step, check or command answers: done, or refused with the reason and
// the exact Dutch message the user is to read, plus the warnings of a run that went on.
// The core never shows these itself: the command line and the main window's state turn
// them into messages, each in one place.

#include <QString>
#include <QStringList>

namespace orv {

enum class Refusal {
    None = 0,
    NoSources,        // neither kind has a source
    Geometry,         // a source's distances do not fit its length, or a point lies on the receiver
    DamagedValue,     // a value that only a damaged file can hold
    Cancelled,        // the user left a dialog without confirming: nothing changed, nothing to say
    TotalMissing,     // surcharge tool: no total level given
    SourceAboveTotal, // surcharge tool: the source is louder than the whole site
};

struct Outcome {
    Refusal refusal = Refusal::None;
    QString message;      // the refusal's text; empty when done or cancelled
    QStringList warnings; // shown while the run went on (minimum point sources)

    bool done() const { return refusal == Refusal::None; }
    static Outcome refused(Refusal why, const QString& text = {}) { return {why, text, {}}; }
};

} // namespace orv

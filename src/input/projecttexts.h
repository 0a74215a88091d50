#pragma once
// The project tab: the project record shown in its boxes, and AcceptProject, which takes the
// boxes back into the record.

#include "input/validate.h"
#include "model/records.h"

#include <array>
#include <QString>

namespace orv {

struct ProjectTexts {
    std::array<QString, 4> project; // txtProject_0..3: number, date, name, remarks
    std::array<QString, 2> reken;   // txtReken_0..1: receiver description and height
    QString groundType;             // cmbReken_0
    QString facadeReflection;       // cmbReken_1
};

ProjectTexts showProject(const ProjectRecord& project);

struct ProjectOutcome {
    ValidateResult date;
    ValidateResult height;
};

// The texts trimmed and cut to their widths, the receiver height checked to 1.5..99 and
// rounded to one decimal. A date that does not exist, or a height that is no number, leaves
// the record's value as it was; the outcome tells the form which box to mark. An empty date
// stays empty (only leaving its box fills in today).
ProjectOutcome AcceptProject(const ProjectTexts& texts, ProjectRecord& project);

} // namespace orv

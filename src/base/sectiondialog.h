#pragma once
// The report composition dialog of a calculation command, a report window that the
// calculation run asks through this interface.

#include "base/reportkind.h"

namespace orv {

class SectionDialog {
public:
    virtual ~SectionDialog() = default;
    // Sets the sections as the boxes stand when it closes (it opens with every box of the
    // report ticked) and returns true when the user confirmed it.
    virtual bool composeSections(ReportKind reportKind, Sections& sections) = 0;
};

} // namespace orv

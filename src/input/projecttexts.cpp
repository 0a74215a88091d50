#include "input/projecttexts.h"

#include "base/numberformat.h"
#include "base/win1252.h"

namespace orv {

ProjectTexts showProject(const ProjectRecord& p) {
    ProjectTexts t;
    t.project = {trimmed(p.projectNumber), trimmed(p.projectDate), trimmed(p.projectName),
                 trimmed(p.remarks)};
    t.reken = {trimmed(p.receiverDescription), formatNumber(p.receiverHeight, u"#0.0")};
    t.groundType = trimmed(p.groundType);
    t.facadeReflection = QString::number(p.facadeReflection);
    return t;
}

ValidateResult AcceptProject(const ProjectTexts& t, ProjectRecord& p) {
    p.projectNumber = fixedText(trimmed(t.project[0]), kProjectNumberWidth);
    p.projectDate = fixedText(trimmed(t.project[1]), kProjectDateWidth);
    p.projectName = fixedText(trimmed(t.project[2]), kProjectNameWidth);
    p.remarks = fixedText(trimmed(t.project[3]), kRemarksWidth);
    p.receiverDescription = fixedText(trimmed(t.reken[0]), kReceiverDescriptionWidth);
    const ValidateResult height = ValiDate(t.reken[1], kTagNumeric, 99, 1.5, u"##0.0", {});
    if (height.accepted) p.receiverHeight = height.number();
    p.groundType = fixedText(trimmed(t.groundType), kGroundTypeWidth);
    bool ok = false;
    const int facade = trimmed(t.facadeReflection).toInt(&ok);
    if (ok) p.facadeReflection = static_cast<qint16>(facade);
    return height;
}

} // namespace orv

#include "input/projecttexts.h"

#include "base/numberformat.h"
#include "base/win1252.h"
#include "input/fields.h"

namespace orv {

ProjectTexts showProject(const ProjectRecord& p) {
    ProjectTexts t;
    t.project = {trimmed(p.projectNumber), trimmed(p.projectDate), trimmed(p.projectName),
                 trimmed(p.remarks)};
    t.reken = {trimmed(p.receiverDescription), showBox(FieldGroup::Reken, 1, p.receiverHeight)};
    t.groundType = trimmed(p.groundType);
    t.facadeReflection = QString::number(p.facadeReflection);
    return t;
}

ProjectOutcome AcceptProject(const ProjectTexts& t, ProjectRecord& p) {
    ProjectOutcome out;
    p.projectNumber = fixedText(trimmed(t.project[0]), kProjectNumberWidth);
    const QString date = trimmed(t.project[1]);
    out.date = date.isEmpty() ? ValidateResult{true, date, {}}
                              : leaveBox(FieldGroup::Project, 1, date, {});
    if (out.date.accepted) p.projectDate = fixedText(out.date.text, kProjectDateWidth);
    p.projectName = fixedText(trimmed(t.project[2]), kProjectNameWidth);
    p.remarks = fixedText(trimmed(t.project[3]), kRemarksWidth);
    p.receiverDescription = fixedText(trimmed(t.reken[0]), kReceiverDescriptionWidth);
    out.height = storeBox(FieldGroup::Reken, 1, t.reken[1]);
    if (out.height.accepted) p.receiverHeight = out.height.number();
    p.groundType = fixedText(trimmed(t.groundType), kGroundTypeWidth);
    bool ok = false;
    const int facade = trimmed(t.facadeReflection).toInt(&ok);
    if (ok) p.facadeReflection = static_cast<qint16>(facade);
    return out;
}

} // namespace orv

#include "app/geometryfields.h"

#include "input/fields.h"

namespace orv {

BoxesGeometry geometryTestOfBoxes(const std::array<QString, 10>& boxes, const QString& lineEnd) {
    BoxesGeometry out;
    constexpr int kRead[] = {1, 2, 8, 9}; // length, point sources, start, end
    double values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const int box = kRead[i];
        const ValidateResult r =
            leaveBox(FieldGroup::Lijnbron, box, boxes[static_cast<std::size_t>(box)], {});
        if (!r.accepted) {
            out.refusedBox = box;
            out.toolTip = r.toolTip;
            return out;
        }
        out.normalised.emplace_back(box, r.text);
        values[i] = r.number();
    }
    out.test = geometryTest(values[0], values[2], values[3], boxes[0], lineEnd);
    out.startDistance = values[2];
    out.endDistance = values[3];
    return out;
}

} // namespace orv

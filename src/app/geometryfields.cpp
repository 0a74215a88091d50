#include "app/geometryfields.h"

#include "input/validate.h"

namespace orv {

std::optional<BoxesGeometry> geometryTestOfBoxes(const LineSourceBoxes& boxes,
                                                 const QString& lineEnd) {
    struct Box {
        const QString& text;
        double upper;
        double lower;
        QStringView format;
    };
    const Box checked[] = {{boxes.length, 1000, 1, u"##0.0"},
                           {boxes.pointCount, 1000, 1, u"#0"},
                           {boxes.startDistance, 500, 1, u"##0.0"},
                           {boxes.endDistance, 500, 1, u"##0.0"}};
    double values[4];
    for (int i = 0; i < 4; ++i) {
        const Box& box = checked[i];
        const ValidateResult result =
            ValiDate(box.text, kTagNumeric, box.upper, box.lower, box.format, u"");
        if (!result.accepted) return std::nullopt;
        values[i] = result.number();
    }
    return BoxesGeometry{geometryTest(values[0], values[2], values[3], boxes.description, lineEnd),
                         values[2], values[3]};
}

} // namespace orv

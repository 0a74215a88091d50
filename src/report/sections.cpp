#include "report/sections.h"

#include "report/reporttexts.h"

#include <array>

namespace orv {

QStringView sectionCaption(ReportKind reportKind, int box) {
    if (box < 0 || box > 3) return {};
    switch (reportKind) {
    case ReportKind::Cb:
    case ReportKind::Emission: {
        static constexpr std::array<QStringView, 4> captions{u"Projectgegevens", texts::kGroupLine,
                                                             texts::kGroupMobile, QStringView()};
        return captions[static_cast<std::size_t>(box)];
    }
    case ReportKind::Transmission: {
        static constexpr std::array<QStringView, 4> captions{
            u"Projectgegevens", u"Rekenparameters", texts::kGroupLine, texts::kGroupMobile};
        return captions[static_cast<std::size_t>(box)];
    }
    case ReportKind::None:
        break;
    }
    return {};
}

} // namespace orv

#include "report/sections.h"

#include "report/reporttexts.h"

namespace orv {

QStringView sectionCaption(int reportKind, int box) {
    if (box < 0 || box > 3) return {};
    switch (reportKind) {
    case 1:
    case 3: {
        static constexpr std::array<QStringView, 4> captions{u"Projectgegevens", texts::kGroupLine,
                                                             texts::kGroupMobile, QStringView()};
        return captions[static_cast<std::size_t>(box)];
    }
    case 2: {
        static constexpr std::array<QStringView, 4> captions{
            u"Projectgegevens", u"Rekenparameters", texts::kGroupLine, texts::kGroupMobile};
        return captions[static_cast<std::size_t>(box)];
    }
    default:
        return {};
    }
}

std::array<int, 4> initialSectionFlags(int reportKind) {
    std::array<int, 4> flags{};
    for (int box = 0; box < 4; ++box)
        flags[static_cast<std::size_t>(box)] = sectionCaption(reportKind, box).isEmpty() ? 0 : 1;
    return flags;
}

void setSectionFlag(std::array<int, 4>& flags, int index, bool ticked) {
    if (index >= 0 && index < 4) flags[static_cast<std::size_t>(index)] = ticked ? 1 : 0;
}

QString sectionFlagsText(const std::array<int, 4>& flags) {
    QString text;
    for (int f : flags)
        text.append(f != 0 ? QLatin1Char('1') : QLatin1Char('0'));
    return text;
}

} // namespace orv

#include "report/overviewstyles.h"

#include "report/printsettings.h"

namespace orv {

namespace {

QString displayBlock(const QString& block) {
    QString text = block;
    return text.remove(QLatin1Char('\r'));
}

} // namespace

QString overviewDisplayText(const State& state) {
    QString text;
    for (const QString& block : state.reportBlocks)
        text += displayBlock(block);
    return text;
}

QList<OverviewFormat> overviewFormats(const State& state) {
    int lengths[10];
    for (int i = 0; i < 10; ++i)
        lengths[i] = static_cast<int>(displayBlock(state.reportBlocks[i]).size());
    const SettingsData& s = state.settings;
    auto styled = [](int start, int length, int size, int style) {
        return OverviewFormat{start, length, size, styleBold(style), styleItalic(style)};
    };
    const int tables = lengths[0] + lengths[1];
    return {styled(0, lengths[0], 10, s.headerStyle),
            styled(lengths[0], lengths[1], 10, s.bodyStyle1),
            styled(tables, lengths[2] + lengths[3], 8, s.bodyStyle2),
            OverviewFormat{tables + lengths[2] + lengths[3], lengths[4], 8, true, false}};
}

} // namespace orv

#include "base/reportkind.h"

namespace orv {

std::optional<ReportKind> reportKindFromNumber(int number) {
    if (number < 1 || number > 3) return std::nullopt;
    return static_cast<ReportKind>(number);
}

QString Sections::text() const {
    QString out;
    for (bool b : boxes_)
        out.append(b ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

std::optional<Sections> Sections::fromText(const QString& text) {
    if (text.size() != 4) return std::nullopt;
    Sections s;
    for (int i = 0; i < 4; ++i) {
        if (text[i] != QLatin1Char('0') && text[i] != QLatin1Char('1')) return std::nullopt;
        s.boxes_[i] = text[i] == QLatin1Char('1');
    }
    return s;
}

Sections Sections::initial(ReportKind kind) {
    Sections s;
    switch (kind) {
    case ReportKind::Cb:
    case ReportKind::Emission:
        s.boxes_ = {true, true, true, false};
        break;
    case ReportKind::Transmission:
        s.boxes_ = {true, true, true, true};
        break;
    case ReportKind::None:
        break;
    }
    return s;
}

} // namespace orv

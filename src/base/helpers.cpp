#include "base/helpers.h"

namespace orv {
namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

qsizetype lastSeparator(QStringView path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i])) return i;
    }
    return -1;
}

// Exchange passes: each pass bubbles the largest remaining value to the end of its range.
void exchangeSort(std::span<double> values) {
    for (std::size_t j = values.size(); j-- > 1;) {
        for (std::size_t i = 0; i < j; ++i) {
            if (values[i] > values[i + 1]) std::swap(values[i], values[i + 1]);
        }
    }
}

} // namespace

QString GetFileName(QStringView path) {
    const qsizetype at = lastSeparator(path);
    return (at < 0 ? path : path.mid(at + 1)).toString();
}

QString GetFolder(QStringView path) {
    const qsizetype at = lastSeparator(path);
    return (at < 0 ? path : path.left(at)).toString();
}

QString joinPath(QStringView folder, QStringView name) {
    if (!folder.isEmpty() && isSeparator(folder.back())) return folder.toString() + name.toString();
    return folder.toString() + QLatin1Char('/') + name.toString();
}

QStringList SplitText(QStringView text, QStringView delimiter, int limit,
                      Qt::CaseSensitivity compare) {
    QStringList fields;
    qsizetype s = 0;
    if (!delimiter.isEmpty()) {
        qsizetype q = text.indexOf(delimiter, s, compare);
        while (q >= 0 && (limit == -1 || fields.size() <= limit)) {
            fields.append(text.mid(s, q - s).toString());
            s = q + delimiter.size();
            q = text.indexOf(delimiter, s, compare);
        }
    }
    if (s < text.size()) fields.append(text.mid(s).toString());
    return fields;
}

double ArrayMax(std::span<double> values) {
    exchangeSort(values);
    return values.empty() ? 0.0 : values.back();
}

double ArrayMin(std::span<double> values) {
    exchangeSort(values);
    return values.empty() ? 0.0 : values.front();
}

} // namespace orv

#include "input/commit.h"

#include "base/numberformat.h"
#include "base/win1252.h"
#include "input/validate.h"

namespace orv {
namespace {

// Boxes that a single input may leave empty, and what they get then.
enum class WhenEmpty { Message, Zero, Nearest };

WhenEmpty whenEmpty(SourceKind kind, int box) {
    if (kind == LineSource) return box >= 4 && box <= 6 ? WhenEmpty::Zero : WhenEmpty::Message;
    if (box >= 2 && box <= 4) return WhenEmpty::Zero;
    return box == 7 ? WhenEmpty::Nearest : WhenEmpty::Message;
}

qint16 toInt16(const QString& text) {
    bool ok = false;
    const int value = trimmed(text).toInt(&ok);
    return ok ? static_cast<qint16>(value) : 0;
}

void storeNumbers(SourceKind kind, const SourceTexts& t, SourceRecord& r) {
    auto has = [&](int box) { return !t.boxes[static_cast<std::size_t>(box)].isEmpty(); };
    auto value = [&](int box) {
        return parseNumber(t.boxes[static_cast<std::size_t>(box)]).value_or(0.0);
    };
    if (has(1)) (kind == LineSource ? r.length : r.pointCount) = value(1);
    if (kind == LineSource) {
        if (has(2)) r.pointCount = value(2);
        if (has(3)) r.speed = value(3);
        for (int p = 0; p < kPeriods; ++p)
            if (has(4 + p)) r.movements[p] = value(4 + p);
    } else {
        for (int p = 0; p < kPeriods; ++p)
            if (has(2 + p)) r.operatingHours[p] = value(2 + p);
    }
    const int height = kind == LineSource ? 7 : 5;
    if (has(height)) r.height = value(height);
    if (has(height + 1)) r.distanceA = value(height + 1);
    if (has(height + 2)) r.distanceB = value(height + 2);
}

} // namespace

QString addRefusal(const State& state, SourceKind kind) {
    if (state.sourceCount[static_cast<std::size_t>(kind)] < kMaxSources) return {};
    return QStringLiteral("Maximaal aantal geluidsbronnen bereikt (= 500)!");
}

int checkRequired(SourceKind kind, SourceTexts& texts, QString* message) {
    for (int box = 0; box < boxCount(kind); ++box) {
        QString& text = texts.boxes[static_cast<std::size_t>(box)];
        if (!text.isEmpty()) continue;
        switch (whenEmpty(kind, box)) {
        case WhenEmpty::Zero:
            text = formatNumber(0, QString::fromLatin1(fieldRule(boxGroup(kind), box).format));
            break;
        case WhenEmpty::Nearest:
            text = texts.boxes[6];
            break;
        case WhenEmpty::Message:
            if (message)
                *message = QString::fromUtf8(fieldTable(boxGroup(kind))[box].label) +
                           QStringLiteral(" niet ingevuld!");
            return box;
        }
    }
    return -1;
}

int storeRecord(SourceKind kind, SourceTexts& texts, const SettingsData& settings,
                SourceRecord& record) {
    // Every number first: a box that holds no number stops the store before anything is
    // written, rather than writing 0 as the plain conversion would.
    for (int box = 1; box < boxCount(kind); ++box) {
        QString& text = texts.boxes[static_cast<std::size_t>(box)];
        if (text.isEmpty()) continue;
        const ValidateResult r = storeBox(boxGroup(kind), box, text);
        if (!r.accepted) return box;
        text = r.text;
    }
    if (!texts.sourceName.isEmpty()) {
        record.sourceName = fixedText(trimmed(texts.sourceName), kSourceNameWidth);
        // A name no longer in the library keeps the levels the record has.
        const int entry = texts.libraryPosition + 1;
        if (texts.libraryPosition >= 0 && entry <= settings.libraryCount) {
            record.lwA = settings.library[static_cast<std::size_t>(entry)].lwEq;
            record.lwAMax = settings.library[static_cast<std::size_t>(entry)].lwMax;
        }
    }
    if (!texts.boxes[0].isEmpty())
        record.description = fixedText(trimmed(texts.boxes[0]), kDescriptionWidth);
    storeNumbers(kind, texts, record);
    if (!texts.reflection.isEmpty()) record.reflection = toInt16(texts.reflection);
    if (!texts.screening.isEmpty()) record.screening = toInt16(texts.screening);
    return -1;
}

CommitOutcome commitInput(State& state, const CommitInput& in) {
    CommitOutcome out;
    out.texts = in.texts;
    SourceTexts& t = out.texts;
    const SourceKind kind = in.kind;
    const bool single = in.selectedCount < 2;
    if (single) {
        const int missing = checkRequired(kind, t, &out.message);
        if (missing >= 0) {
            out.status = CommitOutcome::Missing;
            out.box = missing;
            return out;
        }
    }
    // A trial store on a copy finds a box without a number before anything changes.
    SourceRecord trial;
    SourceTexts trialTexts = t;
    const int refused = storeRecord(kind, trialTexts, state.settings, trial);
    if (refused >= 0) {
        out.status = CommitOutcome::Refused;
        out.box = refused;
        out.toolTip = QStringLiteral("Voer geldig getal in");
        return out;
    }
    t = trialTexts;
    if (kind == MobileSource && single) {
        // One sub-source, or a farthest distance below the nearest: both are the nearest.
        const double nearest = parseNumber(t.boxes[6]).value_or(0.0);
        const double farthest = parseNumber(t.boxes[7]).value_or(0.0);
        if (farthest < nearest || !in.farthestEnabled) t.boxes[7] = t.boxes[6];
    }

    auto& table = state.sources[static_cast<std::size_t>(kind)];
    qint16& count = state.sourceCount[static_cast<std::size_t>(kind)];
    auto store = [&](int number) {
        storeRecord(kind, t, state.settings, table[static_cast<std::size_t>(number)]);
        out.currentRow = number - 1;
    };
    if (in.mode == EditMode::Add) {
        if (const QString full = addRefusal(state, kind); !full.isEmpty()) {
            out.status = CommitOutcome::Full;
            out.message = full;
            return out;
        }
        ++count;
        store(count);
    } else if (single) {
        if (in.currentRow < 0 || in.currentRow >= count) return out;
        store(in.currentRow + 1);
    } else {
        for (int row : in.selectedRows)
            if (row >= 0 && row < count) store(row + 1);
    }
    out.status = CommitOutcome::Stored;
    return out;
}

} // namespace orv

// The multi-column drop-down's lookup over 100,000 items (completion per keystroke and open-list type-ahead) beside QCompleter.
#include "dropdown/MultiColumnDropDown.h"

#include "rtl/Strings.h"
#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QCompleter>
#include <QString>
#include <QStringList>
#include <QStringListModel>

#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t ItemCount = 100000;

using Bench::EnsureSession;

// The drop-down's own lookups, reached as its edit and list reach them.
class TLookupDropDown : public TExtMultiColumnDropDown {
public:
    using TExtMultiColumnDropDown::FindCompletion;
    using TExtMultiColumnDropDown::FindLookupMatch;
    using TExtMultiColumnDropDown::TExtMultiColumnDropDown;
};

// Random words, many sharing a stem, some capitalised, in item order.
const QStringList& Words()
{
    static const QStringList words = [] {
        std::mt19937 random(2024);
        const auto letter = [&random] { return QChar(u'a' + char16_t(random() % 26)); };
        QStringList stems;
        for (int i = 0; i < 400; ++i) {
            QString stem;
            for (int n = 2 + int(random() % 3); n > 0; --n) stem += letter();
            stems << stem;
        }
        QStringList list;
        list.reserve(ItemCount);
        for (int i = 0; i < ItemCount; ++i) {
            QString word = stems[int(random() % stems.size())];
            for (int n = 2 + int(random() % 7); n > 0; --n) word += letter();
            if (random() % 2) word[0] = word[0].toUpper();
            list << word;
        }
        return list;
    }();
    return words;
}

// What a user types: 1 to 6 leading characters of words of the list, in another case now and then.
const QStringList& Prefixes()
{
    static const QStringList prefixes = [] {
        std::mt19937 random(99);
        QStringList list;
        for (int i = 0; i < 300; ++i) {
            QString word = Words()[int(random() % ItemCount)];
            if (random() % 3 == 0) word = word.toUpper();
            for (int length = 1; length <= 6 && length <= word.size(); ++length) list << word.left(length);
        }
        return list;
    }();
    return prefixes;
}

// One drop-down filled with the words, built once; EndUpdate time of the filling kept.
struct TFilled {
    std::unique_ptr<TLookupDropDown> DropDown;
    double RebuildSeconds = 0;
};

void Fill(TLookupDropDown* DropDown)
{
    DropDown->BeginUpdate();
    DropDown->Columns()->Add();
    DropDown->Columns()->Add();
    for (const QString& word : Words()) {
        TStringList* lines = DropDown->Items()->Add()->Text();
        lines->Add(word);
        lines->Add(QStringLiteral("x"));
    }
}

TFilled& Filled()
{
    static TFilled filled = [] {
        EnsureSession();
        TFilled made;
        made.DropDown.reset(New<TLookupDropDown>(nullptr));
        Fill(made.DropDown.get());
        const auto start = std::chrono::steady_clock::now();
        made.DropDown->EndUpdate();
        made.RebuildSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return made;
    }();
    return filled;
}

struct TPeer {
    QStringListModel Model{Words()};
    QCompleter Completer;
    TPeer()
    {
        Completer.setModel(&Model);
        Completer.setCaseSensitivity(Qt::CaseInsensitive);
        Completer.setModelSorting(QCompleter::UnsortedModel);
        Completer.setFilterMode(Qt::MatchStartsWith);
    }
    QString Complete(const QString& Prefix)
    {
        Completer.setCompletionPrefix(Prefix);
        return Completer.currentCompletion();
    }
};

TPeer& Peer()
{
    static TPeer peer;
    return peer;
}

QString OurCompletion(TLookupDropDown* DropDown, const QString& Typed)
{
    const int32_t index = DropDown->FindCompletion(Typed);
    return index < 0 ? QString() : Words()[index];
}

QString OurTypeAhead(TLookupDropDown* DropDown, const QString& Typed)
{
    QString found;
    int32_t index = -1;
    DropDown->FindLookupMatch(Typed, found, index);
    return found;
}

// Every answer of ours is QCompleter's; false (and the error set) when one is not.
bool SameAnswers(benchmark::State& State, QString (*Ours)(TLookupDropDown*, const QString&))
{
    for (const QString& prefix : Prefixes()) {
        const QString ours = Ours(Filled().DropDown.get(), prefix);
        const QString peer = Peer().Complete(prefix);
        if (ours != peer) {
            static std::string message;
            message = QStringLiteral("answers differ for %1: %2 / %3").arg(prefix, ours, peer).toStdString();
            State.SkipWithError(message.c_str());
            return false;
        }
    }
    return true;
}

void PerKeystroke(benchmark::State& State, QString (*Ours)(TLookupDropDown*, const QString&))
{
    TLookupDropDown* dropDown = Filled().DropDown.get();
    if (!SameAnswers(State, Ours)) return;
    RunBesidePeer(
        State, "QCompleter",
        [&] {
            for (const QString& prefix : Prefixes()) benchmark::DoNotOptimize(Ours(dropDown, prefix));
        },
        [&] {
            for (const QString& prefix : Prefixes()) benchmark::DoNotOptimize(Peer().Complete(prefix));
        });
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Prefixes().size()));
    State.counters["rebuild_ms"] = Filled().RebuildSeconds * 1000;
}

void BM_MultiColumnCompletionPerKeystroke(benchmark::State& State)
{
    PerKeystroke(State, OurCompletion);
}

void BM_MultiColumnTypeAheadPerKeystroke(benchmark::State& State)
{
    PerKeystroke(State, OurTypeAhead);
}

// The lookup list rebuilt by EndUpdate over the 100,000 items.
void BM_MultiColumnLookupRebuild(benchmark::State& State)
{
    TLookupDropDown* dropDown = Filled().DropDown.get();
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        dropDown->EndUpdate();
        State.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

}  // namespace

BENCHMARK(BM_MultiColumnCompletionPerKeystroke)->UseManualTime();
BENCHMARK(BM_MultiColumnTypeAheadPerKeystroke)->UseManualTime();
BENCHMARK(BM_MultiColumnLookupRebuild)->UseManualTime()->Unit(benchmark::kMillisecond);

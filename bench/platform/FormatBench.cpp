// Number texts in hot loops: StrToInt, FloatToStr, FormatFloat and Format beside Qt's own conversions.
#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"
#include "support/Peer.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>

#include <vector>

namespace {

constexpr int SampleCount = 1024;

// Cell-like numbers: small and large, negative, with and without fractions.
const std::vector<double>& Values()
{
    static const std::vector<double> values = [] {
        std::vector<double> v;
        uint32_t seed = 12345;
        for (int i = 0; i < SampleCount; ++i) {
            seed = seed * 1103515245u + 12345u;
            const double scale = (i % 4 == 0) ? 1e6 : (i % 4 == 1) ? 1.0 : (i % 4 == 2) ? 1e-3 : 1e3;
            v.push_back(((seed >> 8) % 2000000 - 1000000) / 1000.0 * scale);
        }
        return v;
    }();
    return values;
}

const std::vector<QString>& IntegerTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        for (const double value : Values())
            t.push_back(QString::number(static_cast<int32_t>(value / 1000)));
        return t;
    }();
    return texts;
}

const std::vector<QString>& FloatTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        for (const double value : Values())
            t.push_back(QString::number(value, 'g', 15));
        return t;
    }();
    return texts;
}

// Ours and the peer over the same samples, one item per sample.
template <typename T, typename FOurs, typename FPeer>
void OverSamples(benchmark::State& State, const std::vector<T>& Samples, const char* PeerName, FOurs&& Ours,
                 FPeer&& Peer)
{
    RunBesidePeer(
        State, PeerName,
        [&] {
            for (const T& sample : Samples)
                benchmark::DoNotOptimize(Ours(sample));
        },
        [&] {
            for (const T& sample : Samples)
                benchmark::DoNotOptimize(Peer(sample));
        });
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Samples.size()));
}

void BM_StrToInt(benchmark::State& State)
{
    OverSamples(State, IntegerTexts(), "QString_toInt", [](const QString& s) { return StrToInt(s); },
                [](const QString& s) { return s.toInt(); });
}

void BM_FloatToStr(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    OverSamples(State, Values(), "QString_number_g15", [](double v) { return FloatToStr(v); },
                [](double v) { return QString::number(v, 'g', 15); });
}

void BM_FormatFloat(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    const QString picture = QStringLiteral("#,##0.00");
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    OverSamples(State, Values(), "QLocale_toString_f2", [&](double v) { return FormatFloat(picture, v); },
                [&](double v) { return locale.toString(v, 'f', 2); });
}

void BM_FormatFixed(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    const QString fmt = QStringLiteral("%.2f");
    OverSamples(State, Values(), "QString_number_f2", [&](double v) { return Format(fmt, {v}); },
                [](double v) { return QString::number(v, 'f', 2); });
}

void BM_StrToFloat(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    OverSamples(State, FloatTexts(), "QString_toDouble", [](const QString& s) { return StrToFloat(s); },
                [](const QString& s) { return s.toDouble(); });
}

// The cost of fetching the system locale's settings at each use, a thousand uses an item.
void BM_SystemSettings(benchmark::State& State)
{
    constexpr int Uses = 1000;
    RunBesidePeer(
        State, "QLocale_system",
        [] {
            for (int i = 0; i < Uses; ++i)
                benchmark::DoNotOptimize(FormatSettings().DecimalSeparator);
        },
        [] {
            for (int i = 0; i < Uses; ++i)
                benchmark::DoNotOptimize(QLocale::system().decimalPoint());
        });
    State.SetItemsProcessed(int64_t(State.iterations()) * Uses);
}

}  // namespace

BENCHMARK(BM_StrToInt)->UseManualTime();
BENCHMARK(BM_FloatToStr)->UseManualTime();
BENCHMARK(BM_FormatFloat)->UseManualTime();
BENCHMARK(BM_FormatFixed)->UseManualTime();
BENCHMARK(BM_StrToFloat)->UseManualTime();
BENCHMARK(BM_SystemSettings)->UseManualTime();

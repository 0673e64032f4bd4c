// Number texts in hot loops: StrToInt, FloatToStr, FormatFloat and Format beside Qt's own conversions.
#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"

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

// Runs Body over the samples, one item per sample.
template <typename T, typename F>
void OverSamples(benchmark::State& State, const std::vector<T>& Samples, F&& Body)
{
    for (auto _ : State) {
        for (const T& sample : Samples)
            benchmark::DoNotOptimize(Body(sample));
    }
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Samples.size()));
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

void BM_StrToInt_Ours(benchmark::State& State)
{
    OverSamples(State, IntegerTexts(), [](const QString& s) { return StrToInt(s); });
}

void BM_StrToInt_Qt(benchmark::State& State)
{
    OverSamples(State, IntegerTexts(), [](const QString& s) { return s.toInt(); });
}

void BM_FloatToStr_Ours(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    OverSamples(State, Values(), [](double v) { return FloatToStr(v); });
}

void BM_FloatToStr_Qt(benchmark::State& State)
{
    OverSamples(State, Values(), [](double v) { return QString::number(v, 'g', 15); });
}

void BM_FormatFloat_Ours(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    const QString picture = QStringLiteral("#,##0.00");
    OverSamples(State, Values(), [&](double v) { return FormatFloat(picture, v); });
}

void BM_FormatFloat_Qt(benchmark::State& State)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    OverSamples(State, Values(), [&](double v) { return locale.toString(v, 'f', 2); });
}

void BM_FormatFixed_Ours(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    const QString fmt = QStringLiteral("%.2f");
    OverSamples(State, Values(), [&](double v) { return Format(fmt, {v}); });
}

void BM_FormatFixed_Qt(benchmark::State& State)
{
    OverSamples(State, Values(), [](double v) { return QString::number(v, 'f', 2); });
}

void BM_StrToFloat_Ours(benchmark::State& State)
{
    const TFormatSettingsScope invariant(TFormatSettings::Invariant());
    OverSamples(State, FloatTexts(), [](const QString& s) { return StrToFloat(s); });
}

void BM_StrToFloat_Qt(benchmark::State& State)
{
    OverSamples(State, FloatTexts(), [](const QString& s) { return s.toDouble(); });
}

// The cost of fetching the system locale's settings at each use.
void BM_SystemSettings_Ours(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(FormatSettings().DecimalSeparator);
}

void BM_SystemSettings_Qt(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(QLocale::system().decimalPoint());
}

}  // namespace

BENCHMARK(BM_StrToInt_Ours);
BENCHMARK(BM_StrToInt_Qt);
BENCHMARK(BM_FloatToStr_Ours);
BENCHMARK(BM_FloatToStr_Qt);
BENCHMARK(BM_FormatFloat_Ours);
BENCHMARK(BM_FormatFloat_Qt);
BENCHMARK(BM_FormatFixed_Ours);
BENCHMARK(BM_FormatFixed_Qt);
BENCHMARK(BM_StrToFloat_Ours);
BENCHMARK(BM_StrToFloat_Qt);
BENCHMARK(BM_SystemSettings_Ours);
BENCHMARK(BM_SystemSettings_Qt);

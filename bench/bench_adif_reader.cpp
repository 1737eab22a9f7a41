// Reading ADIF text without a logbook: the bytes decoded, cut into records and every record's
// fields read, as an import does before it looks at a field. Hostile shapes (a long run of "<")
// must cost no more per byte than a realistic export.

#include "adif/AdifText.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

namespace {

/** Every record's fields; answers how many fields were read. */
qsizetype readAll(const QByteArray &bytes)
{
    const adif::PreparedAdif prepared = adif::prepareAdif(bytes);
    qsizetype fields = 0;
    for (qsizetype i = 0; i < prepared.spans.size(); ++i)
        fields += prepared.record(i).fields.size();
    return fields;
}

void readBytes(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

/** One record whose comment is a run of "<" of the given length, declared correctly. */
void lessThanRunInComment(benchmark::State &state)
{
    const QByteArray run(state.range(0), '<');
    readBytes(state,
              "<call:5>DL1AB <comment:" + QByteArray::number(run.size()) + '>' + run + " <eor>\n");
}
BENCHMARK(lessThanRunInComment)
    ->Arg(100000)
    ->Arg(400000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond);

/** The same run after the last field, where no declared length skips it and no field follows. */
void lessThanRunAfterFields(benchmark::State &state)
{
    readBytes(state, "<call:5>DL1AB <mode:2>CW " + QByteArray(state.range(0), '<') + " <eor>\n");
}
BENCHMARK(lessThanRunAfterFields)
    ->Arg(100000)
    ->Arg(400000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond);

/** An export of the given number of QSOs as our writer lays them out, with a header, names in
 *  UTF-8 and a comment in every tenth record. */
QByteArray exportFile(qsizetype records)
{
    QByteArray text = "Exported QSOs\n<adif_ver:5>3.1.4 <programid:11>Brindlewick <eoh>\n\n";
    const char *names[] = {"Jörg", "René", "Ann", "Åsa"};
    for (qsizetype i = 0; i < records; ++i) {
        const QByteArray call = "DL" + QByteArray::number(i % 10) + "A" +
                                QByteArray(1, char('A' + i % 26)) +
                                QByteArray(1, char('A' + i / 26 % 26));
        const QByteArray name = names[i % 4];
        text += "<call:" + QByteArray::number(call.size()) + '>' + call +
                " <qso_date:8>20240501 <time_on:6>123456 <band:3>20m <freq:9>14.025000  "
                "<mode:2>CW <rst_sent:3>599 <rst_rcvd:3>579 <name:" +
                QByteArray::number(QString::fromUtf8(name).size()) + '>' + name +
                " <dxcc:3>230 <eqsl_qsl_rcvd:1>N <eqsl_qsl_sent:1>N <lotw_qsl_rcvd:1>N "
                "<lotw_qsl_sent:1>N <app_tarvex_colorcode:1>0 ";
        if (i % 10 == 0)
            text += "<comment:20>Tnx fer QSO, 73 & GL ";
        text += "<eor>\n";
    }
    return text;
}

void realisticFile(benchmark::State &state)
{
    readBytes(state, exportFile(state.range(0)));
}
BENCHMARK(realisticFile)->Arg(100000)->Unit(benchmark::kMillisecond);

/** A million records of one short field each. */
void tinyRecords(benchmark::State &state)
{
    QByteArray text;
    for (qsizetype i = 0; i < state.range(0); ++i)
        text += "<call:1>A<eor>";
    readBytes(state, text);
}
BENCHMARK(tinyRecords)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

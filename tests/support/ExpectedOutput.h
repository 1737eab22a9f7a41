#pragma once

// Parser cases as stored files: an input X.<ext> with X.expected.json beside it. A test lists a
// folder of inputs as its data rows, turns the parser's result into JSON and compares it with the
// expected file; a mismatch names the first JSON path that differs. With
// BRINDLEWICK_UPDATE_EXPECTED=1 the actual output is written as the new expected file instead
// (read it before committing: it must show what is right, not merely what the code does).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QtTest>

namespace expected {

inline constexpr char kSuffix[] = ".expected.json";

/** The path of the expected output for an input file: "X.ext" → "X.expected.json". */
[[nodiscard]] inline QString expectedPathFor(const QString &input)
{
    const QFileInfo info(input);
    return info.dir().filePath(info.completeBaseName() + QLatin1String(kSuffix));
}

/** One data row per input file in `folder` (sorted by name, expected files and READMEs left
 *  out), named after the file, with the path in the column "input". */
inline void addInputRows(const QString &folder)
{
    QTest::addColumn<QString>("input");
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), qPrintable(QStringLiteral("no inputs in ") + folder));
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(kSuffix)) || name.startsWith(QLatin1String("README")))
            continue;
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
}

[[nodiscard]] inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qWarning("cannot read %s", qPrintable(path));
    return file.readAll();
}

[[nodiscard]] inline QString shown(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("(absent)");
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(
        QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).chopped(1).mid(1));
}

/** The first place where `actual` differs from `wanted`, as "path: expected …, got …"; empty
 *  when they are equal. Objects are walked key by key, arrays item by item. */
[[nodiscard]] inline QString firstDifference(const QJsonValue &wanted, const QJsonValue &actual,
                                             const QString &path = QStringLiteral("$"))
{
    if (wanted.isObject() && actual.isObject()) {
        const QJsonObject w = wanted.toObject();
        const QJsonObject a = actual.toObject();
        QStringList keys = w.keys() + a.keys();
        keys.sort();
        keys.removeDuplicates();
        for (const QString &key : keys) {
            const QString found = firstDifference(w.value(key), a.value(key), path + '.' + key);
            if (!found.isEmpty())
                return found;
        }
        return {};
    }
    if (wanted.isArray() && actual.isArray()) {
        const QJsonArray w = wanted.toArray();
        const QJsonArray a = actual.toArray();
        for (qsizetype i = 0; i < std::max(w.size(), a.size()); ++i) {
            const QString found =
                firstDifference(i < w.size() ? w.at(i) : QJsonValue(QJsonValue::Undefined),
                                i < a.size() ? a.at(i) : QJsonValue(QJsonValue::Undefined),
                                path + QStringLiteral("[%1]").arg(i));
            if (!found.isEmpty())
                return found;
        }
        return {};
    }
    if (wanted == actual)
        return {};
    return QStringLiteral("%1:\n  expected %2\n  got      %3")
        .arg(path, shown(wanted), shown(actual));
}

/** Compares `actual` with the expected file of `input`; returns what differs, empty when equal
 *  (or when the expected file was written because BRINDLEWICK_UPDATE_EXPECTED=1). */
[[nodiscard]] inline QString compareWithFile(const QString &input, const QJsonValue &actual)
{
    const QString path = expectedPathFor(input);
    const QJsonDocument document =
        actual.isArray() ? QJsonDocument(actual.toArray()) : QJsonDocument(actual.toObject());
    if (qEnvironmentVariableIntValue("BRINDLEWICK_UPDATE_EXPECTED") == 1) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + path;
        out.write(document.toJson(QJsonDocument::Indented));
        return {};
    }
    QJsonParseError error;
    const QJsonDocument wanted = QJsonDocument::fromJson(readAll(path), &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("%1: %2 (BRINDLEWICK_UPDATE_EXPECTED=1 writes it)")
            .arg(path, error.errorString());
    const QJsonValue w =
        wanted.isArray() ? QJsonValue(wanted.array()) : QJsonValue(wanted.object());
    const QString difference = firstDifference(w, actual);
    return difference.isEmpty() ? difference : path + QStringLiteral("\n") + difference;
}

} // namespace expected

/** Fails the test with the first difference when `actual` is not what the expected file of
 *  `input` holds. */
#define COMPARE_EXPECTED(input, actual)                                                            \
    do {                                                                                           \
        const QString difference_ = expected::compareWithFile((input), (actual));                  \
        QVERIFY2(difference_.isEmpty(), qPrintable(difference_));                                  \
    } while (false)

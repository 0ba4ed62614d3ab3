// The INI store against its plain model (IniReference): a file and a script
// of reads and writes. Every read gives the model's answer; in a file whose
// "[" stand only in plain headers a written key reads back as written; the
// released file holds the model's bytes and reads back the same.
//   script lines: r|section|key  i|section|key  b|section|key  f|section|key
//                 w|section|key|value  n|section|key|number  t|section|key|0 or 1
#include "fuzzsupport.h"
#include "settings/newinifiles.h"
#include "support/inireference.h"

#include <algorithm>
#include <cmath>

namespace {

QByteArray singleLine(QByteArray bytes)
{
    for (char &c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return bytes;
}

bool plainLine(const QByteArray &line)
{
    if (!line.contains('['))
        return true;
    return line.startsWith('[') && line.endsWith(']') && line.count('[') == 1 &&
           line.count(']') == 1;
}

bool plainName(const QByteArray &text)
{
    return !text.contains('[') && !text.contains(']');
}

struct Probe
{
    QString section;
    QString key;
};

// What the store reads, the default standing for "absent" (a value never
// holds a line break).
QString readString(const TNewInifile &store, const Probe &p)
{
    return store.ReadString(p.section, p.key, QStringLiteral("\n"));
}

void checkAgainstModel(const TNewInifile &store, const IniReference &model, const Probe &p)
{
    const std::optional<QByteArray> expected =
        model.lookup(singleLine(p.section.toUtf8()), singleLine(p.key.toUtf8()));
    FUZZ_CHECK(readString(store, p) ==
               (expected ? QString::fromUtf8(*expected) : QStringLiteral("\n")));
}

bool sameFloat(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzzsupport::FileAndScript input =
        fuzzsupport::splitInput(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    static const QString path = fuzzsupport::scratchFile(QStringLiteral("store.ini"));
    fuzzsupport::putFile(path, input.file);
    TNewInifile store(path);
    IniReference model(input.file);

    QList<QList<QByteArray>> script = input.script;
    if (script.isEmpty())
        script = {{"r", "Main", "Para"}, {"r", "Main", "0"}, {"w", "Main", "Profile", "1"}};
    QList<Probe> probes;
    for (const QList<QByteArray> &op : std::as_const(script)) {
        if (op.size() < 3 || op[0].size() != 1)
            continue;
        const Probe p{QString::fromUtf8(op[1]), QString::fromUtf8(op[2])};
        const QString argument = op.size() > 3 ? QString::fromUtf8(op[3]) : QString();
        probes.append(p);
        QByteArray written;
        switch (op[0][0]) {
        case 'r':
            checkAgainstModel(store, model, p);
            continue;
        case 'i':
            store.ReadInteger(p.section, p.key, 7);
            continue;
        case 'b':
            store.ReadBool(p.section, p.key, true);
            continue;
        case 'f':
            store.ReadFloat(p.section, p.key, 0.5);
            continue;
        case 'w':
            store.WriteString(p.section, p.key, argument);
            written = argument.toUtf8();
            break;
        case 'n':
            store.WriteInteger(p.section, p.key, argument.toInt());
            written = QByteArray::number(argument.toInt());
            break;
        case 't':
            store.WriteBool(p.section, p.key, argument == QLatin1String("1"));
            written = argument == QLatin1String("1") ? "1" : "0";
            break;
        default:
            continue;
        }
        const QByteArray s = singleLine(p.section.toUtf8());
        const QByteArray k = singleLine(p.key.toUtf8());
        const QByteArray v = singleLine(written);
        const bool plain = std::all_of(model.lines().begin(), model.lines().end(), plainLine) &&
                           plainName(s) && plainName(k) && plainName(v);
        model.write(s, k, v);
        checkAgainstModel(store, model, p);
        if (plain)
            FUZZ_CHECK(readString(store, p) == QString::fromUtf8(v));
    }
    for (const Probe &p : std::as_const(probes))
        checkAgainstModel(store, model, p);

    store.Release();
    FUZZ_CHECK(fuzzsupport::fileBytes(path) == model.fileBytes());
    const TNewInifile reread(path);
    for (const Probe &p : std::as_const(probes)) {
        FUZZ_CHECK(readString(reread, p) == readString(store, p));
        FUZZ_CHECK(reread.ReadInteger(p.section, p.key, 7) ==
                   store.ReadInteger(p.section, p.key, 7));
        FUZZ_CHECK(reread.ReadBool(p.section, p.key, true) ==
                   store.ReadBool(p.section, p.key, true));
        FUZZ_CHECK(sameFloat(reread.ReadFloat(p.section, p.key, 0.5),
                             store.ReadFloat(p.section, p.key, 0.5)));
    }
    return 0;
}

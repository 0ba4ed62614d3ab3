// Profiles: any file loads into the grids, gives its options and the
// encoder's arguments. In a plain file, saving the grids unchanged and
// loading again gives the same grids and the same options. Plain: headers
// stand alone on their lines, no value holds a key name with "=" (the loose
// lookup would take that line for the key's, and a save replaces it), no
// parameter is named Main, and "Para" counts no more parameters than the
// file has lines (the count is cut there, so a save that adds sections
// would add parameters).
#include "engine/commandline.h"
#include "fuzzsupport.h"
#include "settings/newinifiles.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"

#include <QRegularExpression>

namespace {

struct Grids
{
    ValueListModel video, audio, advanced;
    ProfileGrids grids{&video, &audio, &advanced};
};

bool plainProfile(const QByteArray &bytes)
{
    static const QRegularExpression header(QStringLiteral("^\\[[^\\[\\]]*\\]$"));
    static const QRegularExpression keyInValue(
        QStringLiteral("(sort|readonly|list|caption|value|cmd|index)="),
        QRegularExpression::CaseInsensitiveOption);
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (line.contains(u'[') || line.contains(u']')) {
            if (!header.match(line).hasMatch())
                return false;
        } else if (line.contains(u'=') && line.mid(line.indexOf(u'=') + 1).contains(keyInValue)) {
            return false;
        }
    }
    return true;
}

bool sameRows(const ValueListModel &a, const ValueListModel &b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        const ValueListModel::Row &x = a.row(i);
        const ValueListModel::Row &y = b.row(i);
        // A pick list shows its first item equal to the value ignoring case.
        const Qt::CaseSensitivity valueCase = x.editStyle == ValueListModel::EditStyle::PickList
                                                  ? Qt::CaseInsensitive
                                                  : Qt::CaseSensitive;
        if (x.key != y.key || x.value.compare(y.value, valueCase) != 0 ||
            x.readOnly != y.readOnly || x.editStyle != y.editStyle || x.pickList != y.pickList)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzzsupport::scratchFile(QStringLiteral("profile.apf"));
    fuzzsupport::putFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Grids first;
    QString ext;
    FUZZ_CHECK(LoadProfile(path, first.grids, &ext));
    const EncoderOptions options = BuildProfileOptions(path, first.grids);

    ltvItemData task;
    task.InputFile = QStringLiteral("/in/a clip.avi");
    const QString output = QStringLiteral("/out/a clip") + ext;
    const QStringList args = EncoderArguments(task, options, output);
    FUZZ_CHECK(args.size() >= 4 && args[0] == QLatin1String("-y") &&
               args[1] == QLatin1String("-i") && args[2] == task.InputFile &&
               args.last() == output);

    bool plain = plainProfile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (plain) {
        const TNewInifile ini(path);
        plain =
            ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("Para"), 0) <= ini.LineCount();
        for (const ProfileParameter &p : ReadProfileParameters(ini))
            plain = plain && p.name.compare(QLatin1String("main"), Qt::CaseInsensitive) != 0;
    }
    SaveProfile(path, first.grids);
    if (!plain)
        return 0;
    Grids second;
    QString secondExt;
    FUZZ_CHECK(LoadProfile(path, second.grids, &secondExt));
    FUZZ_CHECK(secondExt == ext);
    FUZZ_CHECK(sameRows(first.video, second.video));
    FUZZ_CHECK(sameRows(first.audio, second.audio));
    FUZZ_CHECK(sameRows(first.advanced, second.advanced));
    FUZZ_CHECK(BuildProfileOptions(path, second.grids).text() == options.text());
    return 0;
}

// Loading a large profile and building its options, and the same for a
// damaged one. Two generated files:
//   large:   4,000 parameters in about 250 KB (lists and free values over
//            the three grids);
//   damaged: "Para=2000000000" over 10,000 lines.
// For each, LoadProfile into three grids, BuildProfileOptions from the loaded
// grids and SaveProfile are timed, as wall time and as the process's CPU time
// (which the other work on a shared machine disturbs less). Best of the
// rounds; goal: load plus options under 100 ms each.
//   bench_profile [rounds]   (default 3)
#include "engine/commandline.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

QByteArray largeProfile()
{
    const int count = 4000;
    QByteArray main = "[Main]\r\nType=mkv\r\nPara=" + QByteArray::number(count) + "\r\n";
    QByteArray sections;
    for (int i = 0; i < count; ++i) {
        const QByteArray name = 'P' + QByteArray::number(i);
        main += QByteArray::number(i) + '=' + name + "\r\n";
        sections += '[' + name + "]\r\nSort=" + QByteArray::number(i % 3 + 1) + "\r\ncmd=-b\r\n";
        if (i % 2 == 0)
            sections += "Caption=A,B,\r\nValue=1,2,\r\nIndex=1\r\n";
        else
            sections += "List=0\r\nCaption=768\r\n";
    }
    return main + sections;
}

QByteArray damagedProfile()
{
    // The count survived, most of what it counts did not: a few hundred
    // parameters, then thousands of lines of a cut-off list.
    QByteArray text = "[Main]\r\nType=mp4\r\nPara=2000000000\r\n";
    const int named = 300;
    for (int i = 0; i < named; ++i)
        text += QByteArray::number(i) + "=P" + QByteArray::number(i) + "\r\n";
    for (int i = 0; i < named; ++i)
        text += "[P" + QByteArray::number(i) + "]\r\nSort=" + QByteArray::number(i % 3 + 1) +
                "\r\nList=0\r\ncmd=-p" + QByteArray::number(i) + "\r\nCaption=1\r\n";
    int lines = int(text.count('\n'));
    for (int i = 0; lines < 10000; ++i, ++lines)
        text += "x" + QByteArray::number(i) + "=garbage " + QByteArray::number(i * 7) + "\r\n";
    return text;
}

// Milliseconds of wall time and of the process's CPU time.
struct Clock
{
    double wall = 0;
    double cpu = 0;
    static Clock now()
    {
        timespec cpu;
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        return {wallTimer().nsecsElapsed() / 1e6, cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6};
    }
    Clock operator-(const Clock &o) const { return {wall - o.wall, cpu - o.cpu}; }
    static QElapsedTimer &wallTimer()
    {
        static QElapsedTimer t = [] {
            QElapsedTimer e;
            e.start();
            return e;
        }();
        return t;
    }
};

Clock best(const Clock &a, const Clock &b)
{
    return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    int failures = 0;
    for (const auto &[label, content] :
         {std::pair{"large", largeProfile()}, std::pair{"damaged", damagedProfile()}}) {
        const QString path = dir.filePath(QString::fromLatin1(label) + ".apf");
        std::printf("%s: %lld bytes, %lld lines\n", label, static_cast<long long>(content.size()),
                    static_cast<long long>(content.count('\n')));
        const Clock none{1e300, 1e300};
        Clock load = none, build = none, save = none;
        for (int r = 0; r < rounds; ++r) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
                return 1;
            file.close();
            ValueListModel video, audio, advanced;
            const ProfileGrids grids{&video, &audio, &advanced};
            const Clock t0 = Clock::now();
            LoadProfile(path, grids);
            const Clock t1 = Clock::now();
            const QString options = BuildProfileOptions(path, grids).text();
            const Clock t2 = Clock::now();
            SaveProfile(path, grids);
            const Clock t3 = Clock::now();
            std::printf("  round %d: %d rows, %lld option chars: load %.1f ms (cpu %.1f), "
                        "options %.1f ms (cpu %.1f), save %.1f ms (cpu %.1f)\n",
                        r + 1, video.count() + audio.count() + advanced.count(),
                        static_cast<long long>(options.size()), (t1 - t0).wall, (t1 - t0).cpu,
                        (t2 - t1).wall, (t2 - t1).cpu, (t3 - t2).wall, (t3 - t2).cpu);
            std::fflush(stdout);
            load = best(load, t1 - t0);
            build = best(build, t2 - t1);
            save = best(save, t3 - t2);
        }
        const double total = load.wall + build.wall;
        std::printf("  best: load + options %.1f ms (cpu %.1f)%s; save %.1f ms (cpu %.1f)\n", total,
                    load.cpu + build.cpu, total < 100 ? "" : " (over 100 ms)", save.wall, save.cpu);
        failures += total < 100 ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

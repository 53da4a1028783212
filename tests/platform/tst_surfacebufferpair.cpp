#include "platform/SurfaceBufferPair.h"
#include "platform/WaylandStripSurface.h"

#include <QTest>

// Steps: W, a, b, c are changes (the whole strip and three digits), "t" takes a buffer,
// "0" and "1" are the compositor's releases. Each take is written "BUFFER:PAINT/DAMAGE" with
// the areas' letters, or "-" for no write.
class TestSurfaceBufferPair : public QObject {
    Q_OBJECT

private slots:
    void writesOnlyReleasedBuffers_data();
    void writesOnlyReleasedBuffers();
    void stripFollowsWholeRatiosOnly_data();
    void stripFollowsWholeRatiosOnly();
};

namespace {

QRegion areas(const QString &letters)
{
    static const QHash<QChar, QRect> named { { u'W', { 0, 0, 300, 100 } },
                                             { u'a', { 0, 0, 40, 100 } },
                                             { u'b', { 60, 0, 40, 100 } },
                                             { u'c', { 120, 0, 40, 100 } } };
    QRegion region;
    for (QChar letter : letters)
        region += named.value(letter);
    return region;
}

}

void TestSurfaceBufferPair::writesOnlyReleasedBuffers_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("writes");
    QTest::newRow("the first write is whole") << "t"
                                              << "0:W/W";
    QTest::newRow("nothing new, no write") << "t 0 t"
                                           << "0:W/W -";
    QTest::newRow("the other buffer missed the first") << "t a t"
                                                       << "0:W/W 1:W/a";
    QTest::newRow("both held: the change waits for a release") << "t a t b t 0 t"
                                                               << "0:W/W 1:W/a - 0:ab/b";
    QTest::newRow("waiting changes gather") << "t a t b t c t 1 t"
                                            << "0:W/W 1:W/a - - 1:bc/bc";
    QTest::newRow("each buffer gets what it lacks") << "t a t 0 b t 1 c t"
                                                    << "0:W/W 1:W/a 0:ab/b 1:bc/c";
    QTest::newRow("a release of a free buffer changes nothing") << "t 1 a t"
                                                                << "0:W/W 1:W/a";
    QTest::newRow("only the held one is skipped") << "t 0 a t b t"
                                                  << "0:W/W 0:a/a 1:W/b";
}

void TestSurfaceBufferPair::writesOnlyReleasedBuffers()
{
    QFETCH(QString, steps);
    QFETCH(QString, writes);
    SurfaceBufferPair pair;
    pair.reset(areas(u"W"_qs).boundingRect());
    QStringList taken;
    std::array<bool, 2> held {};
    for (const QString &step : steps.split(u' ')) {
        if (step == u"t") {
            const std::optional<SurfaceBufferPair::Write> write = pair.take();
            if (!write) {
                taken.append(u"-"_qs);
                continue;
            }
            QVERIFY2(!held[static_cast<std::size_t>(write->buffer)], "a buffer the compositor holds was written");
            held[static_cast<std::size_t>(write->buffer)] = true;
            const QStringList parts = writes.split(u' ').value(taken.size()).split(u':');
            QCOMPARE(write->buffer, parts.value(0).toInt());
            QCOMPARE(write->paint, areas(parts.value(1).section(u'/', 0, 0)));
            QCOMPARE(write->damage, areas(parts.value(1).section(u'/', 1, 1)));
            taken.append(parts.join(u':'));
        } else if (step == u"0" || step == u"1") {
            pair.release(step.toInt());
            held[static_cast<std::size_t>(step.toInt())] = false;
        } else {
            pair.change(areas(step));
        }
    }
    QCOMPARE(taken.join(u' '), writes);
}

void TestSurfaceBufferPair::stripFollowsWholeRatiosOnly_data()
{
    using Fit = WaylandStripSurface::RatioFit;
    QTest::addColumn<qreal>("platform");
    QTest::addColumn<qreal>("window");
    QTest::addColumn<qreal>("widget");
    QTest::addColumn<int>("fit");
    QTest::newRow("whole, all agree") << 2.0 << 2.0 << 2.0 << int(Fit::OwnSurface);
    QTest::newRow("scale change, widget still at the old") << 1.0 << 1.0 << 2.0 << int(Fit::QtForNow);
    QTest::newRow("fractional output") << 1.5 << 1.5 << 1.5 << int(Fit::QtOnly);
    QTest::newRow("Qt scales on top") << 1.0 << 1.5 << 1.5 << int(Fit::QtOnly);
}

void TestSurfaceBufferPair::stripFollowsWholeRatiosOnly()
{
    QFETCH(qreal, platform);
    QFETCH(qreal, window);
    QFETCH(qreal, widget);
    QFETCH(int, fit);
    QCOMPARE(int(WaylandStripSurface::ratioFit(platform, window, widget)), fit);
}

QTEST_APPLESS_MAIN(TestSurfaceBufferPair)
#include "tst_surfacebufferpair.moc"

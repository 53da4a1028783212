#include "timezones/GettextCatalogue.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>

namespace {

// A catalogue msgfmt wrote of a header, a plural entry and an entry with a context: its
// table of English texts at 28, the first entry's text at 136, its last text ends the file.
QByteArray catalogue(const char *name)
{
    QFile file(QStringLiteral(GETTEXT_CORPUS) + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A little-endian catalogue of count entries whose translations all point at one text of
// textLength letters; its English texts are that text too, or short distinct keys.
QByteArray crowdedCatalogue(quint32 count, quint32 textLength, bool distinctKeys)
{
    const quint32 textAt = 28 + 16 * count;
    QByteArray bytes = QByteArray(textAt, '\0') + QByteArray(textLength, 'x') + '\0';
    const auto put = [&bytes](quint32 at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    for (const auto &[at, value] :
         { std::pair { 0u, 0x950412deu }, { 8u, count }, { 12u, 28u }, { 16u, 28 + 8 * count } })
        put(at, value);
    for (quint32 i = 0; i < count; ++i) {
        const QByteArray key = distinctKeys ? QByteArray::number(i) : QByteArray();
        put(28 + 8 * i, distinctKeys ? quint32(key.size()) : textLength);
        put(32 + 8 * i, distinctKeys ? quint32(bytes.size()) : textAt);
        if (distinctKeys)
            bytes += key + '\0';
        put(28 + 8 * (count + i), textLength);
        put(32 + 8 * (count + i), textAt);
    }
    return bytes;
}

}

class TestGettextCatalogue : public QObject {
    Q_OBJECT

private slots:
    void readsTranslations_data();
    void readsTranslations();
    void refusesBadCatalogue_data();
    void refusesBadCatalogue();
    void refusesWorkPastItsSize_data();
    void refusesWorkPastItsSize();
};

void TestGettextCatalogue::readsTranslations_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("little-endian") << catalogue("little-endian.mo");
    QTest::newRow("big-endian") << catalogue("big-endian.mo");
    QTest::newRow("no hash table") << catalogue("no-hash-table.mo");
}

void TestGettextCatalogue::readsTranslations()
{
    QFETCH(QByteArray, bytes);
    const GettextCatalogue::Translations expected { { "Germany", "Deutschland" },
                                                    { "Federal Republic of Germany", "Bundesrepublik Deutschland" },
                                                    { "Island", "Insel" },
                                                    { "Name for DE\x04Germany", "Deutschland" } };
    QCOMPARE(GettextCatalogue::parse(bytes), expected);
}

void TestGettextCatalogue::refusesBadCatalogue_data()
{
    // A catalogue, a number of it replaced (at, value), its bytes cut to a size.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("at");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("size");
    const QByteArray good = catalogue("little-endian.mo");
    const int whole = int(good.size());
    QTest::newRow("wrong magic") << good << 0 << 0x950412dfu << whole;
    QTest::newRow("later major revision") << good << 4 << 0x20000u << whole;
    QTest::newRow("header cut short") << good << 0 << 0x950412deu << 27;
    QTest::newRow("last text cut short") << good << 0 << 0x950412deu << whole - 1;
    QTest::newRow("count past the end") << good << 8 << 0xffffffffu << whole;
    QTest::newRow("table offset past the end") << good << 16 << quint32(whole) << whole;
    QTest::newRow("text offset past the end") << good << 32 << 0xfffffff0u << whole;
    QTest::newRow("text length past the end") << good << 36 << 0xfffffff0u << whole;
    QTest::newRow("text without its NUL") << good << 36 << 28u << whole;
    const QByteArray koi8 = QByteArray(good).replace("charset=UTF-8", "charset=KOI8R");
    QTest::newRow("other charset") << koi8 << 0 << 0x950412deu << whole;
}

void TestGettextCatalogue::refusesBadCatalogue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, at);
    QFETCH(quint32, value);
    QFETCH(int, size);
    qToLittleEndian(value, bytes.data() + at);
    QCOMPARE(GettextCatalogue::parse(bytes.first(size)), std::nullopt);
}

void TestGettextCatalogue::refusesWorkPastItsSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("entries sharing one long text") << crowdedCatalogue(120000, 2000000, false);
    QTest::newRow("distinct keys sharing one long text") << crowdedCatalogue(120000, 1000000, true);
    QTest::newRow("distinct keys sharing a short text") << crowdedCatalogue(120000, 40, true);
    QTest::newRow("one text too long to look up") << crowdedCatalogue(1, 4097, true);
    QTest::newRow("more entries than a catalogue of names") << crowdedCatalogue(65537, 0, true);
}

void TestGettextCatalogue::refusesWorkPastItsSize()
{
    QFETCH(QByteArray, bytes);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(GettextCatalogue::parse(bytes), std::nullopt);
    // The old reader took minutes or ran out of memory; the bound leaves room for a busy machine.
    QCOMPARE_LT(timer.elapsed(), 20000);
}

QTEST_GUILESS_MAIN(TestGettextCatalogue)
#include "tst_gettextcatalogue.moc"

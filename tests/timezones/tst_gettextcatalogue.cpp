#include "timezones/GettextCatalogue.h"

#include <QTest>
#include <QtEndian>

namespace {

// A catalogue of the header and two entries, the first a plural one, in either byte order:
// the header at 0, the tables at 28 and 52, the texts from 76.
QByteArray catalogue(bool bigEndian, const QByteArray &header = "Content-Type: text/plain; charset=UTF-8\n")
{
    const QList<QByteArray> originals { "", QByteArray("Island\0Islands", 14), "Germany" };
    const QList<QByteArray> translations { header, QByteArray("Insel\0Inseln", 12), "Deutschland" };
    QByteArray bytes(76, '\0');
    const auto put = [&bytes, bigEndian](qsizetype at, quint32 value) {
        bigEndian ? qToBigEndian(value, bytes.data() + at) : qToLittleEndian(value, bytes.data() + at);
    };
    for (const auto &[at, value] : { std::pair { 0, 0x950412de }, { 8, 3 }, { 12, 28 }, { 16, 52 } })
        put(at, value);
    qsizetype entry = 28;
    for (const QList<QByteArray> *table : { &originals, &translations }) {
        for (const QByteArray &text : *table) {
            put(entry, quint32(text.size()));
            put(entry + 4, quint32(bytes.size()));
            bytes += text + '\0';
            entry += 8;
        }
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
};

void TestGettextCatalogue::readsTranslations_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("little-endian") << catalogue(false);
    QTest::newRow("big-endian") << catalogue(true);
    QTest::newRow("header without charset") << catalogue(false, "Language: de\n");
}

void TestGettextCatalogue::readsTranslations()
{
    QFETCH(QByteArray, bytes);
    const GettextCatalogue::Translations expected { { "Island", "Insel" }, { "Germany", "Deutschland" } };
    QCOMPARE(GettextCatalogue::parse(bytes), expected);
}

void TestGettextCatalogue::refusesBadCatalogue_data()
{
    // A catalogue with a header, a number of it replaced (at, value), its bytes cut to a size.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("at");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("size");
    const QByteArray good = catalogue(false);
    const int whole = int(good.size());
    QTest::newRow("wrong magic") << good << 0 << 0x950412dfu << whole;
    QTest::newRow("later major revision") << good << 4 << 0x20000u << whole;
    QTest::newRow("header cut short") << good << 0 << 0x950412deu << 27;
    QTest::newRow("last text cut short") << good << 0 << 0x950412deu << whole - 1;
    QTest::newRow("count past the end") << good << 8 << 0xffffffffu << whole;
    QTest::newRow("table offset past the end") << good << 16 << quint32(whole) << whole;
    QTest::newRow("text offset past the end") << good << 32 << 0xfffffff0u << whole;
    QTest::newRow("text length past the end") << good << 36 << 0xfffffff0u << whole;
    QTest::newRow("text without its NUL") << good << 36 << 15u << whole;
    const QByteArray latin1 = catalogue(false, "Content-Type: text/plain; charset=ISO-8859-1\n");
    QTest::newRow("other charset") << latin1 << 0 << 0x950412deu << int(latin1.size());
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

QTEST_GUILESS_MAIN(TestGettextCatalogue)
#include "tst_gettextcatalogue.moc"

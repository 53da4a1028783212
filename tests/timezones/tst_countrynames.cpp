#include "timezones/CatalogueLanguages.h"
#include "timezones/CountryNames.h"

#include <QTest>

class TestCountryNames : public QObject {
    Q_OBJECT

private slots:
    void catalogueLanguages_data();
    void catalogueLanguages();
    void installedNames_data();
    void installedNames();
    void refusesBadList_data();
    void refusesBadList();
};

void TestCountryNames::catalogueLanguages_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("territory, then language")
        << QStringList { "pt-BR", "pt-Latn-BR", "pt" } << QStringList { "pt_BR", "pt" };
    QTest::newRow("script left out") << QStringList { "zh-Hans-CN" } << QStringList { "zh_CN", "zh" };
    QTest::newRow("several languages") << QStringList { "de", "de-DE", "fr" } << QStringList { "de", "de_DE", "fr" };
    QTest::newRow("C ends the list") << QStringList { "C", "de" } << QStringList {};
}

void TestCountryNames::catalogueLanguages()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QStringList, expected);
    QCOMPARE(CatalogueLanguages::languages(uiLanguages), expected);
}

void TestCountryNames::installedNames_data()
{
    // Germany's names shown first, and the English name among them, in the files iso-codes installs.
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German") << QStringList { "de-DE", "de" } << "Deutschland";
    QTest::newRow("French of Canada, from French") << QStringList { "fr-CA", "fr" } << "Allemagne";
    QTest::newRow("Japanese") << QStringList { "ja" } << "ドイツ";
    QTest::newRow("no catalogue, then German") << QStringList { "xx", "de" } << "Deutschland";
}

void TestCountryNames::installedNames()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, shown);
    const QStringList names = installedCountryNames(uiLanguages).value("DE");
    QCOMPARE(names.value(0), shown);
    QVERIFY2(names.contains("Germany"), qPrintable(names.join(", ")));
}

void TestCountryNames::refusesBadList_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not JSON") << QByteArray(R"({"3166-1": [)");
    QTest::newRow("code of three letters") << QByteArray(R"({"3166-1": [{"alpha_2": "DEU", "name": "Germany"}]})");
    QTest::newRow("no name") << QByteArray(R"({"3166-1": [{"alpha_2": "DE"}]})");
    QTest::newRow("name no text") << QByteArray(
        R"({"3166-1": [{"alpha_2": "DE", "name": "Germany", "common_name": 1}]})");
}

void TestCountryNames::refusesBadList()
{
    QFETCH(QByteArray, json);
    QCOMPARE(IsoCountries::parse(json).has_value(), false);
}

QTEST_GUILESS_MAIN(TestCountryNames)
#include "tst_countrynames.moc"

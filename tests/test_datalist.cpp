// The data list tab: headers, rows, record statistics and the time-span query.

#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <cstring>

#include "app/uartdatastore.h"
#include "tests/support/brackettranslator.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui/qmessagedialog.h"
#include "ui_mainwindow.h"

class TestDataList : public QObject
{
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;
    QStringList messages;

    QTableWidget *table() const { return window->ui->tableWidgetDataList; }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    void query(const QDateTime &from, const QDateTime &to)
    {
        window->ui->dateTimeEditFrom->setDateTime(from);
        window->ui->dateTimeEditTo->setDateTime(to);
        window->PushButtonQuerySlot();
    }

private slots:
    void initTestCase()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        DialogSeam::SetExecHandler([this](QDialog &dialog) {
            messages << dialog.findChild<QLabel *>(QStringLiteral("label"))->text();
            return 1;
        });
    }

    void cleanupTestCase()
    {
        DialogSeam::SetExecHandler(nullptr);
        delete window;
        delete dir;
    }

    void init()
    {
        messages.clear();
        UartData.AltUnit = false;
        UartData.ShowDewPoint = true;
        UartData.DateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
    }

    void headersFollowTheModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("altUnit");
        QTest::addColumn<QString>("headers");
        QTest::newRow("decibel") << 6201 << false << "No.|Time|Decibel(dB)";
        QTest::newRow("3701 temperature only") << 3701 << false << "No.|Time|Temperature(℃)";
        QTest::newRow("3707 temperature only") << 3707 << true << "No.|Time|Temperature(℉)";
        QTest::newRow("3721 temperature only") << 3721 << false << "No.|Time|Temperature(℃)";
        QTest::newRow("3702 five columns")
            << 3702 << false << "No.|Time|Temperature(℃)|Humidity(%RH)|Dew Point(℃)";
        QTest::newRow("3702 Fahrenheit")
            << 3702 << true << "No.|Time|Temperature(℉)|Humidity(%RH)|Dew Point(℉)";
        QTest::newRow("372x line") << 3725 << false
                                   << "No.|Time|Temperature(℃)|Humidity(%RH)|Dew Point(℃)";
        QTest::newRow("current") << 3709 << false << "No.|Time|Current(mA)";
        QTest::newRow("voltage") << 3710 << false << "No.|Time|Voltage(mV)";
        QTest::newRow("light lux") << 5301 << false << "No.|Time|Light(Lux)";
        QTest::newRow("light fc") << 5301 << true << "No.|Time|Light(FC)";
        QTest::newRow("four probes") << 4425 << false
                                     << "No.|Time|T1(℃)|T2(℃)|T3(℃)|T4(℃)";
        QTest::newRow("thermo-hygro") << 4401 << false
                                      << "No.|Time|Temperature(℃)|Humidity(%RH)|Dew Point(℃)|Wet Bulb(℃)";
        QTest::newRow("thermo-hygro with thermocouple")
            << 4426 << true
            << "No.|Time|Temperature(℉)|Humidity(%RH)|Dew Point(℉)|Wet Bulb(℉)|Thermocouple(℉)";
    }

    void headersFollowTheModel()
    {
        QFETCH(int, model);
        QFETCH(bool, altUnit);
        QFETCH(QString, headers);
        // A connected meter's model index must not decide the record's columns.
        UartData.ModelIndex = 0;
        StartRecord(UartData, model, 3);
        UartData.AltUnit = altUnit;
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(window->TableHeaders.join('|'), headers);
        QCOMPARE(table()->columnCount(), window->TableHeaders.size());
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(table()->horizontalHeaderItem(2)->text(), window->TableHeaders.at(2));
    }

    void unknownModelGetsNoRows()
    {
        StartRecord(UartData, 9901, 4);
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(table()->rowCount(), 0);
    }

    void hiddenUntilARecordIsShown()
    {
        StartRecord(UartData, 6201, 4);
        FinishRecord(UartData);
        UartData.RecordShown = false;
        window->UpdateDataTable();
        QVERIFY(table()->isHidden());
        UartData.RecordShown = true;
        window->UpdateDataTable();
        QVERIFY(!table()->isHidden());
    }

    void cellsShowNumberTimeAndOneDecimal()
    {
        StartRecord(UartData, 3702, 3);
        UartData.TempRaw[1] = UartDataStore::MissingValue;
        UartData.TempRaw[2] = 21.26;
        UartData.Humidity[2] = 55.04;
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(cell(2, 0), QStringLiteral("3"));
        QCOMPARE(cell(2, 1), QStringLiteral("2026/03/01 08:02:00"));
        QCOMPARE(cell(2, 2), QStringLiteral("21.3"));
        QCOMPARE(cell(2, 3), QStringLiteral("55.0"));
        // A missing temperature is listed as its number.
        QCOMPARE(cell(1, 2), QStringLiteral("-500.0"));
        QCOMPARE(table()->item(2, 2)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(table()->verticalHeader()->isHidden());
        QCOMPARE(window->ui->dateTimeEditFrom->dateTime(), FixtureStart());
        QCOMPARE(window->ui->dateTimeEditTo->dateTime(), FixtureStart().addSecs(120));
    }

    void firstOccurrenceOfAnExtremeWins()
    {
        StartRecord(UartData, 6201, 6);
        const double values[] = {50.0, 80.0, 40.0, 80.0, 40.0, 60.0};
        std::copy(values, values + 6, UartData.DecibelValue);
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(UartData.ShownExtremes.Decibel.Max, 80.0);
        QCOMPARE(UartData.ShownExtremes.Decibel.Min, 40.0);
        QCOMPARE(UartData.ExtremeIndex.Decibel.Max, 1);
        QCOMPARE(UartData.ExtremeIndex.Decibel.Min, 2);
        QCOMPARE(UartData.Averages.Decibel, 350.0 / 6);
        QCOMPARE(UartData.ExtremesCopy.Decibel.Max, 80.0);
        QCOMPARE(UartData.ExtremesCopy.Decibel.Min, 40.0);
    }

    void missingTemperaturesAreLeftOut_data()
    {
        QTest::addColumn<QVector<double>>("temperatures");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::addColumn<int>("maxIndex");
        QTest::addColumn<int>("minIndex");
        QTest::addColumn<double>("average");
        const double m = UartDataStore::MissingValue;
        QTest::newRow("gap in the middle") << QVector<double>{20, m, 18, 25, m} << 25.0 << 18.0 << 3
                                           << 2 << 21.0;
        QTest::newRow("record starts with a gap") << QVector<double>{m, 22, 19, m} << 22.0 << 19.0
                                                  << 1 << 2 << 20.5;
        QTest::newRow("all missing") << QVector<double>{m, m} << m << m << 0 << 0 << 0.0;
        // Shown in degrees Fahrenheit, a missing sample reads -868.0 and still
        // takes no part.
        QTest::newRow("Fahrenheit") << QVector<double>{m, 20, m, 10} << 68.0 << 50.0 << 1 << 3
                                    << 59.0;
    }

    void missingTemperaturesAreLeftOut()
    {
        QFETCH(QVector<double>, temperatures);
        StartRecord(UartData, 3702, temperatures.size());
        UartData.AltUnit = QByteArray(QTest::currentDataTag()) == "Fahrenheit";
        for (int i = 0; i < temperatures.size(); ++i) {
            UartData.TempRaw[i] = temperatures[i];
            UartData.Humidity[i] = 50.0;
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        QTEST(UartData.ShownExtremes.Temperature.Max, "max");
        QTEST(UartData.ShownExtremes.Temperature.Min, "min");
        QTEST(UartData.ExtremeIndex.Temperature.Max, "maxIndex");
        QTEST(UartData.ExtremeIndex.Temperature.Min, "minIndex");
        QTEST(UartData.Averages.Temperature, "average");
        QTEST(UartData.ExtremesCopy.Temperature.Min, "min");
        // The dew point has no value where the temperature has none.
        if (temperatures.count(UartDataStore::MissingValue) < temperatures.size())
            QVERIFY(UartData.ShownExtremes.DewPoint.Min > -100.0);
    }

    void thermocoupleStatistics_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QVector<double>>("thermocouple");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("average");
        const double m = UartDataStore::MissingValue;
        QTest::newRow("no thermocouple") << 3702 << QVector<double>{0, 0, 0} << m << 1000.0 << 0.0;
        QTest::newRow("readings") << 4423 << QVector<double>{0, 120, 80, 0, 200} << 200.0 << 80.0
                                  << 400.0 / 3;
        QTest::newRow("missing readings") << 4428 << QVector<double>{m, 150, m, 90} << 150.0 << 90.0
                                          << 120.0;
        QTest::newRow("only missing") << 4426 << QVector<double>{m, m} << m << 1000.0 << 0.0;
    }

    void thermocoupleStatistics()
    {
        QFETCH(int, model);
        QFETCH(QVector<double>, thermocouple);
        StartRecord(UartData, model, thermocouple.size());
        for (int i = 0; i < thermocouple.size(); ++i) {
            UartData.TempRaw[i] = 20.0;
            UartData.Humidity[i] = 50.0;
            UartData.ThermocoupleRaw[i] = thermocouple[i];
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        QTEST(UartData.ShownExtremes.Thermocouple.Max, "max");
        QTEST(UartData.ShownExtremes.Thermocouple.Min, "min");
        QTEST(UartData.ExtremesCopy.Thermocouple.Max, "max");
        QTEST(UartData.ExtremesCopy.Thermocouple.Min, "min");
        QTEST(UartData.Averages.Thermocouple, "average");
    }

    void statisticsCoverChannelsTheTableDoesNotShow_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("columns");
        QTest::newRow("temperature only") << 3701 << 3;
        QTest::newRow("temperature and humidity") << 3702 << 5;
    }

    void statisticsCoverChannelsTheTableDoesNotShow()
    {
        QFETCH(int, model);
        StartRecord(UartData, model, 80);
        for (int i = 0; i < 80; ++i) {
            UartData.TempRaw[i] = 20.0 + (i % 7);
            UartData.Humidity[i] = 60.0;
        }
        UartData.TempRaw[57] = 2.0;   // coldest and driest: lowest dew point and wet bulb
        UartData.Humidity[57] = 20.0;
        FinishRecord(UartData);
        window->UpdateDataTable();
        QTEST(table()->columnCount(), "columns");
        QCOMPARE(UartData.ExtremeIndex.Temperature.Min, 57);
        QCOMPARE(UartData.ExtremeIndex.Humidity.Min, 57);
        if (model == 3702) {
            QCOMPARE(UartData.ExtremeIndex.WetBulb.Min, 57);
            QCOMPARE(UartData.ExtremeIndex.DewPoint.Min, 57);
            QCOMPARE(UartData.ExtremesCopy.WetBulb.Min, UartData.WetBulbValue[57]);
        }
    }

    void integerChannelAverageIsTruncated_data()
    {
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<int>("average");
        QTest::newRow("positive") << QVector<int>{1, 2, 2} << 1;
        QTest::newRow("negative") << QVector<int>{-1, -2, -2} << -1;
        QTest::newRow("large sums") << QVector<int>{2000000000, 2000000000} << 2000000000;
    }

    void integerChannelAverageIsTruncated()
    {
        QFETCH(QVector<int>, values);
        StartRecord(UartData, 3708, values.size());
        std::copy(values.begin(), values.end(), UartData.IntChannel);
        FinishRecord(UartData);
        window->UpdateDataTable();
        QTEST(UartData.Averages.IntChannel, "average");
        QCOMPARE(UartData.ExtremesCopy.IntChannel.Max, *std::max_element(values.begin(), values.end()));
    }

    void channelRecordsGetTheirOwnStatistics()
    {
        StartRecord(UartData, 3709, 4);
        const double current[] = {4.0, 12.5, 12.5, 3.5};
        std::copy(current, current + 4, UartData.Current);
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(cell(1, 2), QStringLiteral("12.500"));
        QCOMPARE(UartData.ExtremeIndex.Current.Max, 1);
        QCOMPARE(UartData.ExtremeIndex.Current.Min, 3);
        QCOMPARE(UartData.Averages.Current, 8.125);

        StartRecord(UartData, 5301, 3);
        const double lux[] = {100.0, 300.0, 200.0};
        std::copy(lux, lux + 3, UartData.LightRaw);
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(UartData.ShownExtremes.Light.Max, 300.0);
        QCOMPARE(UartData.ExtremeIndex.Light.Min, 0);
        QCOMPARE(UartData.Averages.Light, 200.0);
    }

    // Current and voltage are listed with three decimals, light as its report
    // writes it; a light record with half-second stamps lists the half
    // second, as the read-out does.
    void valueAndTimeCells_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("altUnit");
        QTest::addColumn<int>("period");
        QTest::addColumn<QStringList>("row1");
        QTest::addColumn<QStringList>("row2");
        const QString t = QStringLiteral("2026/03/01 08:00:");
        QTest::newRow("current") << 3709 << false << 60 << QStringList{"2", t.left(14) + "01:00", "15.250"}
                                 << QStringList{"3", t.left(14) + "02:00", "0.125"};
        QTest::newRow("voltage") << 3710 << false << 60 << QStringList{"2", t.left(14) + "01:00", "15.250"}
                                 << QStringList{"3", t.left(14) + "02:00", "0.125"};
        QTest::newRow("light in lux, half seconds")
            << 5301 << false << 1 << QStringList{"2", t + "00.500", "15.3"}
            << QStringList{"3", t + "01.000", "0.1"};
        QTest::newRow("light in foot-candles, half seconds")
            << 5301 << true << 1 << QStringList{"2", t + "00.500", "1.42"}
            << QStringList{"3", t + "01.000", "0.01"};
    }

    void valueAndTimeCells()
    {
        QFETCH(int, model);
        QFETCH(bool, altUnit);
        QFETCH(int, period);
        StartRecord(UartData, model, 4, 60);
        UartData.SamplePeriod = period;
        UartData.AltUnit = altUnit;
        const double values[] = {4.0, 15.25, 0.125, 3.5};
        for (int i = 0; i < 4; ++i) {
            UartData.Current[i] = UartData.Voltage[i] = UartData.LightRaw[i] = values[i];
            if (period == 1)
                UartData.SampleTime[i] = FixtureStart().addSecs(i / 2);
        }
        FinishRecord(UartData);
        UartData.MarkHalfSecondStamps();
        window->UpdateDataTable();
        UartData.AltUnit = false;
        QStringList row1, row2;
        for (int column = 0; column < 3; ++column) {
            row1 << cell(1, column);
            row2 << cell(2, column);
        }
        QTEST(row1, "row1");
        QTEST(row2, "row2");
    }

    void probesSkipMissingSamples()
    {
        const double m = UartDataStore::MissingValue;
        StartRecord(UartData, 4405, 4);
        UartData.ShownExtremes.Temperature = {30.0, 5.0};   // the file's pair
        UartData.ExtremesCopy = ExtremeCopySet();
        const double t1[] = {20.0, m, 26.0, 22.0};
        const double t3[] = {m, 5.0, m, 7.0};
        for (int i = 0; i < 4; ++i) {
            UartData.ProbeRaw[0][i] = t1[i];
            UartData.ProbeRaw[1][i] = m;
            UartData.ProbeRaw[2][i] = t3[i];
            UartData.ProbeRaw[3][i] = 30.0;
        }
        FinishRecord(UartData);
        window->UpdateDataTable();
        QCOMPARE(UartData.ProbeEnabled[0], true);
        QCOMPARE(UartData.ProbeEnabled[1], false);
        QCOMPARE(UartData.ProbeExtremes[0].Max, 26.0);
        QCOMPARE(UartData.ProbeExtremes[0].Min, 20.0);
        QCOMPARE(UartData.ProbeExtremeIndex[0].Max, 2);
        QCOMPARE(UartData.ProbeAverages[0], 68.0 / 3);
        QCOMPARE(UartData.ProbeAverages[1], 0.0);
        QCOMPARE(UartData.ProbeExtremes[2].Min, 5.0);
        QCOMPARE(UartData.ProbeExtremeIndex[2].Min, 1);
        // An absent probe's pair holds the no-value mark its readers look for.
        QCOMPARE(UartData.ProbeExtremes[1].Max, UartDataStore::MissingValue);
        QCOMPARE(UartData.ProbeExtremes[1].Min, UartDataStore::MissingValue);
        // The list marks a missing reading.
        QCOMPARE(cell(1, 2), QStringLiteral("----"));
        QCOMPARE(cell(1, 3), QStringLiteral("----"));
        QCOMPARE(cell(1, 4), QStringLiteral("5.0"));
        // The exports read the second copy of the extremes.
        QCOMPARE(UartData.ExtremesCopy.Temperature.Max, 30.0);
        QCOMPARE(UartData.ExtremesCopy.Temperature.Min, 5.0);
    }

    void probeHeadersAreTranslated()
    {
        StartRecord(UartData, 4425, 2);
        FinishRecord(UartData);
        BracketTranslator translator;
        QCoreApplication::installTranslator(&translator);
        window->UpdateDataTable();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(window->TableHeaders.join('|'),
                 QStringLiteral("[No.]|[Time]|[T1](℃)|[T2](℃)|[T3](℃)|[T4](℃)"));
    }

    // Nothing of the record before stays: the span editors show the empty
    // record's creation time.
    void emptyRecordNeitherDividesNorQueries()
    {
        StartRecord(UartData, 3702, 3);
        FinishRecord(UartData);
        window->UpdateDataTable();
        StartRecord(UartData, 3702, 0);
        UartData.RECCreateTime = QStringLiteral("2024-05-06 07:08");
        FinishRecord(UartData);
        window->UpdateDataTable();
        const QDateTime created(QDate(2024, 5, 6), QTime(7, 8));
        QCOMPARE(window->ui->dateTimeEditFrom->dateTime(), created);
        QCOMPARE(window->ui->dateTimeEditTo->dateTime(), created);
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(UartData.Averages.Temperature, 0.0);
        QCOMPARE(UartData.Averages.IntChannel, 0);
        QCOMPARE(UartData.ShownExtremes.Thermocouple.Max, UartDataStore::MissingValue);
        QCOMPARE(UartData.ShownExtremes.Thermocouple.Min, 1000.0);
        window->PushButtonQuerySlot();
        QVERIFY(messages.isEmpty());
        QCOMPARE(UartData.ShowStart, 0);
        QCOMPARE(UartData.ShowEnd, 0);
    }

    void query_data()
    {
        // 200 samples one minute apart from 08:00; sample 100 is at 09:40.
        QTest::addColumn<int>("fromSeconds");
        QTest::addColumn<int>("toSeconds");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("whole minutes") << 600 << 1200 << 10 << 21;
        QTest::newRow("clamped to the record") << -3600 << 300 << 0 << 6;
        QTest::newRow("to beyond the end") << 11880 << 99999 << 198 << 200;
        QTest::newRow("span between two samples") << 6010 << 6050 << 101 << 161;
        QTest::newRow("between samples near the end") << 11830 << 11850 << 198 << 200;
        QTest::newRow("to exactly a sample") << 0 << 60 << 0 << 2;
        QTest::newRow("one instant") << 120 << 120 << 2 << 3;
    }

    void query()
    {
        QFETCH(int, fromSeconds);
        QFETCH(int, toSeconds);
        StartRecord(UartData, 6201, 200);
        for (int i = 0; i < 200; ++i)
            UartData.DecibelValue[i] = 60.0 + (i % 10);
        UartData.DecibelValue[3] = 99.0;
        UartData.DecibelValue[150] = 30.0;
        FinishRecord(UartData);
        window->UpdateDataTable();
        query(FixtureStart().addSecs(fromSeconds), FixtureStart().addSecs(toSeconds));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(';')));
        QTEST(UartData.ShowStart, "start");
        QTEST(UartData.ShowEnd, "end");
        QCOMPARE(table()->rowCount(), UartData.ShowEnd - UartData.ShowStart);
        // Rows carry the sample's number in the whole record.
        QCOMPARE(cell(0, 0), QString::number(UartData.ShowStart + 1));
        // Statistics stay those of the whole record: its loudest sample lies
        // outside every queried span but "clamped to the record".
        QCOMPARE(UartData.ShownExtremes.Decibel.Max, 99.0);
        QCOMPARE(UartData.ExtremeIndex.Decibel.Max, 3);
        QCOMPARE(UartData.ExtremeIndex.Decibel.Min, 150);
    }

    // The query moves the shown range only: the whole record's statistics,
    // which an export job may be reading meanwhile, are not written again,
    // whatever they hold.
    void queryLeavesTheStatisticsAlone_data()
    {
        QTest::addColumn<int>("model");
        for (int model : {6201, 3702, 4426, 4405, 5301, 3709, 3710})
            QTest::newRow(qPrintable(QString::number(model))) << model;
    }
    void queryLeavesTheStatisticsAlone()
    {
        QFETCH(int, model);
        StartRecord(UartData, model, 30);
        FinishRecord(UartData);
        window->UpdateDataTable();
        UartDataStore &s = UartData;
        const auto statistics = [&s] {
            QByteArray bytes;
            const auto add = [&bytes](const auto &field) {
                bytes.append(reinterpret_cast<const char *>(&field), sizeof field);
            };
            add(s.ShownExtremes), add(s.ExtremeIndex), add(s.Averages), add(s.ExtremesCopy);
            add(s.ProbeExtremes), add(s.ProbeExtremeIndex), add(s.ProbeAverages);
            add(s.ProbeEnabled);
            return bytes;
        };
        std::memset(static_cast<void *>(&s.ShownExtremes), 0x5a, sizeof s.ShownExtremes);
        std::memset(static_cast<void *>(&s.ExtremeIndex), 0x5b, sizeof s.ExtremeIndex);
        std::memset(static_cast<void *>(&s.Averages), 0x5c, sizeof s.Averages);
        std::memset(static_cast<void *>(&s.ExtremesCopy), 0x5d, sizeof s.ExtremesCopy);
        std::memset(static_cast<void *>(s.ProbeExtremes), 0x5e, sizeof s.ProbeExtremes);
        std::memset(static_cast<void *>(s.ProbeExtremeIndex), 0x5f, sizeof s.ProbeExtremeIndex);
        std::memset(static_cast<void *>(s.ProbeAverages), 0x60, sizeof s.ProbeAverages);
        std::fill(std::begin(s.ProbeEnabled), std::end(s.ProbeEnabled), true);
        const QByteArray before = statistics();

        query(FixtureStart().addSecs(600), FixtureStart().addSecs(900));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(';')));
        QCOMPARE(table()->rowCount(), 6);
        QCOMPARE(cell(0, 0), QStringLiteral("11"));
        QCOMPARE(cell(5, 1), QStringLiteral("2026/03/01 08:15:00"));
        QVERIFY(statistics() == before);
    }

    void queryIncludesOnlyTheFirstOfEqualStamps()
    {
        StartRecord(UartData, 6201, 5);
        UartData.SampleTime[3] = UartData.SampleTime[2];  // samples 2 and 3 share a stamp
        FinishRecord(UartData);
        query(FixtureStart(), UartData.SampleTime[2]);
        QCOMPARE(UartData.ShowStart, 0);
        QCOMPARE(UartData.ShowEnd, 3);
    }

    // Where the list shows half seconds, both rows of the last second are
    // in the span: the span the list shows brings back the same rows.
    void queryKeepsBothHalvesOfTheLastSecond()
    {
        StartRecord(UartData, 5301, 8);
        UartData.SamplePeriod = 1;
        for (int i = 0; i < 8; ++i)
            UartData.SampleTime[i] = FixtureStart().addMSecs(500 * i);
        FinishRecord(UartData);
        UartData.MarkHalfSecondStamps();
        window->UpdateDataTable();
        window->PushButtonQuerySlot();
        QCOMPARE(table()->rowCount(), 8);
        query(FixtureStart().addSecs(1), FixtureStart().addSecs(2));
        QCOMPARE(table()->rowCount(), 4);
        QCOMPARE(cell(3, 1).right(6), QStringLiteral("02.500"));
    }

    void invalidSpansAreRefused_data()
    {
        QTest::addColumn<int>("fromSeconds");
        QTest::addColumn<int>("toSeconds");
        QTest::newRow("from after the last sample") << 100000 << 200000;
        QTest::newRow("to before the first sample") << -7200 << -60;
        QTest::newRow("from after to") << 600 << 300;
    }

    void invalidSpansAreRefused()
    {
        QFETCH(int, fromSeconds);
        QFETCH(int, toSeconds);
        StartRecord(UartData, 6201, 100);
        FinishRecord(UartData);
        UartData.ShowStart = 5;
        UartData.ShowEnd = 50;
        window->UpdateDataTable();
        query(FixtureStart().addSecs(fromSeconds), FixtureStart().addSecs(toSeconds));
        QCOMPARE(messages, QStringList{QStringLiteral("Please input the correct time.")});
        QCOMPARE(UartData.ShowStart, 5);
        QCOMPARE(UartData.ShowEnd, 50);
        QCOMPARE(table()->rowCount(), 45);
    }

    // The widest sample number fits its column, however far down the list
    // it lies: the full list's column is as wide as that of its last rows.
    void numberColumnFitsTheLargestNumber()
    {
        StartRecord(UartData, 6201, 12000);
        FinishRecord(UartData);
        window->UpdateDataTable();
        const int whole = table()->columnWidth(0);
        query(UartData.SampleTime[11990], UartData.SampleTime[11999]);
        QCOMPARE(UartData.ShowStart, 11990);
        QVERIFY2(whole >= table()->columnWidth(0),
                 qPrintable(QString("%1 < %2").arg(whole).arg(table()->columnWidth(0))));
    }

    // A new record and a query both show the list from its first row.
    void listStartsAtTheFirstRow()
    {
        window->show();
        StartRecord(UartData, 6201, 500);
        FinishRecord(UartData);
        window->UpdateDataTable();
        window->ui->stackedWidget->setCurrentWidget(window->ui->pageGraph);
        window->ui->tabWidget->setCurrentWidget(window->ui->tabList);
        QCoreApplication::processEvents();
        QScrollBar *bar = table()->verticalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(table()->rowAt(0) > 0);
        window->UpdateDataTable();
        QCoreApplication::processEvents();
        QCOMPARE(table()->rowAt(0), 0);

        bar->setValue(bar->maximum());
        query(UartData.SampleTime[100], UartData.SampleTime[450]);
        QCoreApplication::processEvents();
        QCOMPARE(table()->rowAt(0), 0);
        QCOMPARE(cell(0, 0), QStringLiteral("101"));
        window->hide();
    }

    void dateFormatReachesTheEditors()
    {
        UartData.DateTimeFormat = QStringLiteral("MM/dd/yyyy hh:mm:ss");
        window->ApplyDateFormat();
        QCOMPARE(window->ui->dateTimeEditFrom->displayFormat(), UartData.DateTimeFormat);
        QCOMPARE(window->ui->dateTimeEditTo->displayFormat(), UartData.DateTimeFormat);
        QCOMPARE(window->ui->dateTimeEditTimeSound->displayFormat(), UartData.DateTimeFormat);
        QCOMPARE(window->ui->dateTimeEditStartTimeSound->displayFormat(), UartData.DateTimeFormat);
    }
};

QTEST_MAIN(TestDataList)
#include "test_datalist.moc"

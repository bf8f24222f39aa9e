#ifndef UARTDATASTORE_H
#define UARTDATASTORE_H

// The whole data model of the process: the record on show with its samples,
// statistics and alarm limits, the settings of the configuration file, the
// table of known loggers and the state of the connected meter. There is one
// instance, UartData; every part of the program reads and writes its fields in
// place on the GUI thread, and the export worker reads them on its own thread.

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

// (max, min) of a channel in the shown unit.
struct ValuePair {
    double Max = 0.0;
    double Min = 0.0;
};

// (max, min) of an integer channel, or the (max index, min index) of a channel.
struct IntPair {
    int Max = 0;
    int Min = 0;
};

// An alarm limit pair.
struct AlarmPair {
    double Low = 0.0;
    double High = 0.0;
};

// Per-channel extremes in the shown unit.
struct ExtremeSet {
    ValuePair Temperature, Humidity, DewPoint, WetBulb, Thermocouple, Light, Decibel;
    IntPair IntChannel;
    ValuePair Voltage, Current;
};

// Index of the first sample that reaches each extreme.
struct ExtremeIndexSet {
    IntPair Temperature, Humidity, DewPoint, WetBulb, Thermocouple, Light, Decibel, IntChannel,
        Voltage, Current;
};

struct AverageSet {
    double Temperature = 0.0, Humidity = 0.0, DewPoint = 0.0, WetBulb = 0.0, Thermocouple = 0.0,
           Light = 0.0, Decibel = 0.0;
    int IntChannel = 0;
    double Voltage = 0.0, Current = 0.0;
};

// The second copy of the extremes that the save-as and section exports read.
struct ExtremeCopySet {
    ValuePair Temperature, Humidity, DewPoint, WetBulb, Thermocouple, Decibel;
    IntPair IntChannel;
};

// Alarm limits in the shown unit. The temperature pair is held with
// UartDataStore::ShownTemperatureAlarmOffset added; readers take it off
// (UartDataStore::ShownTemperatureAlarm) before use.
struct ShownAlarmSet {
    AlarmPair Temperature, Light, Decibel, Voltage, Current;
};

// One entry of the table of known loggers ("/Ini/FileManager.ini").
struct KnownLogger {
    QString ID;
    QString Name;
    QDate FirstSeen;
    int Model = 0;
};

class UartDataStore
{
public:
    static constexpr int MaxSamples = 70000;
    static constexpr int MaxLanguages = 100;
    static constexpr int ProbeCount = 4;
    static constexpr int ChannelColorCount = 5;
    // A recorded temperature, thermocouple or probe value of exactly this
    // means "no value".
    static constexpr double MissingValue = -500.0;
    // SamplePeriod of the 24-hour setting (counts as 86400 seconds), and the
    // 12-hour setting of the light family, whose periods count half seconds.
    static constexpr int Period24Hours = 43224;
    static constexpr int LightPeriod12Hours = 43212;
    // Added to both limits of ShownAlarm.Temperature.
    static constexpr double ShownTemperatureAlarmOffset = 50.0;

    UartDataStore();
    UartDataStore(const UartDataStore &) = delete;
    UartDataStore &operator=(const UartDataStore &) = delete;

    // --- the record header -------------------------------------------------
    int RECModel = 0;          // four-digit model code; family = RECModel / 100
    QString RECFileName;       // meter name, the record file's first field
    QString RECDeviceID;
    QString RECMeterName;      // name in the table of known loggers, else RECFileName
    QString RECCreateTime;     // "yyyy-MM-dd hh:mm"
    QString RECFilePath;       // record file loaded or written last; empty before
    QString RECTitle;          // meter name "(" device ID ")" record file name
    int Lognum = 0;            // samples held, 0..MaxSamples
    int ShowStart = 0;         // shown range of sample indexes, end exclusive
    int ShowEnd = 0;
    bool RecordShown = false;
    int SamplePeriod = 0;      // seconds; half seconds for family 53
    qint8 StartMode = 0;       // 0 by button, 1 immediate, 2 scheduled
    bool AltUnit = false;      // degrees Fahrenheit and foot-candles
    // A light record at the 0.5 s period: two samples per whole second, so
    // its times are shown with ".000" (even index) or ".500" (odd index).
    // Set by MarkHalfSecondStamps.
    bool HalfSecondStamps = false;
    bool HasThermocouple = false;

    // --- sample arrays (index = sample index) -------------------------------
    QDateTime SampleTime[MaxSamples];
    quint32 SampleTimeT[MaxSamples] = {};   // written by the chart builders
    double TempRaw[MaxSamples] = {};        // degrees Celsius as recorded
    double TempValue[MaxSamples] = {};      // shown unit
    double Humidity[MaxSamples] = {};       // percent
    double DewPointValue[MaxSamples] = {};  // shown unit
    double WetBulbValue[MaxSamples] = {};   // shown unit
    double ThermocoupleRaw[MaxSamples] = {};
    double ThermocoupleValue[MaxSamples] = {};
    double ProbeRaw[ProbeCount][MaxSamples] = {};
    double ProbeValue[ProbeCount][MaxSamples] = {};
    double DecibelValue[MaxSamples] = {};   // dB
    double LightRaw[MaxSamples] = {};       // lux as recorded
    double LightValue[MaxSamples] = {};     // shown unit
    double Current[MaxSamples] = {};        // mA
    double Voltage[MaxSamples] = {};        // mV
    int IntChannel[MaxSamples] = {};

    // --- statistics ----------------------------------------------------------
    ExtremeSet ShownExtremes;
    ExtremeIndexSet ExtremeIndex;
    AverageSet Averages;
    ExtremeCopySet ExtremesCopy;
    ValuePair ProbeExtremes[ProbeCount];
    IntPair ProbeExtremeIndex[ProbeCount];
    double ProbeAverages[ProbeCount] = {};
    bool ProbeEnabled[ProbeCount] = {};

    // --- alarm limits --------------------------------------------------------
    static constexpr AlarmPair DefaultTempAlarm{3.0, 40.0};
    static constexpr AlarmPair DefaultHumAlarm{10.5, 64.5};
    AlarmPair TempAlarm = DefaultTempAlarm;   // degrees Celsius as recorded
    AlarmPair HumAlarm = DefaultHumAlarm;     // percent
    AlarmPair LightAlarm;              // lux as recorded
    AlarmPair DecibelAlarm;            // dB
    AlarmPair VoltageAlarm;            // mV
    AlarmPair CurrentAlarm;            // mA
    ShownAlarmSet ShownAlarm;

    // --- report texts and exports -------------------------------------------
    QString ReportHtml;
    QString ReportPrintHtml;
    QString GraphPrintHtml;
    QString ListPrintHtml;
    QString PrintHtml;
    QString ExportFileName;
    bool Busy = false;   // a modal file or print dialog is open

    // --- settings ("/Ini/Config.ini") ----------------------------------------
    QString Language;
    QString Path;        // record folder
    QString Password;
    int Dateformat = 1;  // 0 year first, 1 day first, 2 month first
    QString DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
    QString CopyRight;
    int MeterType = 0;   // 1: set up for the decibel meter alone
    QString URL;
    QString HelpFile;
    QString IconMain;
    QString IconAbout;
    bool Show_ALM = true;
    bool Show_TIP = true;
    QColor ChannelColor[ChannelColorCount];
    bool ShowDewPoint = true;   // memory only
    bool TitleTrim = true;      // memory only
    QString Languages[MaxLanguages];
    int LanguageCount = 0;

    // --- table of known loggers ----------------------------------------------
    QVector<KnownLogger> KnownLoggers;

    // --- connected meter -----------------------------------------------------
    bool Connected = false;
    QString MeterName;
    QString DeviceID;
    QString FirmwareVersion;
    int ExpectedNum = 0;
    int ModelIndex = 0;
    int MeterModel = 0;  // model code of the connected meter

    // --- operations ----------------------------------------------------------
    static int Family(int model) { return model / 100; }
    int RecordFamily() const { return Family(RECModel); }
    // Whether the record's views show its half seconds: a light record with
    // half-second stamps.
    bool ShowsHalfSeconds() const { return RecordFamily() == 53 && HalfSecondStamps; }

    // Working directory + "/Ini/Config.ini" and friends.
    static QString WorkingDirectory();
    static QString ConfigFilePath();
    static QString KnownLoggerFilePath();
    static QString DefaultRecordFolder();

    void ApplyDefaults();
    void ApplyFirstRunDefaults();
    void LoadConfig();
    // Writes Config.ini; false, with the reason in *error, when the file could
    // not be written whole (the old file then stays as it was).
    bool SaveConfig(QString *error = nullptr);
    void DeriveDateTimeFormat();
    void ScanLanguages();

    // Clears every statistic and alarm pair of the record, so that nothing of
    // an earlier record survives: extremes (the thermocouple pair to its "no
    // thermocouple data" mark), their indexes, averages, the second copy of
    // the extremes, the probe statistics, the alarm limits (back to their
    // defaults) and their shown pairs.
    void ResetStatistics();

    // Sets HalfSecondStamps for the record held: a light record (family 53)
    // at the 0.5 s period (SamplePeriod 1) whose stamps come in pairs, every
    // odd sample in the same whole second as the sample before it. Any other
    // record, or one whose pairs do not line up (a record that starts on a
    // half second), clears it.
    void MarkHalfSecondStamps();

    // Unit conversions: shown arrays, extremes and alarm limits from the
    // recorded ones by AltUnit.
    void ConvertRecordUnits();
    void ConvertTemperatureUnit();
    void ConvertLightUnit();
    void ComputeVoltageCurrentExtremes();

    // The temperature alarm pair in the shown unit, the offset taken off.
    AlarmPair ShownTemperatureAlarm() const
    {
        return {ShownAlarm.Temperature.Low - ShownTemperatureAlarmOffset,
                ShownAlarm.Temperature.High - ShownTemperatureAlarmOffset};
    }

    QString TemperatureUnitLabel() const;
    QString TemperatureUnitHtml() const;
    QString LightUnitLabel() const;

    // The name of the device in the table of known loggers, or an empty text.
    QString KnownLoggerName(const QString &deviceId) const;
};

extern UartDataStore UartData;

#endif // UARTDATASTORE_H

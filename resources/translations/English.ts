<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>MeterLog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter clock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meter Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open record file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record files (*.rec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could open the help file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decibel(dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dew Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current(mA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wet Bulb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> To: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decibel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dew Temp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wet Bulb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCTemp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the correct time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(FC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Lux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High ALM Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low ALM Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High T ALM Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low T ALM Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High H ALM Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low H ALM Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary report is not available in this version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>The file %1 is not a record file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record file %1 is truncated: it ends before its last sample.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record file %1 claims %2 samples; a record holds 0 to 70000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record file %1 is of an unknown meter model (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record file %1 is damaged: a sample row cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record file %1 is damaged: its end mark is missing or misplaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its meter model (%2) is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: it holds %2 samples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its creation time is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its meter name or device ID is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Ctrl+w</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

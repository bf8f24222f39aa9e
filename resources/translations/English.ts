<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>MeterLog</source>
        <translation>MeterLog</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation>Data Graph</translation>
    </message>
    <message>
        <source>Data List</source>
        <translation>Data List</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Export Excel</source>
        <translation>Export Excel</translation>
    </message>
    <message>
        <source>Summary Report</source>
        <translation>Summary Report</translation>
    </message>
    <message>
        <source>Meter clock:</source>
        <translation>Meter clock:</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>Start time:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>&amp;Save as</translation>
    </message>
    <message>
        <source>&amp;Export to PDF</source>
        <translation>&amp;Export to PDF</translation>
    </message>
    <message>
        <source>&amp;Export to Excel</source>
        <translation>&amp;Export to Excel</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Meter Status</source>
        <translation>&amp;Meter Status</translation>
    </message>
    <message>
        <source>&amp;System settings</source>
        <translation>&amp;System settings</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open record file</source>
        <translation>Open record file</translation>
    </message>
    <message>
        <source>Record files (*.rec)</source>
        <translation>Record files (*.rec)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>The help file %1 was not found.</translation>
    </message>
    <message>
        <source>No program could open the help file %1.</source>
        <translation>No program could open the help file %1.</translation>
    </message>
    <message>
        <source>Decibel(dB)</source>
        <translation>Decibel(dB)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation>Humidity(%RH)</translation>
    </message>
    <message>
        <source>Dew Point</source>
        <translation>Dew Point</translation>
    </message>
    <message>
        <source>Current(mA)</source>
        <translation>Current(mA)</translation>
    </message>
    <message>
        <source>Voltage(mV)</source>
        <translation>Voltage(mV)</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Wet Bulb</source>
        <translation>Wet Bulb</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>From: </source>
        <translation>From: </translation>
    </message>
    <message>
        <source> To: </source>
        <translation> To: </translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Decibel:</source>
        <translation>Decibel:</translation>
    </message>
    <message>
        <source>Light:</source>
        <translation>Light:</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Current:</translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation>Voltage:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation>Humidity:</translation>
    </message>
    <message>
        <source>Dew Temp:</source>
        <translation>Dew Temp:</translation>
    </message>
    <message>
        <source>Wet Bulb:</source>
        <translation>Wet Bulb:</translation>
    </message>
    <message>
        <source>TCTemp:</source>
        <translation>TCTemp:</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Time error</source>
        <translation>Time error</translation>
    </message>
    <message>
        <source>Please input the correct time.</source>
        <translation>Please input the correct time.</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>Decibel</translation>
    </message>
    <message>
        <source>(FC)</source>
        <translation>(FC)</translation>
    </message>
    <message>
        <source>(Lux)</source>
        <translation>(Lux)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Humidity(%)</source>
        <translation>Humidity(%)</translation>
    </message>
    <message>
        <source>High ALM Line</source>
        <translation>High ALM Line</translation>
    </message>
    <message>
        <source>Low ALM Line</source>
        <translation>Low ALM Line</translation>
    </message>
    <message>
        <source>High T ALM Line</source>
        <translation>High T ALM Line</translation>
    </message>
    <message>
        <source>Low T ALM Line</source>
        <translation>Low T ALM Line</translation>
    </message>
    <message>
        <source>High H ALM Line</source>
        <translation>High H ALM Line</translation>
    </message>
    <message>
        <source>Low H ALM Line</source>
        <translation>Low H ALM Line</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>T4</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>T1:</source>
        <translation>T1:</translation>
    </message>
    <message>
        <source>T2:</source>
        <translation>T2:</translation>
    </message>
    <message>
        <source>T3:</source>
        <translation>T3:</translation>
    </message>
    <message>
        <source>T4:</source>
        <translation>T4:</translation>
    </message>
    <message>
        <source>Immediate Start</source>
        <translation>Immediate Start</translation>
    </message>
    <message>
        <source>Scheduled Start</source>
        <translation>Scheduled Start</translation>
    </message>
    <message>
        <source>By Button</source>
        <translation>By Button</translation>
    </message>
    <message>
        <source> Day </source>
        <translation> Day </translation>
    </message>
    <message>
        <source> Hours </source>
        <translation> Hours </translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> Minutes</translation>
    </message>
    <message>
        <source>Light Meter Report</source>
        <translation>Light Meter Report</translation>
    </message>
    <message>
        <source>Create Time:</source>
        <translation>Create Time:</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>Data Summary</source>
        <translation>Data Summary</translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation>Data Chart</translation>
    </message>
    <message>
        <source>Meter Name:</source>
        <translation>Meter Name:</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Sampling Rate:</translation>
    </message>
    <message>
        <source>Recording Time:</source>
        <translation>Recording Time:</translation>
    </message>
    <message>
        <source>Start Mode:</source>
        <translation>Start Mode:</translation>
    </message>
    <message>
        <source>Total Record:</source>
        <translation>Total Record:</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>End Time:</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Maximum Value</source>
        <translation>Maximum Value</translation>
    </message>
    <message>
        <source>Maximum Value Time</source>
        <translation>Maximum Value Time</translation>
    </message>
    <message>
        <source>Minimum Value</source>
        <translation>Minimum Value</translation>
    </message>
    <message>
        <source>Minimum Value Time</source>
        <translation>Minimum Value Time</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Low Alarm(Decibel):</source>
        <translation>Low Alarm(Decibel):</translation>
    </message>
    <message>
        <source>High Alarm(Decibel):</source>
        <translation>High Alarm(Decibel):</translation>
    </message>
    <message>
        <source>Low Alarm(Temperature):</source>
        <translation>Low Alarm(Temperature):</translation>
    </message>
    <message>
        <source>High Alarm(Temperature):</source>
        <translation>High Alarm(Temperature):</translation>
    </message>
    <message>
        <source>Low Alarm(Humidity):</source>
        <translation>Low Alarm(Humidity):</translation>
    </message>
    <message>
        <source>High Alarm(Humidity):</source>
        <translation>High Alarm(Humidity):</translation>
    </message>
    <message>
        <source>Low Alarm(Current):</source>
        <translation>Low Alarm(Current):</translation>
    </message>
    <message>
        <source>High Alarm(Current):</source>
        <translation>High Alarm(Current):</translation>
    </message>
    <message>
        <source>Low Alarm(Voltage):</source>
        <translation>Low Alarm(Voltage):</translation>
    </message>
    <message>
        <source>High Alarm(Voltage):</source>
        <translation>High Alarm(Voltage):</translation>
    </message>
    <message>
        <source>Low Alarm(Light):</source>
        <translation>Low Alarm(Light):</translation>
    </message>
    <message>
        <source>High Alarm(Light):</source>
        <translation>High Alarm(Light):</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Export *</source>
        <translation>Export *</translation>
    </message>
    <message>
        <source>Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)</source>
        <translation>Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Export EXCEL</source>
        <translation>Export EXCEL</translation>
    </message>
    <message>
        <source>EXCEL files (*.xls)</source>
        <translation>EXCEL files (*.xls)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>There are other tasks in progress, please try again later!</source>
        <translation>There are other tasks in progress, please try again later!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>File not found, please open the file.</source>
        <translation>File not found, please open the file.</translation>
    </message>
    <message>
        <source>Export completed</source>
        <translation>Export completed</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Report saved as %1!</source>
        <translation>Report saved as %1!</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>Nothing exported</source>
        <translation>Nothing exported</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 could not be written: %2.</translation>
    </message>
    <message>
        <source>No file was written: %1.</source>
        <translation>No file was written: %1.</translation>
    </message>
    <message>
        <source>No program could open %1.</source>
        <translation>No program could open %1.</translation>
    </message>
    <message>
        <source>The report could not be shown: %1</source>
        <translation>The report could not be shown: %1</translation>
    </message>
    <message>
        <source>Meter Status</source>
        <translation>Meter Status</translation>
    </message>
    <message>
        <source>No meter is connected. MeterLog shows records opened from files; it does not connect to meters.</source>
        <translation>No meter is connected. MeterLog shows records opened from files; it does not connect to meters.</translation>
    </message>
    <message>
        <source>The record holds no samples.</source>
        <translation>The record holds no samples.</translation>
    </message>
    <message>
        <source>Nothing printed</source>
        <translation>Nothing printed</translation>
    </message>
    <message>
        <source>Nothing was printed: %1.</source>
        <translation>Nothing was printed: %1.</translation>
    </message>
    <message>
        <source>Print failed</source>
        <translation>Print failed</translation>
    </message>
</context>
<context>
    <name>OwnFiles</name>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>The folder %1 cannot be made: %2</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>unknown reason</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>%1 is not a regular file.
Please choose a different file name.</source>
        <translation>%1 is not a regular file.
Please choose a different file name.</translation>
    </message>
</context>
<context>
    <name>QMessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>The file %1 is not a record file.</source>
        <translation>The file %1 is not a record file.</translation>
    </message>
    <message>
        <source>The record file %1 is truncated: it ends before its last sample.</source>
        <translation>The record file %1 is truncated: it ends before its last sample.</translation>
    </message>
    <message>
        <source>The record file %1 claims %2 samples; a record holds 0 to 70000.</source>
        <translation>The record file %1 claims %2 samples; a record holds 0 to 70000.</translation>
    </message>
    <message>
        <source>The record file %1 is of an unknown meter model (%2).</source>
        <translation>The record file %1 is of an unknown meter model (%2).</translation>
    </message>
    <message>
        <source>The record file %1 is damaged: a sample row cannot be read.</source>
        <translation>The record file %1 is damaged: a sample row cannot be read.</translation>
    </message>
    <message>
        <source>The record file %1 is damaged: its end mark is missing or misplaced.</source>
        <translation>The record file %1 is damaged: its end mark is missing or misplaced.</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its meter model (%2) is unknown.</source>
        <translation>The record cannot be saved as %1: its meter model (%2) is unknown.</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: it holds %2 samples.</source>
        <translation>The record cannot be saved as %1: it holds %2 samples.</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its creation time is not valid.</source>
        <translation>The record cannot be saved as %1: its creation time is not valid.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>The file %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: %2.</source>
        <translation>The record cannot be saved as %1: %2.</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its meter name or device ID is longer than %2 characters.</source>
        <translation>The record cannot be saved as %1: its meter name or device ID is longer than %2 characters.</translation>
    </message>
</context>
<context>
    <name>SoundDeviceInfoDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Current Status of Meter</source>
        <translation>Current Status of Meter</translation>
    </message>
    <message>
        <source>Meter Name:</source>
        <translation>Meter Name:</translation>
    </message>
    <message>
        <source>My Datalogger</source>
        <translation>My Datalogger</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Sampling Rate:</translation>
    </message>
    <message>
        <source>Recording Time:</source>
        <translation>Recording Time:</translation>
    </message>
    <message>
        <source>Start Mode:</source>
        <translation>Start Mode:</translation>
    </message>
    <message>
        <source>Low Alarm(Sound):</source>
        <translation>Low Alarm(Sound):</translation>
    </message>
    <message>
        <source>High Alarm(Sound):</source>
        <translation>High Alarm(Sound):</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Firmware Version:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>0.5S</source>
        <translation>0.5S</translation>
    </message>
    <message>
        <source>1S</source>
        <translation>1S</translation>
    </message>
    <message>
        <source>2S</source>
        <translation>2S</translation>
    </message>
    <message>
        <source>5S</source>
        <translation>5S</translation>
    </message>
    <message>
        <source>10S</source>
        <translation>10S</translation>
    </message>
    <message>
        <source>20S</source>
        <translation>20S</translation>
    </message>
    <message>
        <source>30S</source>
        <translation>30S</translation>
    </message>
    <message>
        <source>1min</source>
        <translation>1min</translation>
    </message>
    <message>
        <source>2min</source>
        <translation>2min</translation>
    </message>
    <message>
        <source>5min</source>
        <translation>5min</translation>
    </message>
    <message>
        <source>10min</source>
        <translation>10min</translation>
    </message>
    <message>
        <source>30min</source>
        <translation>30min</translation>
    </message>
    <message>
        <source>1h</source>
        <translation>1h</translation>
    </message>
    <message>
        <source>2h</source>
        <translation>2h</translation>
    </message>
    <message>
        <source>6h</source>
        <translation>6h</translation>
    </message>
    <message>
        <source>12h</source>
        <translation>12h</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24h</translation>
    </message>
    <message>
        <source>By Button</source>
        <translation>By Button</translation>
    </message>
    <message>
        <source>Immediate Start</source>
        <translation>Immediate Start</translation>
    </message>
    <message>
        <source>Scheduled Start</source>
        <translation>Scheduled Start</translation>
    </message>
    <message>
        <source>Low Alarm(Temperature):</source>
        <translation>Low Alarm(Temperature):</translation>
    </message>
    <message>
        <source>High Alarm(Temperature):</source>
        <translation>High Alarm(Temperature):</translation>
    </message>
    <message>
        <source>Low Alarm(Current):</source>
        <translation>Low Alarm(Current):</translation>
    </message>
    <message>
        <source>High Alarm(Current):</source>
        <translation>High Alarm(Current):</translation>
    </message>
    <message>
        <source>Low Alarm(Voltage):</source>
        <translation>Low Alarm(Voltage):</translation>
    </message>
    <message>
        <source>High Alarm(Voltage):</source>
        <translation>High Alarm(Voltage):</translation>
    </message>
    <message>
        <source>Low Alarm(Light):</source>
        <translation>Low Alarm(Light):</translation>
    </message>
    <message>
        <source>High Alarm(Light):</source>
        <translation>High Alarm(Light):</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source> Days </source>
        <translation> Days </translation>
    </message>
    <message>
        <source> Hours </source>
        <translation> Hours </translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> Minutes</translation>
    </message>
    <message>
        <source>Low Alarm(Humidity):</source>
        <translation>Low Alarm(Humidity):</translation>
    </message>
    <message>
        <source>High Alarm(Humidity):</source>
        <translation>High Alarm(Humidity):</translation>
    </message>
</context>
<context>
    <name>SystemSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Display Settings</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Show Tip</source>
        <translation>Show Tip</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Show Alarm Line</source>
        <translation>Show Alarm Line</translation>
    </message>
    <message>
        <source>Dew Point Temperature</source>
        <translation>Dew Point Temperature</translation>
    </message>
    <message>
        <source>Curve Color</source>
        <translation>Curve Color</translation>
    </message>
    <message>
        <source>Channel 0</source>
        <translation>Channel 0</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Channel 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Channel 4</translation>
    </message>
    <message>
        <source>Other Settings</source>
        <translation>Other Settings</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Date Format</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>YYYY/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>DD/MM/YYYY</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/YYYY</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>System Settings</source>
        <translation>System Settings</translation>
    </message>
    <message>
        <source>System Options</source>
        <translation>System Options</translation>
    </message>
    <message>
        <source>Decibel Data</source>
        <translation>Decibel Data</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2. They apply until the program is closed.</source>
        <translation>The settings could not be saved in %1: %2. They apply until the program is closed.</translation>
    </message>
</context>
<context>
    <name>Thread</name>
    <message>
        <source>Time,</source>
        <translation>Time,</translation>
    </message>
    <message>
        <source>Humidity(%RH),</source>
        <translation>Humidity(%RH),</translation>
    </message>
    <message>
        <source>Current(mA),</source>
        <translation>Current(mA),</translation>
    </message>
    <message>
        <source>The workbook driver could not be loaded.</source>
        <translation>The workbook driver could not be loaded.</translation>
    </message>
    <message>
        <source>RECTime</source>
        <translation>RECTime</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>DewPoint</source>
        <translation>DewPoint</translation>
    </message>
    <message>
        <source>WetBulb</source>
        <translation>WetBulb</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>Temperature0</source>
        <translation>Temperature0</translation>
    </message>
    <message>
        <source>Temperature1</source>
        <translation>Temperature1</translation>
    </message>
    <message>
        <source>Temperature2</source>
        <translation>Temperature2</translation>
    </message>
    <message>
        <source>Temperature3</source>
        <translation>Temperature3</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>&quot;Decibel(dB)&quot;</source>
        <translation>&quot;Decibel(dB)&quot;</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>&quot;REC Time&quot;</source>
        <translation>&quot;REC Time&quot;</translation>
    </message>
    <message>
        <source>Temperature Max</source>
        <translation>Temperature Max</translation>
    </message>
    <message>
        <source>Temperature Min</source>
        <translation>Temperature Min</translation>
    </message>
    <message>
        <source>Humidity Max(%RH):</source>
        <translation>Humidity Max(%RH):</translation>
    </message>
    <message>
        <source>Humidity Min(%RH):</source>
        <translation>Humidity Min(%RH):</translation>
    </message>
    <message>
        <source>Dew Point Max</source>
        <translation>Dew Point Max</translation>
    </message>
    <message>
        <source>Dew Point Min</source>
        <translation>Dew Point Min</translation>
    </message>
    <message>
        <source>Wet Bulb Max</source>
        <translation>Wet Bulb Max</translation>
    </message>
    <message>
        <source>Wet Bulb Min</source>
        <translation>Wet Bulb Min</translation>
    </message>
    <message>
        <source>Thermocouple Max</source>
        <translation>Thermocouple Max</translation>
    </message>
    <message>
        <source>Thermocouple Min</source>
        <translation>Thermocouple Min</translation>
    </message>
    <message>
        <source>Light Max</source>
        <translation>Light Max</translation>
    </message>
    <message>
        <source>Light Min</source>
        <translation>Light Min</translation>
    </message>
    <message>
        <source>Decibel Max</source>
        <translation>Decibel Max</translation>
    </message>
    <message>
        <source>Decibel Min</source>
        <translation>Decibel Min</translation>
    </message>
    <message>
        <source>Voltage Max</source>
        <translation>Voltage Max</translation>
    </message>
    <message>
        <source>Voltage Min</source>
        <translation>Voltage Min</translation>
    </message>
    <message>
        <source>Current Max</source>
        <translation>Current Max</translation>
    </message>
    <message>
        <source>Current Min</source>
        <translation>Current Min</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation>Humidity(%RH)</translation>
    </message>
    <message>
        <source>Dew Point</source>
        <translation>Dew Point</translation>
    </message>
    <message>
        <source>Wet Bulb</source>
        <translation>Wet Bulb</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>Decibel</translation>
    </message>
    <message>
        <source>Current(mA)</source>
        <translation>Current(mA)</translation>
    </message>
    <message>
        <source>Logger Data</source>
        <translation>Logger Data</translation>
    </message>
    <message>
        <source>Light Data</source>
        <translation>Light Data</translation>
    </message>
    <message>
        <source>Decibel Data</source>
        <translation>Decibel Data</translation>
    </message>
    <message>
        <source>Meter Name:</source>
        <translation>Meter Name:</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Record Number:</source>
        <translation>Record Number:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Records of model %1 have no export layout.</source>
        <translation>Records of model %1 have no export layout.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>The PDF writer could not start.</source>
        <translation>The PDF writer could not start.</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>there is no summary report for the meter model %1</source>
        <translation>there is no summary report for the meter model %1</translation>
    </message>
    <message>
        <source>the PDF document could not be started</source>
        <translation>the PDF document could not be started</translation>
    </message>
    <message>
        <source>Summary Report</source>
        <translation>Summary Report</translation>
    </message>
    <message>
        <source>Data List</source>
        <translation>Data List</translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation>Data Chart</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Page </translation>
    </message>
    <message>
        <source> of </source>
        <translation> of </translation>
    </message>
    <message>
        <source>Create Time:</source>
        <translation>Create Time:</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Sampling Rate:</translation>
    </message>
    <message>
        <source>Recording Time:</source>
        <translation>Recording Time:</translation>
    </message>
    <message>
        <source>Start Mode:</source>
        <translation>Start Mode:</translation>
    </message>
    <message>
        <source>Data Summary</source>
        <translation>Data Summary</translation>
    </message>
    <message>
        <source>Total Record:</source>
        <translation>Total Record:</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>End Time:</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Maximum Value</source>
        <translation>Maximum Value</translation>
    </message>
    <message>
        <source>Maximum Value Time</source>
        <translation>Maximum Value Time</translation>
    </message>
    <message>
        <source>Minimum Value</source>
        <translation>Minimum Value</translation>
    </message>
    <message>
        <source>Minimum Value Time</source>
        <translation>Minimum Value Time</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Immediate Start</source>
        <translation>Immediate Start</translation>
    </message>
    <message>
        <source>Scheduled Start</source>
        <translation>Scheduled Start</translation>
    </message>
    <message>
        <source>By Button</source>
        <translation>By Button</translation>
    </message>
    <message>
        <source> Day </source>
        <translation> Day </translation>
    </message>
    <message>
        <source> Hours </source>
        <translation> Hours </translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> Minutes</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Voltage(mV)</source>
        <translation>Voltage(mV)</translation>
    </message>
    <message>
        <source>Decibel(dB)</source>
        <translation>Decibel(dB)</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>T4</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>Low Alarm(Current):</source>
        <translation>Low Alarm(Current):</translation>
    </message>
    <message>
        <source>High Alarm(Current):</source>
        <translation>High Alarm(Current):</translation>
    </message>
    <message>
        <source>Low Alarm(Voltage):</source>
        <translation>Low Alarm(Voltage):</translation>
    </message>
    <message>
        <source>High Alarm(Voltage):</source>
        <translation>High Alarm(Voltage):</translation>
    </message>
    <message>
        <source>Low Alarm(Decibel):</source>
        <translation>Low Alarm(Decibel):</translation>
    </message>
    <message>
        <source>High Alarm(Decibel):</source>
        <translation>High Alarm(Decibel):</translation>
    </message>
    <message>
        <source>Low Alarm(Temperature):</source>
        <translation>Low Alarm(Temperature):</translation>
    </message>
    <message>
        <source>High Alarm(Temperature):</source>
        <translation>High Alarm(Temperature):</translation>
    </message>
    <message>
        <source>Low Alarm(Humidity):</source>
        <translation>Low Alarm(Humidity):</translation>
    </message>
    <message>
        <source>High Alarm(Humidity):</source>
        <translation>High Alarm(Humidity):</translation>
    </message>
    <message>
        <source>Low Alarm(Light):</source>
        <translation>Low Alarm(Light):</translation>
    </message>
    <message>
        <source>High Alarm(Light):</source>
        <translation>High Alarm(Light):</translation>
    </message>
    <message>
        <source>Save as writes files whose names end in txt, pdf or csv.</source>
        <translation>Save as writes files whose names end in txt, pdf or csv.</translation>
    </message>
    <message>
        <source>the printer could not print</source>
        <translation>the printer could not print</translation>
    </message>
    <message>
        <source>the print-out has 1 page</source>
        <translation>the print-out has 1 page</translation>
    </message>
    <message>
        <source>the print-out has %1 pages</source>
        <translation>the print-out has %1 pages</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Ctrl+w</source>
        <translation>Ctrl+w</translation>
    </message>
</context>
<context>
    <name>XlsSqlDriver</name>
    <message>
        <source>The connection string names no new workbook: it must end in CREATE_DB=&quot;&lt;path&gt;&quot;;DBQ=&lt;path&gt;.</source>
        <translation>The connection string names no new workbook: it must end in CREATE_DB=&quot;&lt;path&gt;&quot;;DBQ=&lt;path&gt;.</translation>
    </message>
    <message>
        <source>The connection is closed.</source>
        <translation>The connection is closed.</translation>
    </message>
    <message>
        <source>Unable to execute statement</source>
        <translation>Unable to execute statement</translation>
    </message>
    <message>
        <source>Unable to open the workbook</source>
        <translation>Unable to open the workbook</translation>
    </message>
    <message>
        <source>Unable to write the workbook</source>
        <translation>Unable to write the workbook</translation>
    </message>
    <message>
        <source>Only create table and insert into statements are understood.</source>
        <translation>Only create table and insert into statements are understood.</translation>
    </message>
    <message>
        <source>Expected create table &lt;name&gt; (&lt;columns&gt;).</source>
        <translation>Expected create table &lt;name&gt; (&lt;columns&gt;).</translation>
    </message>
    <message>
        <source>Expected a column name.</source>
        <translation>Expected a column name.</translation>
    </message>
    <message>
        <source>Column %1 needs the type NUMBER or text.</source>
        <translation>Column %1 needs the type NUMBER or text.</translation>
    </message>
    <message>
        <source>Expected &quot;)&quot; at the end of the column list.</source>
        <translation>Expected &quot;)&quot; at the end of the column list.</translation>
    </message>
    <message>
        <source>Expected insert into &lt;name&gt;(&lt;columns&gt;) values(&lt;values&gt;).</source>
        <translation>Expected insert into &lt;name&gt;(&lt;columns&gt;) values(&lt;values&gt;).</translation>
    </message>
    <message>
        <source>Expected values(...) after the column list.</source>
        <translation>Expected values(...) after the column list.</translation>
    </message>
    <message>
        <source>Expected a value in single quotes.</source>
        <translation>Expected a value in single quotes.</translation>
    </message>
    <message>
        <source>Expected &quot;)&quot; at the end of the values.</source>
        <translation>Expected &quot;)&quot; at the end of the values.</translation>
    </message>
    <message>
        <source>The table %1 exists already.</source>
        <translation>The table %1 exists already.</translation>
    </message>
    <message>
        <source>A table has 1 to %1 columns.</source>
        <translation>A table has 1 to %1 columns.</translation>
    </message>
    <message>
        <source>The column %1 is named twice.</source>
        <translation>The column %1 is named twice.</translation>
    </message>
    <message>
        <source>There is no table %1.</source>
        <translation>There is no table %1.</translation>
    </message>
    <message>
        <source>The values do not match the columns: %1 named, %2 given.</source>
        <translation>The values do not match the columns: %1 named, %2 given.</translation>
    </message>
    <message>
        <source>A value is longer than %1 characters.</source>
        <translation>A value is longer than %1 characters.</translation>
    </message>
    <message>
        <source>The table %1 has no column %2.</source>
        <translation>The table %1 has no column %2.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MeterLog</source>
        <translation>MeterLog</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>仪表</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation>数据曲线</translation>
    </message>
    <message>
        <source>Data List</source>
        <translation>数据列表</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到：</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Export Excel</source>
        <translation>导出 Excel</translation>
    </message>
    <message>
        <source>Summary Report</source>
        <translation>汇总报告</translation>
    </message>
    <message>
        <source>Meter clock:</source>
        <translation>仪表时钟：</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>另存为(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Export to PDF</source>
        <translation>导出为 PDF(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Export to Excel</source>
        <translation>导出为 Excel(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Meter Status</source>
        <translation>仪表状态(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;System settings</source>
        <translation>系统设置(&amp;S)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Open record file</source>
        <translation>打开记录文件</translation>
    </message>
    <message>
        <source>Record files (*.rec)</source>
        <translation>记录文件 (*.rec)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>找不到帮助文件 %1。</translation>
    </message>
    <message>
        <source>No program could open the help file %1.</source>
        <translation>没有程序能打开帮助文件 %1。</translation>
    </message>
    <message>
        <source>Decibel(dB)</source>
        <translation>分贝(dB)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation>湿度(%RH)</translation>
    </message>
    <message>
        <source>Dew Point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>Current(mA)</source>
        <translation>电流(mA)</translation>
    </message>
    <message>
        <source>Voltage(mV)</source>
        <translation>电压(mV)</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>照度</translation>
    </message>
    <message>
        <source>Wet Bulb</source>
        <translation>湿球</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>热电偶</translation>
    </message>
    <message>
        <source>From: </source>
        <translation>从：</translation>
    </message>
    <message>
        <source> To: </source>
        <translation>  到：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Decibel:</source>
        <translation>分贝：</translation>
    </message>
    <message>
        <source>Light:</source>
        <translation>照度：</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>电流：</translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation>电压：</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>温度：</translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation>湿度：</translation>
    </message>
    <message>
        <source>Dew Temp:</source>
        <translation>露点：</translation>
    </message>
    <message>
        <source>Wet Bulb:</source>
        <translation>湿球：</translation>
    </message>
    <message>
        <source>TCTemp:</source>
        <translation>热电偶：</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Time error</source>
        <translation>时间错误</translation>
    </message>
    <message>
        <source>Please input the correct time.</source>
        <translation>请输入正确的时间。</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>分贝</translation>
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
        <translation>电流</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>Humidity(%)</source>
        <translation>湿度(%)</translation>
    </message>
    <message>
        <source>High ALM Line</source>
        <translation>高报警线</translation>
    </message>
    <message>
        <source>Low ALM Line</source>
        <translation>低报警线</translation>
    </message>
    <message>
        <source>High T ALM Line</source>
        <translation>温度高报警线</translation>
    </message>
    <message>
        <source>Low T ALM Line</source>
        <translation>温度低报警线</translation>
    </message>
    <message>
        <source>High H ALM Line</source>
        <translation>湿度高报警线</translation>
    </message>
    <message>
        <source>Low H ALM Line</source>
        <translation>湿度低报警线</translation>
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
        <translation>T1：</translation>
    </message>
    <message>
        <source>T2:</source>
        <translation>T2：</translation>
    </message>
    <message>
        <source>T3:</source>
        <translation>T3：</translation>
    </message>
    <message>
        <source>T4:</source>
        <translation>T4：</translation>
    </message>
    <message>
        <source>Immediate Start</source>
        <translation>立即启动</translation>
    </message>
    <message>
        <source>Scheduled Start</source>
        <translation>定时启动</translation>
    </message>
    <message>
        <source>By Button</source>
        <translation>按键启动</translation>
    </message>
    <message>
        <source> Day </source>
        <translation> 天 </translation>
    </message>
    <message>
        <source> Hours </source>
        <translation> 小时 </translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Light Meter Report</source>
        <translation>照度计报告</translation>
    </message>
    <message>
        <source>Create Time:</source>
        <translation>创建时间：</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Data Summary</source>
        <translation>数据汇总</translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation>数据图表</translation>
    </message>
    <message>
        <source>Meter Name:</source>
        <translation>仪表名称：</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>设备 ID：</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Recording Time:</source>
        <translation>记录时间：</translation>
    </message>
    <message>
        <source>Start Mode:</source>
        <translation>启动方式：</translation>
    </message>
    <message>
        <source>Total Record:</source>
        <translation>记录总数：</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Maximum Value</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Maximum Value Time</source>
        <translation>最大值时间</translation>
    </message>
    <message>
        <source>Minimum Value</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Minimum Value Time</source>
        <translation>最小值时间</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Low Alarm(Decibel):</source>
        <translation>分贝报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Decibel):</source>
        <translation>分贝报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Temperature):</source>
        <translation>温度报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Temperature):</source>
        <translation>温度报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Humidity):</source>
        <translation>湿度报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Humidity):</source>
        <translation>湿度报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Current):</source>
        <translation>电流报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Current):</source>
        <translation>电流报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Voltage):</source>
        <translation>电压报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Voltage):</source>
        <translation>电压报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Light):</source>
        <translation>照度报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Light):</source>
        <translation>照度报警上限：</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>Export *</source>
        <translation>导出 *</translation>
    </message>
    <message>
        <source>Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)</source>
        <translation>文本文件 (*.txt);;PDF 文件 (*.pdf);;CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Export EXCEL</source>
        <translation>导出 Excel</translation>
    </message>
    <message>
        <source>EXCEL files (*.xls)</source>
        <translation>Excel 文件 (*.xls)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>There are other tasks in progress, please try again later!</source>
        <translation>有其他任务正在进行，请稍后再试！</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>错误！</translation>
    </message>
    <message>
        <source>File not found, please open the file.</source>
        <translation>未找到文件，请先打开文件。</translation>
    </message>
    <message>
        <source>Export completed</source>
        <translation>导出完成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Report saved as %1!</source>
        <translation>报告已保存为 %1！</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>Nothing exported</source>
        <translation>未导出任何内容</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>No file was written: %1.</source>
        <translation>未写入任何文件：%1。</translation>
    </message>
    <message>
        <source>No program could open %1.</source>
        <translation>没有程序能打开 %1。</translation>
    </message>
    <message>
        <source>The report could not be shown: %1</source>
        <translation>无法显示报告：%1</translation>
    </message>
    <message>
        <source>Meter Status</source>
        <translation>仪表状态</translation>
    </message>
    <message>
        <source>No meter is connected. MeterLog shows records opened from files; it does not connect to meters.</source>
        <translation>未连接仪表。MeterLog 只显示从文件打开的记录，不连接仪表。</translation>
    </message>
    <message>
        <source>The record holds no samples.</source>
        <translation>该记录没有任何采样数据。</translation>
    </message>
    <message>
        <source>Nothing printed</source>
        <translation>未打印任何内容</translation>
    </message>
    <message>
        <source>Nothing was printed: %1.</source>
        <translation>未打印任何内容：%1。</translation>
    </message>
    <message>
        <source>Print failed</source>
        <translation>打印失败</translation>
    </message>
</context>
<context>
    <name>OwnFiles</name>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>未知原因</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>%1 is not a regular file.
Please choose a different file name.</source>
        <translation>%1 不是普通文件。
请选择其他文件名。</translation>
    </message>
</context>
<context>
    <name>QMessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>The file %1 is not a record file.</source>
        <translation>文件 %1 不是记录文件。</translation>
    </message>
    <message>
        <source>The record file %1 is truncated: it ends before its last sample.</source>
        <translation>记录文件 %1 不完整：在最后一个样本之前就结束了。</translation>
    </message>
    <message>
        <source>The record file %1 claims %2 samples; a record holds 0 to 70000.</source>
        <translation>记录文件 %1 声称有 %2 个样本；一个记录只能有 0 到 70000 个。</translation>
    </message>
    <message>
        <source>The record file %1 is of an unknown meter model (%2).</source>
        <translation>记录文件 %1 属于未知的仪表型号（%2）。</translation>
    </message>
    <message>
        <source>The record file %1 is damaged: a sample row cannot be read.</source>
        <translation>记录文件 %1 已损坏：有一行样本无法读取。</translation>
    </message>
    <message>
        <source>The record file %1 is damaged: its end mark is missing or misplaced.</source>
        <translation>记录文件 %1 已损坏：结束标记缺失或位置不对。</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its meter model (%2) is unknown.</source>
        <translation>记录无法保存为 %1：仪表型号（%2）未知。</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: it holds %2 samples.</source>
        <translation>记录无法保存为 %1：它有 %2 个样本。</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its creation time is not valid.</source>
        <translation>记录无法保存为 %1：创建时间无效。</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>无法打开文件 %1：%2。</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: %2.</source>
        <translation>记录无法保存为 %1：%2。</translation>
    </message>
    <message>
        <source>The record cannot be saved as %1: its meter name or device ID is longer than %2 characters.</source>
        <translation>记录无法保存为 %1：仪表名称或设备 ID 超过 %2 个字符。</translation>
    </message>
</context>
<context>
    <name>SoundDeviceInfoDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Current Status of Meter</source>
        <translation>仪表当前状态</translation>
    </message>
    <message>
        <source>Meter Name:</source>
        <translation>仪表名称：</translation>
    </message>
    <message>
        <source>My Datalogger</source>
        <translation>我的记录仪</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>设备 ID：</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Recording Time:</source>
        <translation>记录时间：</translation>
    </message>
    <message>
        <source>Start Mode:</source>
        <translation>启动方式：</translation>
    </message>
    <message>
        <source>Low Alarm(Sound):</source>
        <translation>分贝报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Sound):</source>
        <translation>分贝报警上限：</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>按键启动</translation>
    </message>
    <message>
        <source>Immediate Start</source>
        <translation>立即启动</translation>
    </message>
    <message>
        <source>Scheduled Start</source>
        <translation>定时启动</translation>
    </message>
    <message>
        <source>Low Alarm(Temperature):</source>
        <translation>温度报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Temperature):</source>
        <translation>温度报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Current):</source>
        <translation>电流报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Current):</source>
        <translation>电流报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Voltage):</source>
        <translation>电压报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Voltage):</source>
        <translation>电压报警上限：</translation>
    </message>
    <message>
        <source>Low Alarm(Light):</source>
        <translation>照度报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Light):</source>
        <translation>照度报警上限：</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source> Days </source>
        <translation> 天 </translation>
    </message>
    <message>
        <source> Hours </source>
        <translation> 小时 </translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Low Alarm(Humidity):</source>
        <translation>湿度报警下限：</translation>
    </message>
    <message>
        <source>High Alarm(Humidity):</source>
        <translation>湿度报警上限：</translation>
    </message>
</context>
<context>
    <name>SystemSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Display Settings</source>
        <translation>显示设置</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Show Tip</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>设备 ID</translation>
    </message>
    <message>
        <source>Show Alarm Line</source>
        <translation>显示报警线</translation>
    </message>
    <message>
        <source>Dew Point Temperature</source>
        <translation>露点温度</translation>
    </message>
    <message>
        <source>Curve Color</source>
        <translation>曲线颜色</translation>
    </message>
    <message>
        <source>Channel 0</source>
        <translation>通道 0</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>通道 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>通道 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>通道 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>通道 4</translation>
    </message>
    <message>
        <source>Other Settings</source>
        <translation>其他设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>年/月/日</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>System Settings</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>System Options</source>
        <translation>系统选项</translation>
    </message>
    <message>
        <source>Decibel Data</source>
        <translation>分贝数据</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1: %2. They apply until the program is closed.</source>
        <translation>无法将设置保存到 %1：%2。这些设置在程序关闭前仍然有效。</translation>
    </message>
</context>
<context>
    <name>Thread</name>
    <message>
        <source>Time,</source>
        <translation>时间,</translation>
    </message>
    <message>
        <source>Humidity(%RH),</source>
        <translation>湿度(%RH),</translation>
    </message>
    <message>
        <source>Current(mA),</source>
        <translation>电流(mA),</translation>
    </message>
    <message>
        <source>The workbook driver could not be loaded.</source>
        <translation>无法加载工作簿驱动程序。</translation>
    </message>
    <message>
        <source>RECTime</source>
        <translation>记录时间</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>DewPoint</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>WetBulb</source>
        <translation>湿球</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>热电偶</translation>
    </message>
    <message>
        <source>Temperature0</source>
        <translation>温度0</translation>
    </message>
    <message>
        <source>Temperature1</source>
        <translation>温度1</translation>
    </message>
    <message>
        <source>Temperature2</source>
        <translation>温度2</translation>
    </message>
    <message>
        <source>Temperature3</source>
        <translation>温度3</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>照度</translation>
    </message>
    <message>
        <source>&quot;Decibel(dB)&quot;</source>
        <translation>&quot;分贝(dB)&quot;</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>&quot;REC Time&quot;</source>
        <translation>&quot;记录时间&quot;</translation>
    </message>
    <message>
        <source>Temperature Max</source>
        <translation>温度最大值</translation>
    </message>
    <message>
        <source>Temperature Min</source>
        <translation>温度最小值</translation>
    </message>
    <message>
        <source>Humidity Max(%RH):</source>
        <translation>湿度最大值(%RH):</translation>
    </message>
    <message>
        <source>Humidity Min(%RH):</source>
        <translation>湿度最小值(%RH):</translation>
    </message>
    <message>
        <source>Dew Point Max</source>
        <translation>露点最大值</translation>
    </message>
    <message>
        <source>Dew Point Min</source>
        <translation>露点最小值</translation>
    </message>
    <message>
        <source>Wet Bulb Max</source>
        <translation>湿球最大值</translation>
    </message>
    <message>
        <source>Wet Bulb Min</source>
        <translation>湿球最小值</translation>
    </message>
    <message>
        <source>Thermocouple Max</source>
        <translation>热电偶最大值</translation>
    </message>
    <message>
        <source>Thermocouple Min</source>
        <translation>热电偶最小值</translation>
    </message>
    <message>
        <source>Light Max</source>
        <translation>照度最大值</translation>
    </message>
    <message>
        <source>Light Min</source>
        <translation>照度最小值</translation>
    </message>
    <message>
        <source>Decibel Max</source>
        <translation>分贝最大值</translation>
    </message>
    <message>
        <source>Decibel Min</source>
        <translation>分贝最小值</translation>
    </message>
    <message>
        <source>Voltage Max</source>
        <translation>电压最大值</translation>
    </message>
    <message>
        <source>Voltage Min</source>
        <translation>电压最小值</translation>
    </message>
    <message>
        <source>Current Max</source>
        <translation>电流最大值</translation>
    </message>
    <message>
        <source>Current Min</source>
        <translation>电流最小值</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation>湿度(%RH)</translation>
    </message>
    <message>
        <source>Dew Point</source>
        <translation>露点</translation>
    </message>
    <message>
        <source>Wet Bulb</source>
        <translation>湿球</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>分贝</translation>
    </message>
    <message>
        <source>Current(mA)</source>
        <translation>电流(mA)</translation>
    </message>
    <message>
        <source>Logger Data</source>
        <translation>记录仪数据</translation>
    </message>
    <message>
        <source>Light Data</source>
        <translation>照度数据</translation>
    </message>
    <message>
        <source>Decibel Data</source>
        <translation>分贝数据</translation>
    </message>
    <message>
        <source>Meter Name:</source>
        <translation>仪表名称:</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>设备 ID:</translation>
    </message>
    <message>
        <source>Record Number:</source>
        <translation>记录数量:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间:</translation>
    </message>
    <message>
        <source>Records of model %1 have no export layout.</source>
        <translation>型号 %1 的记录没有导出格式。</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>未指定文件名。</translation>
    </message>
    <message>
        <source>The PDF writer could not start.</source>
        <translation>无法启动 PDF 输出。</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>未指定文件名</translation>
    </message>
    <message>
        <source>there is no summary report for the meter model %1</source>
        <translation>仪表型号 %1 没有汇总报告</translation>
    </message>
    <message>
        <source>the PDF document could not be started</source>
        <translation>无法创建 PDF 文档</translation>
    </message>
    <message>
        <source>Summary Report</source>
        <translation>汇总报告</translation>
    </message>
    <message>
        <source>Data List</source>
        <translation>数据列表</translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation>数据图表</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>页码 </translation>
    </message>
    <message>
        <source> of </source>
        <translation> / </translation>
    </message>
    <message>
        <source>Create Time:</source>
        <translation>创建时间:</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>采样率:</translation>
    </message>
    <message>
        <source>Recording Time:</source>
        <translation>记录时间:</translation>
    </message>
    <message>
        <source>Start Mode:</source>
        <translation>启动方式:</translation>
    </message>
    <message>
        <source>Data Summary</source>
        <translation>数据汇总</translation>
    </message>
    <message>
        <source>Total Record:</source>
        <translation>记录总数:</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>开始时间:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>结束时间:</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Maximum Value</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Maximum Value Time</source>
        <translation>最大值时间</translation>
    </message>
    <message>
        <source>Minimum Value</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Minimum Value Time</source>
        <translation>最小值时间</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Immediate Start</source>
        <translation>立即启动</translation>
    </message>
    <message>
        <source>Scheduled Start</source>
        <translation>定时启动</translation>
    </message>
    <message>
        <source>By Button</source>
        <translation>按键启动</translation>
    </message>
    <message>
        <source> Day </source>
        <translation> 天 </translation>
    </message>
    <message>
        <source> Hours </source>
        <translation> 小时 </translation>
    </message>
    <message>
        <source> Minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Voltage(mV)</source>
        <translation>电压(mV)</translation>
    </message>
    <message>
        <source>Decibel(dB)</source>
        <translation>分贝(dB)</translation>
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
        <translation>电流报警下限:</translation>
    </message>
    <message>
        <source>High Alarm(Current):</source>
        <translation>电流报警上限:</translation>
    </message>
    <message>
        <source>Low Alarm(Voltage):</source>
        <translation>电压报警下限:</translation>
    </message>
    <message>
        <source>High Alarm(Voltage):</source>
        <translation>电压报警上限:</translation>
    </message>
    <message>
        <source>Low Alarm(Decibel):</source>
        <translation>分贝报警下限:</translation>
    </message>
    <message>
        <source>High Alarm(Decibel):</source>
        <translation>分贝报警上限:</translation>
    </message>
    <message>
        <source>Low Alarm(Temperature):</source>
        <translation>温度报警下限:</translation>
    </message>
    <message>
        <source>High Alarm(Temperature):</source>
        <translation>温度报警上限:</translation>
    </message>
    <message>
        <source>Low Alarm(Humidity):</source>
        <translation>湿度报警下限:</translation>
    </message>
    <message>
        <source>High Alarm(Humidity):</source>
        <translation>湿度报警上限:</translation>
    </message>
    <message>
        <source>Low Alarm(Light):</source>
        <translation>照度报警下限:</translation>
    </message>
    <message>
        <source>High Alarm(Light):</source>
        <translation>照度报警上限:</translation>
    </message>
    <message>
        <source>Save as writes files whose names end in txt, pdf or csv.</source>
        <translation>另存为只能写入扩展名为 txt、pdf 或 csv 的文件。</translation>
    </message>
    <message>
        <source>the printer could not print</source>
        <translation>打印机无法打印</translation>
    </message>
    <message>
        <source>the print-out has 1 page</source>
        <translation>打印内容只有 1 页</translation>
    </message>
    <message>
        <source>the print-out has %1 pages</source>
        <translation>打印内容共有 %1 页</translation>
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
        <translation>连接字符串未指定新工作簿：它必须以 CREATE_DB=&quot;&lt;path&gt;&quot;;DBQ=&lt;path&gt; 结尾。</translation>
    </message>
    <message>
        <source>The connection is closed.</source>
        <translation>连接已关闭。</translation>
    </message>
    <message>
        <source>Unable to execute statement</source>
        <translation>无法执行语句</translation>
    </message>
    <message>
        <source>Unable to open the workbook</source>
        <translation>无法打开工作簿</translation>
    </message>
    <message>
        <source>Unable to write the workbook</source>
        <translation>无法写入工作簿</translation>
    </message>
    <message>
        <source>Only create table and insert into statements are understood.</source>
        <translation>只支持 create table 和 insert into 语句。</translation>
    </message>
    <message>
        <source>Expected create table &lt;name&gt; (&lt;columns&gt;).</source>
        <translation>此处应为 create table &lt;name&gt; (&lt;columns&gt;)。</translation>
    </message>
    <message>
        <source>Expected a column name.</source>
        <translation>此处应为列名。</translation>
    </message>
    <message>
        <source>Column %1 needs the type NUMBER or text.</source>
        <translation>列 %1 的类型必须为 NUMBER 或 text。</translation>
    </message>
    <message>
        <source>Expected &quot;)&quot; at the end of the column list.</source>
        <translation>列名列表末尾缺少 &quot;)&quot;。</translation>
    </message>
    <message>
        <source>Expected insert into &lt;name&gt;(&lt;columns&gt;) values(&lt;values&gt;).</source>
        <translation>此处应为 insert into &lt;name&gt;(&lt;columns&gt;) values(&lt;values&gt;)。</translation>
    </message>
    <message>
        <source>Expected values(...) after the column list.</source>
        <translation>列名列表之后应为 values(...)。</translation>
    </message>
    <message>
        <source>Expected a value in single quotes.</source>
        <translation>此处应为单引号括起的值。</translation>
    </message>
    <message>
        <source>Expected &quot;)&quot; at the end of the values.</source>
        <translation>值列表末尾缺少 &quot;)&quot;。</translation>
    </message>
    <message>
        <source>The table %1 exists already.</source>
        <translation>表 %1 已存在。</translation>
    </message>
    <message>
        <source>A table has 1 to %1 columns.</source>
        <translation>一个表只能有 1 到 %1 列。</translation>
    </message>
    <message>
        <source>The column %1 is named twice.</source>
        <translation>列 %1 重复出现。</translation>
    </message>
    <message>
        <source>There is no table %1.</source>
        <translation>表 %1 不存在。</translation>
    </message>
    <message>
        <source>The values do not match the columns: %1 named, %2 given.</source>
        <translation>值与列不匹配：指定了 %1 列，给出了 %2 个值。</translation>
    </message>
    <message>
        <source>A value is longer than %1 characters.</source>
        <translation>有一个值超过 %1 个字符。</translation>
    </message>
    <message>
        <source>The table %1 has no column %2.</source>
        <translation>表 %1 中没有列 %2。</translation>
    </message>
</context>
</TS>

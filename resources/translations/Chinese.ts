<?xml version='1.0' encoding='utf-8'?>
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
        <source>The summary report is not available in this version.</source>
        <translation>此版本尚不提供汇总报告。</translation>
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
        <source>The file %1 cannot be read: %2.</source>
        <translation>无法读取文件 %1：%2。</translation>
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
    <name>TitleBar</name>
    <message>
        <source>Ctrl+w</source>
        <translation>Ctrl+w</translation>
    </message>
</context>
</TS>
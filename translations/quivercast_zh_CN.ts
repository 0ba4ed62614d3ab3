<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>无法创建文件夹“%1”。%2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> 您的设置从“%1”读取，不会被保存。</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> 更改后的配置文件无法保存。</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>CreatePipe() 出错</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>CreateProcess() 出错</translation>
    </message>
</context>
<context>
    <name>ProfileName</name>
    <message>
        <source>AVI MPEG-4 + MP3</source>
        <translation>AVI MPEG-4 + MP3</translation>
    </message>
    <message>
        <source>MKV H.265 + AAC</source>
        <translation>MKV H.265 + AAC</translation>
    </message>
    <message>
        <source>MOV H.264 + AAC</source>
        <translation>MOV H.264 + AAC</translation>
    </message>
    <message>
        <source>MP3 Audio Only</source>
        <translation>MP3（仅音频）</translation>
    </message>
    <message>
        <source>MP4 H.264 + AAC</source>
        <translation>MP4 H.264 + AAC</translation>
    </message>
    <message>
        <source>MP4 MPEG-4 + AAC</source>
        <translation>MP4 MPEG-4 + AAC</translation>
    </message>
    <message>
        <source>MPEG-2 DVD</source>
        <translation>MPEG-2 DVD</translation>
    </message>
    <message>
        <source>WMV + WMA</source>
        <translation>WMV + WMA</translation>
    </message>
    <message>
        <source>WebM VP9 + Opus</source>
        <translation>WebM VP9 + Opus</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>New Filename</source>
        <translation>新文件名</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>视频编码</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>视频尺寸</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>禁用视频</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>音频编码</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>音频比特率</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>禁用音频</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>精确位算法</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>去隔行</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>原始尺寸</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>自定义尺寸</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>MS MPEG-4 V3</source>
        <translation>MS MPEG-4 V3</translation>
    </message>
    <message>
        <source>Windows Media Video 8</source>
        <translation>Windows Media Video 8</translation>
    </message>
    <message>
        <source>Windows Media Audio 2</source>
        <translation>Windows Media Audio 2</translation>
    </message>
    <message>
        <source>MPEG-PS (DVD)</source>
        <translation>MPEG-PS (DVD)</translation>
    </message>
</context>
<context>
    <name>QtPreviewPlayer</name>
    <message>
        <source>The file could not be opened</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>不支持该文件的格式</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>无法通过网络读取文件</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>文件访问被拒绝</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>媒体框架出错</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>无法在 %1 秒内打开文件</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>转换已停止。</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>无法启动编码器：%1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>编码器崩溃了。</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>编码器以退出状态 %1 结束。</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>编码器未能写完输出文件。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>无法创建输出文件夹“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>无法替换“%1”：%2。</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>转换未开始，因为无法将其输出记录为未完成：%1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>未写入输出文件。</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>输出文件为空。</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>无法打开输出。</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>无法打开输出：%1。</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>输出没有视频流。</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>输出没有音频流。</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>输出未给出时长；预期为 %1 秒。</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>输出时长为 %1 秒；预期为 %2 秒。</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>输出路径不存在。请指定其他路径。</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>输出路径不存在</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>转换已取消。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>计算机未关机：%1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>未关机</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>转换已成功完成。</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>转换已完成，但 %2 个文件中有 %1 个无法转换。</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> %1 个文件中有 1 个被跳过，因为其输出文件已存在。</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %2 个文件中有 %1 个被跳过，因为其输出文件已存在。</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> 将鼠标指向“失败”的任务可查看原因，或在其右键菜单中选择“显示日志...”。</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>完成，但有错误</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 个源文件已移到回收站。</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 个源文件已移到回收站。</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>。任务列表未保存，因此下次启动时无法恢复未完成的任务。</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>任务列表未保存</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>它不是任务列表。</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>无法读取第 %1 行。</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>它不完整。</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>任务 %1 未指定源文件。</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>将其输出命名为“%1”</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>时间为 %1 到 %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>它不是文件。</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>它太大了。</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>无法使用上次会话的任务列表“%1”：%2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> 已将其另存为“%1”。</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> 任务列表从空开始。</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>恢复上次会话中 1 个未完成的任务？</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>恢复上次会话中 %1 个未完成的任务？</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>恢复任务</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>任务 %1（%2）%3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>上次会话的任务列表“%1”包含损坏的值：%2。这些任务已按其源文件的名称和时间恢复。</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>任务列表已损坏</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>所有支持的文件</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>%1 文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>版本 </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>访问我们的网站</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>更多视频转换软件</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>（更多）</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>销售支持</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>折叠或展开此部分。</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>配置：</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>输出路径：</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>输出路径</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>浏览(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>选择输出目录。</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>正在添加文件</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>将文件夹添加到任务列表</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>正在添加文件：%1 / %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>日志 - %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>日志文件 (*.log)|*.log|文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>日志未保存</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>已暂停 - %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>正在转换。要停止转换并退出吗？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>监视文件夹</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>添加视频文件</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>监视文件夹...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 项未添加</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 项未添加</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... 还有 %1 项。</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>面板宽度</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>计算机将在 %1 秒后关机。</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>剩余秒数</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>立即关机</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TPreviewPane</name>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>暂停 / 继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>无法创建媒体播放器。</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>处理</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>。将按显示的值使用该配置，但无法保存它。</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>配置未保存</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>配置详情</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>正在转换：</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>无文件</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>已用时间：</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>当前进度</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>当前进度：</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>总进度：</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>已转换 1 个文件</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>已转换 %1 个文件</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1，跳过 %2 个，失败 %3 个。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     常规     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     配置     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>加载默认值(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>默认输出路径：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>同步模式：</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>强制模式</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>逐行模式</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>任务完成后打开输出目录。 </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>任务完成后退出程序。</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>任务完成后关闭计算机。</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>同时转换数：</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>输出文件覆盖</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>不覆盖（重命名为 &lt;文件名&gt; + 序号</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>跳过（保留已有文件）</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>包含子文件夹</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>保留文件夹结构</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>同时分析数：</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>仅用编码器分析</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>语言将在下次启动时更改。</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      视频</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      音频</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      高级</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>确定要加载默认首选项吗？</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>加载默认值</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>配置文件 (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>选择输出目录。</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>转换后检查每个输出</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>输出检查通过后将源文件移到回收站</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>输出文件的视频尺寸</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>请为输出视频指定正确的宽度。</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>宽度不正确</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>请为输出视频指定正确的高度。</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>高度不正确</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>显示日志...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>当前任务完成后停止</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>撤销移除</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>撤销清空</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>无效的时间：保留 %1。</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>正在转换的任务无法编辑。</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>已完成的任务在运行结束前无法编辑。</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>正在转换的任务无法移除。</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>已完成的任务在运行结束前无法移除。</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>正在转换和已完成的任务会保留到运行结束。</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>监视文件夹...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>提示：</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>请在任务列表中选择一个文件。</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>正在监视</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>文件夹不可用</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>监视文件夹</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>文件夹(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>配置(&amp;P):</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>输出文件夹(&amp;U):</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>包含子文件夹</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>两者都保留：为新文件加上编号</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>跳过该文件</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>已存在的输出文件(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>请选择要监视的文件夹。</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>请选择输出文件夹。</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>请选择要监视的文件夹。</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>未选择文件夹</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>请选择存放转换后文件的文件夹。</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>未选择输出文件夹</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>监视文件夹</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>重试失败项(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>继续(&amp;U)</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>监视文件夹未保存</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>1 个失败的文件将重新处理。</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>%1 个失败的文件将重新处理。</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>重试失败项</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>文件未变化多久后处理(&amp;T):</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>重新扫描文件夹的间隔(&amp;S):</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>开始使用：</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. 将多个视频添加到任务列表。</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. 选择配置和输出路径。</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. 点击“开始”按钮。</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>其名称不是有效的 UTF-8：请重命名后再添加</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>既不是普通文件也不是文件夹</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>不是可接受类型的视频文件（%1）</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1：未找到</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1：不是视频文件</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1：已在列表中</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1：名称不是有效的 UTF-8</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>它大于 %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>无法读取列表文件“%1”：%2。</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>列表文件无法读取</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>将文件夹添加到任务列表</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>（输出的开头已省略：只保留最后 %1 KB。）</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>正在转换 %1%</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>输入文件</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>个人设置</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
</context>
</TS>

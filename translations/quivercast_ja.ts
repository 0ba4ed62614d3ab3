<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>フォルダー「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> 設定は「%1」から読み込まれ、保存されません。</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> 変更したプロファイルは保存できません。</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>CreatePipe() でエラー</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>CreateProcess() でエラー</translation>
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
        <translation>MP3（音声のみ）</translation>
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
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>映像コーデック</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>映像サイズ</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>映像を無効化</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>音声コーデック</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>音声レート</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>音声を無効化</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>ビット精度アルゴリズム</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>インターレース解除</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>カスタムサイズ</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元のまま</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
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
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>ファイルの形式はサポートされていません</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>ネットワーク経由でファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>ファイルへのアクセスが拒否されました</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>メディアフレームワークでエラーが発生しました</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>%1 秒以内にファイルを開けませんでした</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>変換を停止しました。</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>エンコーダーを起動できませんでした: %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>エンコーダーがクラッシュしました。</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>エンコーダーが終了コード %1 で終了しました。</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>エンコーダーが出力ファイルを最後まで書き込めませんでした。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>出力フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>「%1」を置き換えられません: %2。</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>出力を未完了として記録できなかったため、変換は開始されませんでした: %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>出力ファイルが書き込まれませんでした。</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>出力ファイルが空です。</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>出力を開けません。</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>出力を開けません: %1。</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>出力に映像ストリームがありません。</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>出力に音声ストリームがありません。</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>出力の長さが不明です。%1 秒のはずでした。</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>出力の長さは %1 秒です。%2 秒のはずでした。</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>出力パスが存在しません。別のパスを指定してください。</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>出力パスが存在しません</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>変換はキャンセルされました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>コンピューターの電源は切れませんでした: %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>電源オフ失敗</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>変換は正常に完了しました。</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>変換は完了しましたが、%2 個中 %1 個のファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 出力ファイルが既に存在するため、%1 個中 1 個のファイルをスキップしました。</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> 出力ファイルが既に存在するため、%2 個中 %1 個のファイルをスキップしました。</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> 「失敗」のタスクにポインターを合わせると理由が表示されます。またはポップアップメニューの「ログを表示...」を選んでください。</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>エラーありで終了</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 個のソースファイルをごみ箱に移動しました。</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 個のソースファイルをごみ箱に移動しました。</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>。タスクリストが保存されないため、次回起動時に未完了のタスクを復元できません。</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>タスクリスト未保存</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>タスクリストではありません。</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>%1 行目を読み込めません。</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>途中で切れています。</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>タスク %1 にソースファイルがありません。</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>出力名が「%1」です</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>時間が %1 から %2 です</translation>
    </message>
    <message>
        <source> and </source>
        <translation> および </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ファイルではありません。</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>大きすぎます。</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>前回のセッションのタスクリスト「%1」は使用できません: %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> 「%1」として退避しました。</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> タスクリストは空で始まります。</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>前回のセッションの未完了タスク 1 個を復元しますか?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>前回のセッションの未完了タスク %1 個を復元しますか?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>タスクの復元</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>タスク %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>前回のセッションのタスクリスト「%1」に破損した値があります: %2。これらのタスクはソースの名前と時間で復元されました。</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>タスクリストの破損</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>サポートされているすべてのファイル</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>バージョン </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Web サイトへ</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>その他の動画変換ソフト</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(その他)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>技術サポート</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>販売サポート</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>セクションを折りたたむか展開します。</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>出力パス:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>出力パス</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>参照(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>出力先フォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>ファイルを追加中</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>タスクリストにフォルダーを追加</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>ファイルを追加中: %1 / %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>ログ - %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>ログファイル (*.log)|*.log|テキストファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>ログ未保存</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>一時停止中 - %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>変換中です。変換を停止して終了しますか?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>監視フォルダー</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>動画ファイルを追加</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>監視フォルダー...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 個の項目を追加できませんでした</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 個の項目を追加できませんでした</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... ほか %1 個。</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>パネルの幅</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>電源オフ</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>%1 秒後にコンピューターの電源を切ります。</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>残り秒数</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>今すぐ電源オフ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>一時停止 / 再開</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>メディアプレーヤーを作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>処理</translation>
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
        <translation>。プロファイルの値は表示どおりに使われますが、保存はできません。</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>プロファイル未保存</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>プロファイルの詳細</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>変換中:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>ファイルなし</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>経過時間:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>現在の進行状況</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>現在の進行状況:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>全体の進行状況:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 個のファイルを変換しました</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 個のファイルを変換しました</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>変換完了</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1、スキップ %2 個、失敗 %3 個。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     全般     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     プロファイル     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>既定値を読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>既定の出力パス:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>同期モード:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>強制モード</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>プログレッシブモード</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>タスクの完了時に出力フォルダーを開く。 </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>タスクの完了時にプログラムを終了する。</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>タスクの完了時にコンピューターの電源を切る。</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>同時変換数:</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>出力ファイルの上書き</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書きする</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>上書きしない (&lt;ファイル名&gt; + 番号に名前を変更</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>スキップする (既存のファイルを残す)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>ファイルの追加</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>フォルダー構成を保つ</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>同時解析数:</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>エンコーダーだけで解析する</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>言語は次回の起動時に切り替わります。</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>別名で保存(&amp;S)...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      映像</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      音声</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      詳細</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>既定の設定を読み込みますか?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>既定値の読み込み</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>プロファイル (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>出力先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>変換後に各出力を確認する</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>出力の確認後にソースをごみ箱へ移動する</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>出力ファイルの映像サイズ</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>出力動画の正しい幅を指定してください。</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>幅が正しくありません</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>出力動画の正しい高さを指定してください。</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>高さが正しくありません</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>タスクリスト</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>ログを表示...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>ファイルを追加...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>現在のタスクの後で停止</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>削除を元に戻す</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>クリアを元に戻す</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>無効な時間です: %1 のままです。</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>変換中のタスクは編集できません。</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>完了したタスクは実行が終わるまで編集できません。</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>変換中のタスクは削除できません。</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>完了したタスクは実行が終わるまで削除できません。</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>変換中と完了済みのタスクは実行終了まで残ります。</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>監視フォルダー...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>ヒント:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>タスクリストでファイルを選択してください。</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>監視中</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>フォルダーを利用できません</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>監視フォルダー</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>フォルダー(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>プロファイル(&amp;P):</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>出力フォルダー(&amp;U):</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>上書きする</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>両方残す：新しいファイルに番号を付ける</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>ファイルをスキップする</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>既存の出力ファイル(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>監視するフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>監視するフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>フォルダーがありません</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>変換後のファイルを保存するフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>出力フォルダーがありません</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>監視フォルダー</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>失敗分を再試行(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>再開(&amp;U)</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>監視フォルダーを保存できませんでした</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>失敗したファイル 1 件をもう一度取り込みます。</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>失敗したファイル %1 件をもう一度取り込みます。</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>失敗分を再試行</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>ファイルが変化しなくなってから取り込むまで(&amp;T):</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>フォルダーを再走査する間隔(&amp;S):</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>はじめに:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. タスクリストに動画を追加します。</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. プロファイルと出力パスを選びます。</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. 「開始」ボタンをクリックします。</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>名前が正しい UTF-8 ではありません: 追加するには名前を変更してください</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>ファイルまたはフォルダーがありません</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>通常のファイルでもフォルダーでもありません</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>対応する種類の動画ファイルではありません (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: 見つかりません</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1: 動画ファイルではありません</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1: 既にリストにあります</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1: 名前が正しい UTF-8 ではありません</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>リストファイル「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>リストファイルを読み込めません</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>タスクリストにフォルダーを追加</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(出力の先頭は省略されました: 最後の %1 KB のみ保持されます。)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>解析中</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>変換中 %1%</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>入力ファイル</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>個人設定</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать папку «%1». %2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> Настройки читаются из «%1» и не сохраняются.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> Изменённые профили нельзя сохранить.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>Ошибка в CreatePipe()</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Ошибка в CreateProcess()</translation>
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
        <translation>MP3 (только звук)</translation>
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
        <translation>Новое имя файла</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Время конца</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Видеокодек</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Размер видео</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>Отключить видео</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Аудиокодек</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Битрейт звука</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>Отключить звук</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>Побитово точные алгоритмы</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Устранение чересстрочности</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Свой размер</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Исходная</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
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
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>Формат файла не поддерживается</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>Не удалось прочитать файл по сети</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>Доступ к файлу запрещён</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>Сбой мультимедийной системы</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>Не удалось открыть файл за %1 с</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>Преобразование остановлено.</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>Не удалось запустить кодировщик: %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>Кодировщик аварийно завершился.</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>Кодировщик завершился с кодом %1.</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>Кодировщик не смог дописать выходной файл.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Не удаётся создать выходную папку «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>Не удаётся заменить «%1»: %2.</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>Преобразование не начато, так как его выходной файл не удалось отметить как незавершённый: %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>Выходной файл не записан.</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>Выходной файл пуст.</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>Не удаётся открыть выходной файл.</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>Не удаётся открыть выходной файл: %1.</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>В выходном файле нет видеопотока.</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>В выходном файле нет аудиопотока.</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>Выходной файл не сообщает длительность; ожидалось %1 с.</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>Длительность выходного файла %1 с; ожидалось %2 с.</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>Выходной путь не существует. Укажите другой.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>Выходной путь не существует</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>Преобразование отменено.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>Компьютер не был выключен: %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>Не выключен</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>Преобразование успешно завершено.</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>Преобразование завершено, но %1 из %2 файлов преобразовать не удалось.</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 1 из %1 файлов пропущен, так как его выходной файл уже существует.</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %1 из %2 файлов пропущены, так как их выходные файлы уже существуют.</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> Наведите указатель на задание «Ошибка», чтобы узнать причину, или выберите «Показать журнал...» в его контекстном меню.</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>Завершено с ошибками</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 исходный файл перемещён в корзину.</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> Исходных файлов перемещено в корзину: %1.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>. Список заданий не сохранён, поэтому незавершённые задания нельзя будет восстановить при следующем запуске.</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>Список заданий не сохранён</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>это не список заданий.</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>строку %1 невозможно прочитать.</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>он обрывается.</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>задание %1 не указывает исходный файл.</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>называет свой выходной файл «%1»</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>имеет время с %1 по %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>это не файл.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>он слишком велик.</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>Список заданий прошлого сеанса «%1» нельзя использовать: %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> Он отложен как «%1».</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> Список заданий начинается пустым.</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>Восстановить 1 незавершённое задание прошлого сеанса?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>Восстановить незавершённые задания прошлого сеанса (%1)?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>Восстановление заданий</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>задание %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>Список заданий прошлого сеанса «%1» содержит повреждённые значения: %2. Эти задания восстановлены с именем и временем их источника.</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>Список заданий повреждён</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>Все поддерживаемые файлы</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>Файлы %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Версия </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Все права защищены.</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Посетите наш сайт</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>Другие программы для преобразования видео</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(Ещё)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Техподдержка</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>Отдел продаж</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>Сворачивает или разворачивает раздел.</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Настроить</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Выходной путь:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Выходной путь</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Обзор</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>От&amp;крыть</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Выберите выходную папку.</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>Добавление файлов</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Добавить папку в список заданий</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Добавление файлов: %1 из %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>Журнал — %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Файлы журналов (*.log)|*.log|Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>Журнал не сохранён</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>Пауза — %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>Идёт преобразование. Остановить его и выйти?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>Отслеживаемые папки</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>Добавить видеофайлы</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Отслеживаемые папки...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 элемент не добавлен</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>Не добавлено элементов: %1</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... и ещё %1.</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>Ширина панели</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>Компьютер выключится через %1 с.</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Осталось секунд</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Выключить сейчас</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TPreviewPane</name>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Пауза / Продолжить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>Не удалось создать медиапроигрыватель.</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>Процесс</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>. Значения профиля используются как показано, но сохранить его нельзя.</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>Профиль не сохранён</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>Параметры профиля</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>Преобразуется:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Нет файла</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Прошло времени:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Осталось времени:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Текущий прогресс</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Общий прогресс</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Текущий прогресс:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Общий прогресс:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 файл преобразован</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>Преобразовано файлов: %1</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>Преобразование завершено</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1, пропущено: %2, с ошибкой: %3.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Общие     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Профили     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Загрузить стандартные</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Выходной путь по умолчанию:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Режим синхронизации:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Принудительный</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Прогрессивный</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Открыть выходную папку по завершении задания. </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Выйти из программы по завершении задания.</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Выключить компьютер по завершении задания.</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Одновременных преобразований:</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Перезапись выходных файлов</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписывать</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Не перезаписывать (&lt;Имя&gt; + номер</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>Пропускать (оставить существующий файл)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>Добавление файлов</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Включая вложенные папки</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>Сохранять структуру папок</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>Одновременных анализов:</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>Анализировать только кодировщиком</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Язык сменится при следующем запуске.</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      Видео</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      Звук</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      Дополнительно</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Загрузить стандартные настройки?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Стандартные настройки</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>Профили (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Выберите выходную папку.</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>Проверять каждый выходной файл после преобразования</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>Перемещать источник в корзину после проверки</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Размер видео выходных файлов</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Укажите правильную ширину выходного видео.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Неверная ширина</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Укажите правильную высоту выходного видео.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Неверная высота</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>Список заданий</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>Показать журнал...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Добавить файлы...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Добавить папки...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>Остановить после текущего задания</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>Отменить удаление</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Отменить очистку</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>Неверное время: оставлено %1.</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>Преобразуемое задание нельзя изменить.</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>Завершённое задание можно изменить только после окончания запуска.</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>Преобразуемое задание нельзя удалить.</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>Завершённое задание можно удалить только после окончания запуска.</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>Преобразуемые и завершённые задания остаются до окончания запуска.</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Отслеживаемые папки...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>Совет:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Выберите файл в списке заданий.</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Отслеживается</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>Папка недоступна</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>Отслеживаемая папка</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>П&amp;рофиль:</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>Папка &amp;вывода:</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Включая вложенные папки</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>Сохранить оба: добавить к новому номер</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Пропустить файл</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>&amp;Существующий выходной файл:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>Выберите папку для отслеживания.</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Выберите папку вывода.</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>Выберите папку для отслеживания.</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>Папка не выбрана</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>Выберите папку для преобразованных файлов.</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>Папка вывода не выбрана</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>Отслеживаемые папки</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Изменить...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>Повторить &amp;неудачные</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>П&amp;родолжить</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>Отслеживаемые папки не сохранены</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>1 неудачный файл будет взят снова.</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>Неудачные файлы (%1) будут взяты снова.</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Повторить неудачные</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>&amp;Брать файл, не менявшийся в течение:</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>Перечитывать папки &amp;каждые:</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Начало работы:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Добавьте видео в список заданий.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Выберите профиль и выходной путь.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Нажмите кнопку «Начать».</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>его имя не в правильной кодировке UTF-8: переименуйте его, чтобы добавить</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>нет такого файла или папки</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>не обычный файл и не папка</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>не видеофайл допустимого типа (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: не найден</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1: не видеофайл</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1: уже в списке</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1: имя не в UTF-8</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>он больше %1 МБ</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Файл списка «%1» невозможно прочитать: %2.</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>Файл списка не читается</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Добавить папку в список заданий</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(Начало вывода опущено: хранятся только последние %1 КБ.)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>Преобразование %1%</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>Личные настройки</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
</context>
</TS>

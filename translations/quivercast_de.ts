<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> Ihre Einstellungen werden aus „%1“ gelesen und nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> Geänderte Profile können nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>Fehler bei CreatePipe()</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Fehler bei CreateProcess()</translation>
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
        <translation>MP3 (nur Audio)</translation>
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
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Video-Codec</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Seitenformat</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>Ohne Video</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Audio-Codec</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>Ohne Audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>Bitgenau</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacing</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
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
        <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>Das Format der Datei wird nicht unterstützt</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>Die Datei konnte nicht über das Netzwerk gelesen werden</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>Der Zugriff auf die Datei wurde verweigert</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>Das Medien-Framework ist gescheitert</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>Die Datei konnte nicht innerhalb von %1 Sekunden geöffnet werden</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>Die Konvertierung wurde angehalten.</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>Der Encoder konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>Der Encoder ist abgestürzt.</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>Der Encoder wurde mit dem Status %1 beendet.</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>Der Encoder konnte die Ausgabedatei nicht fertig schreiben.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ausgabeordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>„%1“ kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>Die Konvertierung wurde nicht gestartet, da ihre Ausgabe nicht als unfertig vermerkt werden konnte: %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>Die Ausgabedatei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>Die Ausgabedatei ist leer.</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>Die Ausgabe kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>Die Ausgabe kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>Die Ausgabe hat keinen Videostream.</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>Die Ausgabe hat keinen Audiostream.</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>Die Ausgabe nennt ihre Länge nicht; erwartet wurden %1 s.</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>Die Ausgabe ist %1 s lang; erwartet wurden %2 s.</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>Der Ausgabepfad existiert nicht. Bitte geben Sie einen anderen an.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>Ausgabepfad existiert nicht</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>Die Konvertierung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>Der Computer wurde nicht ausgeschaltet: %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>Nicht ausgeschaltet</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>Die Konvertierung wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>Die Konvertierung ist abgeschlossen, aber %1 von %2 Dateien konnten nicht konvertiert werden.</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 1 von %1 Dateien wurde übersprungen, weil ihre Ausgabedatei bereits existiert.</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %1 von %2 Dateien wurden übersprungen, weil ihre Ausgabedateien bereits existieren.</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> Zeigen Sie auf eine „Fehlgeschlagen“-Aufgabe, um den Grund zu sehen, oder wählen Sie „Protokoll anzeigen...“ in ihrem Kontextmenü.</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>Mit Fehlern beendet</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 Quelldatei wurde in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 Quelldateien wurden in den Papierkorb verschoben.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>. Die Aufgabenliste wird nicht gespeichert, daher können unfertige Aufgaben beim nächsten Start nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>Aufgabenliste nicht gespeichert</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>sie ist keine Aufgabenliste.</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>Zeile %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>sie ist unvollständig.</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>Aufgabe %1 nennt keine Quelldatei.</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>nennt ihre Ausgabe „%1“</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>hat die Zeiten %1 bis %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>sie ist keine Datei.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>sie ist zu groß.</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>Die Aufgabenliste der letzten Sitzung „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> Sie wurde als „%1“ beiseitegelegt.</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> Die Aufgabenliste beginnt leer.</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>Die 1 unfertige Aufgabe der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>Die %1 unfertigen Aufgaben der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>Aufgaben wiederherstellen</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>Aufgabe %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>Die Aufgabenliste der letzten Sitzung „%1“ enthält beschädigte Werte: %2. Diese Aufgaben wurden mit dem Namen und den Zeiten ihrer Quelle wiederhergestellt.</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>Aufgabenliste beschädigt</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>%1-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Besuchen Sie unsere Website</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>Weitere Videokonverter</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(Mehr)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Technik-Support</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>Vertrieb</translation>
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
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>Klappt den Abschnitt zu oder auf.</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellen</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Ausgabepfad:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Ausgabepfad</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Wählen Sie den Ausgabeordner.</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>Dateien werden hinzugefügt</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Einen Ordner zur Aufgabenliste hinzufügen</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Dateien werden hinzugefügt: %1 von %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>Protokoll – %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Protokolldateien (*.log)|*.log|Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>Protokoll nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>Angehalten – %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>Eine Konvertierung läuft. Möchten Sie sie anhalten und das Programm beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>Überwachte Ordner</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>Videodateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Überwachte Ordner...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 Eintrag wurde nicht hinzugefügt</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 Einträge wurden nicht hinzugefügt</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>Breite des Bereichs</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>Der Computer wird in %1 Sekunden ausgeschaltet.</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Verbleibende Sekunden</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPreviewPane</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>Der Mediaplayer konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>. Die Werte des Profils werden wie angezeigt verwendet, aber es kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>Profil nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>Profildetails</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>Konvertiert:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Vergangene Zeit:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Aktueller Fortschritt</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Aktueller Fortschritt:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Gesamtfortschritt:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 Datei konvertiert</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 Dateien konvertiert</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1, %2 übersprungen, %3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Allgemein     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Profile     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Standard laden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Standard-Ausgabepfad:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Synchronisationsmodus:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Progressiv</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Nach Abschluss den Ausgabeordner öffnen. </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Nach Abschluss das Programm beenden.</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Nach Abschluss den Computer ausschalten.</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Gleichzeitige Konvertierungen:</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Vorhandene Ausgabedateien</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Nicht überschreiben (&lt;Name&gt; + Index</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>Überspringen (vorhandene Datei behalten)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>Ordnerstruktur beibehalten</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>Gleichzeitige Analysen:</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>Nur mit dem Encoder analysieren</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      Video</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      Audio</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      Erweitert</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Möchten Sie die Standardeinstellungen wirklich laden?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Standard laden</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>Profile (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Wählen Sie den Ausgabeordner.</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>Jede Ausgabe nach dem Konvertieren prüfen</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>Quelle nach geprüfter Ausgabe in den Papierkorb</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Videogröße der Ausgabedateien</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Bitte geben Sie eine gültige Breite für die Ausgabevideos an.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Ungültige Breite</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Bitte geben Sie eine gültige Höhe für die Ausgabevideos an.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Ungültige Höhe</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>Protokoll anzeigen...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>Nach der aktuellen Aufgabe anhalten</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>Entfernen rückgängig machen</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Leeren rückgängig machen</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>Keine gültige Zeit: %1 bleibt erhalten.</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>Eine laufende Aufgabe kann nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>Eine fertige Aufgabe kann erst nach dem Lauf bearbeitet werden.</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>Eine laufende Aufgabe kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>Eine fertige Aufgabe kann erst nach dem Lauf entfernt werden.</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>Laufende und fertige Aufgaben bleiben bis zum Ende des Laufs.</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Überwachte Ordner...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>Tipp:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Bitte wählen Sie eine Datei in der Aufgabenliste aus.</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Wird überwacht</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>Ordner nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>Überwachter Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>A&amp;usgabeordner:</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>Beide behalten: die neue Datei mit einer Nummer benennen</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Datei überspringen</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>&amp;Vorhandene Ausgabedatei:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>Wählen Sie den zu überwachenden Ordner.</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Wählen Sie den Ausgabeordner.</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>Bitte wählen Sie den zu überwachenden Ordner.</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>Bitte wählen Sie den Ordner für die konvertierten Dateien.</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>Kein Ausgabeordner</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>Überwachte Ordner</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>&amp;Fehlgeschlagene erneut</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>F&amp;ortsetzen</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>Überwachte Ordner nicht gespeichert</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>1 fehlgeschlagene Datei wird erneut aufgenommen.</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>%1 fehlgeschlagene Dateien werden erneut aufgenommen.</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Fehlgeschlagene erneut</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>Datei aufnehmen, wenn &amp;unverändert seit:</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>Ordner neu &amp;durchsuchen alle:</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Erste Schritte:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Fügen Sie Videos zur Aufgabenliste hinzu.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Wählen Sie ein Profil und einen Ausgabepfad.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Klicken Sie auf die Schaltfläche „Starten“.</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>sein Name ist kein gültiges UTF-8: benennen Sie ihn um, um ihn aufzunehmen</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>weder eine reguläre Datei noch ein Ordner</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>keine Videodatei eines unterstützten Typs (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: nicht gefunden</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1: keine Videodatei</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1: bereits in der Liste</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1: Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Listendatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>Listendatei nicht lesbar</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Einen Ordner zur Aufgabenliste hinzufügen</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(Der Anfang der Ausgabe wurde weggelassen: nur die letzten %1 KB werden behalten.)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>Wird analysiert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>Läuft %1 %</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Eingabedatei</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>Persönliche Einstellungen</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
</TS>

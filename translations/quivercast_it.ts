<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Impossibile creare la cartella «%1». %2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> Le impostazioni vengono lette da «%1» e non vengono salvate.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> I profili modificati non possono essere salvati.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>Errore in CreatePipe()</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Errore in CreateProcess()</translation>
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
        <translation>MP3 (solo audio)</translation>
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
        <translation>Nuovo nome file</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec video</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Dimensione video</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>Disattiva video</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Bitrate audio</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>Algoritmi bit-exact</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacciamento</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Dimensione originale</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Dimensione personalizzata</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>Il formato del file non è supportato</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>Impossibile leggere il file dalla rete</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>Accesso al file negato</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>Il sistema multimediale ha avuto un errore</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>Impossibile aprire il file entro %1 secondi</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>La conversione è stata interrotta.</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>Impossibile avviare il codificatore: %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>Il codificatore si è bloccato.</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>Il codificatore è terminato con il codice di uscita %1.</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>Il codificatore non ha potuto finire di scrivere il file di uscita.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Impossibile creare la cartella di destinazione «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>Impossibile sostituire «%1»: %2.</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>La conversione non è stata avviata perché il suo file di uscita non ha potuto essere registrato come incompleto: %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>Il file di uscita non è stato scritto.</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>Il file di uscita è vuoto.</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>Impossibile aprire il file di uscita.</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>Impossibile aprire il file di uscita: %1.</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>Il file di uscita non ha un flusso video.</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>Il file di uscita non ha un flusso audio.</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>Il file di uscita non indica la sua durata; erano attesi %1 s.</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>Il file di uscita dura %1 s; erano attesi %2 s.</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>Il percorso di destinazione non esiste. Specificarne un altro.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>Il percorso di destinazione non esiste</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>La conversione è stata annullata.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>Il computer non è stato spento: %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>Non spento</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>La conversione è stata completata correttamente.</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>La conversione è terminata, ma %1 file su %2 non sono stati convertiti.</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 1 file su %1 è stato saltato perché il suo file di uscita esiste già.</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %1 file su %2 sono stati saltati perché i loro file di uscita esistono già.</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> Puntare un&apos;attività «Non riuscita» per vederne il motivo, oppure scegliere «Mostra registro...» nel suo menu contestuale.</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>Terminato con errori</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 file di origine è stato spostato nel cestino.</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 file di origine sono stati spostati nel cestino.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>. L&apos;elenco attività non viene salvato, quindi le attività incomplete non potranno essere ripristinate al prossimo avvio.</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>Elenco attività non salvato</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>non è un elenco attività.</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>la riga %1 non può essere letta.</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>è troncato.</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>l&apos;attività %1 non indica alcun file di origine.</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>chiama il suo file di uscita «%1»</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>ha i tempi da %1 a %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>non è un file.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>è troppo grande.</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>L&apos;elenco attività dell&apos;ultima sessione «%1» non può essere usato: %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> È stato messo da parte come «%1».</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> L&apos;elenco attività parte vuoto.</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>Ripristinare l&apos;attività incompleta dell&apos;ultima sessione?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>Ripristinare le %1 attività incomplete dell&apos;ultima sessione?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>Ripristina attività</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>attività %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>L&apos;elenco attività dell&apos;ultima sessione «%1» contiene valori danneggiati: %2. Queste attività sono state ripristinate con il nome e i tempi della loro origine.</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>Elenco attività danneggiato</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>Tutti i file supportati</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>File %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versione </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visitate il nostro sito web</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>Altri programmi di conversione video</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(Altro)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Assistenza tecnica</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>Assistenza vendite</translation>
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
        <translation>Errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>Comprime o espande la sezione.</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Percorso di uscita:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Percorso di uscita</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Selezionare la cartella di destinazione.</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>Aggiunta file</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Aggiungi una cartella all&apos;elenco attività</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Aggiunta file: %1 di %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>Registro - %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>File di registro (*.log)|*.log|File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>Registro non salvato</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>In pausa - %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>È in corso una conversione. Interromperla e uscire?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>Cartelle monitorate</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>Aggiungi file video</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Cartelle monitorate...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 elemento non è stato aggiunto</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 elementi non sono stati aggiunti</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>Larghezza del pannello</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>Il computer si spegnerà tra %1 secondi.</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Secondi rimanenti</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Spegni ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TPreviewPane</name>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausa / Riprendi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>Impossibile creare il lettore multimediale.</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>. I valori del profilo vengono usati come mostrati, ma non può essere salvato.</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>Profilo non salvato</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>Dettagli profilo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
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
        <translation>Avanzate</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>Conversione:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Tempo trascorso:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Avanzamento attuale</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Avanzamento totale</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Avanzamento attuale:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Avanzamento totale:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 file convertito</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 file convertiti</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>Conversione completata</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1, %2 saltati, %3 non riusciti.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Generale     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Profili     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Carica predefiniti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Percorso di uscita predefinito:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Modalità di sincronizzazione:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Modalità forzata</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Modalità progressiva</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Apri la cartella di destinazione al termine dell&apos;attività. </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Esci dal programma al termine dell&apos;attività.</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Spegni il computer al termine dell&apos;attività.</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversioni simultanee:</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Sovrascrittura dei file di uscita</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Non sovrascrivere (&lt;Nome&gt; + Indice</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>Salta (mantieni il file esistente)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>Aggiunta di file</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>Mantieni la struttura delle cartelle</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>Analisi simultanee:</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>Analizza solo con il codificatore</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La lingua cambia al prossimo avvio.</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Salva come...</translation>
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
        <translation>      Avanzate</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Caricare davvero le preferenze predefinite?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Carica predefiniti</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>Profili (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Selezionare la cartella di destinazione.</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>Controlla ogni file di uscita dopo la conversione</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>Sposta l&apos;origine nel cestino dopo il controllo</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Dimensione video dei file di uscita</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Specificare una larghezza valida per i video di uscita.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Larghezza non valida</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Specificare un&apos;altezza valida per i video di uscita.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Altezza non valida</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>Elenco attività</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>Mostra registro...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Aggiungi file...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Aggiungi cartelle...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>Ferma dopo l&apos;attività corrente</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>Annulla rimozione</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Annulla svuotamento</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>Ora non valida: %1 viene mantenuto.</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>Un&apos;attività in conversione non può essere modificata.</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>Un&apos;attività completata può essere modificata solo al termine dell&apos;esecuzione.</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>Un&apos;attività in conversione non può essere rimossa.</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>Un&apos;attività completata può essere rimossa solo al termine dell&apos;esecuzione.</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>Le attività in conversione e completate restano fino al termine dell&apos;esecuzione.</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Cartelle monitorate...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>Suggerimento:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Selezionare un file nell&apos;elenco attività.</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>In monitoraggio</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>Cartella non disponibile</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>Cartella monitorata</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Cartella:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>Cartella di &amp;uscita:</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Sovrascriverlo</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>Tenere entrambi: numerare il nuovo</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Saltare il file</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>File di uscita &amp;esistente:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>Selezionare la cartella da monitorare.</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Selezionare la cartella di uscita.</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>Scegliere la cartella da monitorare.</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>Nessuna cartella</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>Scegliere la cartella per i file convertiti.</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>Nessuna cartella di uscita</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>Cartelle monitorate</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Cartella di uscita</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>Riprova &amp;non riusciti</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>Ri&amp;prendi</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>Cartelle monitorate non salvate</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>1 file non riuscito viene ripreso.</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>%1 file non riusciti vengono ripresi.</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Riprova non riusciti</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>Prendere un file &amp;invariato da:</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>Ri&amp;leggere le cartelle ogni:</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Per iniziare:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Aggiungete più video all&apos;elenco attività.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Scegliete un profilo e un percorso di uscita.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Fate clic sul pulsante «Avvia».</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>il suo nome non è UTF-8 valido: rinominarlo per aggiungerlo</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>né un file normale né una cartella</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>non è un file video di un tipo accettato (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: non trovato</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1: non è un file video</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1: già nell&apos;elenco</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1: nome non valido in UTF-8</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>è più grande di %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Il file elenco «%1» non può essere letto: %2.</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>File elenco illeggibile</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Aggiungi una cartella all&apos;elenco attività</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(L&apos;inizio dell&apos;output è stato omesso: vengono conservati solo gli ultimi %1 KB.)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completata</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Fermata</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>Conversione %1%</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>File di origine</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>Impostazioni personali</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
</context>
</TS>

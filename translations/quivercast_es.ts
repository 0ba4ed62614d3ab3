<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>No se puede crear la carpeta «%1». %2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> Su configuración se lee de «%1» y no se guarda.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> Los perfiles modificados no se pueden guardar.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>Error en CreatePipe()</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Error en CreateProcess()</translation>
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
        <translation>Nuevo nombre de archivo</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Códec de vídeo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamaño de vídeo</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>Desactivar vídeo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Códec de audio</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>Desactivar audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>Algoritmos bit-exact</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelazado</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Tamaño personalizado</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Estéreo</translation>
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
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>El formato del archivo no es compatible</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>No se pudo leer el archivo a través de la red</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>Se denegó el acceso al archivo</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>El sistema multimedia falló</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>No se pudo abrir el archivo en %1 segundos</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>La conversión se detuvo.</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>No se pudo iniciar el codificador: %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>El codificador se bloqueó.</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>El codificador terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>El codificador no pudo terminar de escribir el archivo de salida.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>No se puede crear la carpeta de salida «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>«%1» no se puede reemplazar: %2.</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>La conversión no se inició porque su salida no pudo registrarse como inacabada: %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>No se escribió el archivo de salida.</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>El archivo de salida está vacío.</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>No se puede abrir la salida.</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>No se puede abrir la salida: %1.</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>La salida no tiene flujo de vídeo.</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>La salida no tiene flujo de audio.</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>La salida no indica su duración; se esperaban %1 s.</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>La salida dura %1 s; se esperaban %2 s.</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>La ruta de salida no existe. Indique otra.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>La ruta de salida no existe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>La conversión se ha cancelado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>El equipo no se apagó: %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>No apagado</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>La conversión se completó correctamente.</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>La conversión ha terminado, pero %1 de %2 archivos no se pudieron convertir.</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 1 de %1 archivos se omitió porque su archivo de salida ya existe.</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %1 de %2 archivos se omitieron porque sus archivos de salida ya existen.</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> Señale una tarea «Fallida» para ver el motivo, o elija «Mostrar registro...» en su menú contextual.</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>Terminado con errores</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 archivo de origen se movió a la papelera.</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 archivos de origen se movieron a la papelera.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>. La lista de tareas no se guarda, así que las tareas inacabadas no se podrán restaurar en el próximo inicio.</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>Lista de tareas no guardada</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>no es una lista de tareas.</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>la línea %1 no se puede leer.</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>está incompleta.</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>la tarea %1 no indica ningún archivo de origen.</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>nombra su salida «%1»</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>tiene los tiempos %1 a %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>no es un archivo.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>es demasiado grande.</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>La lista de tareas de la última sesión «%1» no se puede usar: %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> Se apartó como «%1».</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> La lista de tareas empieza vacía.</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>¿Restaurar la tarea inacabada de la última sesión?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>¿Restaurar las %1 tareas inacabadas de la última sesión?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>Restaurar tareas</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>tarea %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>La lista de tareas de la última sesión «%1» contiene valores dañados: %2. Estas tareas se restauraron con el nombre y los tiempos de su origen.</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>Lista de tareas dañada</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>Todos los archivos compatibles</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>Archivos %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visite nuestro sitio web</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>Más programas de conversión de vídeo</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(Más)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Soporte técnico</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>Ventas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>Pliega o despliega la sección.</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Ruta de salida:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Ruta de salida</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Seleccione la carpeta de salida.</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>Añadiendo archivos</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Añadir una carpeta a la lista de tareas</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Añadiendo archivos: %1 de %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>Registro - %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Archivos de registro (*.log)|*.log|Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>Registro no guardado</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>En pausa - %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>Hay una conversión en curso. ¿Desea detenerla y salir?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>Carpetas vigiladas</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>Añadir archivos de vídeo</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Carpetas vigiladas...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 elemento no se añadió</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 elementos no se añadieron</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>Ancho del panel</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>El equipo se apagará en %1 segundos.</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPreviewPane</name>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausa / Reanudar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>No se pudo crear el reproductor multimedia.</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>. Los valores del perfil se usan tal como se muestran, pero no se puede guardar.</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>Perfil no guardado</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>Detalles del perfil</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>Convirtiendo:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Tiempo transcurrido:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Progreso actual</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Progreso actual:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progreso total:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 archivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 archivos convertidos</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>Conversión completada</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1, %2 omitidos, %3 fallidos.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     General     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Perfiles     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Cargar predeterminados</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Ruta de salida predeterminada:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Modo de sincronización:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Modo forzado</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Modo progresivo</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Abrir la carpeta de salida al completar la tarea. </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Salir del programa al completar la tarea.</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Apagar el equipo al completar la tarea.</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversiones simultáneas:</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Sobrescritura de archivos de salida</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>No sobrescribir (renombrar a &lt;Nombre&gt; + Índice</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>Omitir (conservar el archivo existente)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>Conservar la estructura de carpetas</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>Análisis simultáneos:</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>Analizar solo con el codificador</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>El idioma cambia en el próximo inicio.</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      Vídeo</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      Audio</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      Avanzado</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>¿Seguro que desea cargar las preferencias predeterminadas?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Cargar predeterminados</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>Perfiles (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Seleccione la carpeta de salida.</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>Comprobar cada salida tras convertir</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>Mover el origen a la papelera tras comprobar su salida</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Tamaño de vídeo de los archivos de salida</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Indique un ancho válido para los vídeos de salida.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Ancho incorrecto</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Indique un alto válido para los vídeos de salida.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Alto incorrecto</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>Mostrar registro...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Añadir archivos...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Añadir carpetas...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>Detener tras la tarea actual</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>Deshacer quitar</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Deshacer vaciar</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>Hora no válida: se conserva %1.</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>Una tarea en conversión no se puede editar.</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>Una tarea terminada no se puede editar hasta que acabe la ejecución.</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>Una tarea en conversión no se puede quitar.</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>Una tarea terminada no se puede quitar hasta que acabe la ejecución.</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>Las tareas en conversión y terminadas se quedan hasta que acabe la ejecución.</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Carpetas vigiladas...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>Consejo:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Seleccione un archivo en la lista de tareas.</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Vigilando</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>Carpeta no disponible</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>Carpeta vigilada</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>Carpeta de &amp;salida:</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Sobrescribirlo</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>Conservar ambos: numerar el nuevo</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Omitir el archivo</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>Archivo de salida &amp;existente:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>Seleccione la carpeta que vigilar.</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Seleccione la carpeta de salida.</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>Elija la carpeta que vigilar.</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>Sin carpeta</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>Elija la carpeta para los archivos convertidos.</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>Sin carpeta de salida</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>Carpetas vigiladas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>Reintentar &amp;fallidos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>Carpetas vigiladas no guardadas</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>Se vuelve a tomar 1 archivo fallido.</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>Se vuelven a tomar %1 archivos fallidos.</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Reintentar fallidos</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>&amp;Tomar un archivo sin cambios durante:</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>Volver a &amp;leer las carpetas cada:</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Primeros pasos:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Añada varios vídeos a la lista de tareas.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Elija un perfil y una ruta de salida.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Haga clic en el botón «Iniciar».</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>su nombre no es UTF-8 válido: cámbielo para añadirlo</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>no es un archivo normal ni una carpeta</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>no es un archivo de vídeo de un tipo aceptado (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: no encontrado</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1: no es un archivo de vídeo</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1: ya está en la lista</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1: nombre no válido en UTF-8</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>El archivo de lista «%1» no se puede leer: %2.</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>Archivo de lista ilegible</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Añadir una carpeta a la lista de tareas</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(Se omitió el principio de la salida: solo se conservan sus últimos %1 KB.)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitida</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>Convirtiendo %1 %</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Archivo de entrada</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>Configuración personal</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
</TS>

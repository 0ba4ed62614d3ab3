<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le dossier « %1 ». %2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> Vos réglages sont lus depuis « %1 » et ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> Les profils modifiés ne peuvent pas être enregistrés.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>Erreur lors de CreatePipe()</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Erreur lors de CreateProcess()</translation>
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
        <translation>MP3 (audio seul)</translation>
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
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec vidéo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Format d&apos;image</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>Désactiver la vidéo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>Désactiver l&apos;audio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>Algorithmes bit-exact</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Désentrelacement</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Taille personnalisée</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
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
        <translation>Le fichier n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>Le format du fichier n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>Le fichier n&apos;a pas pu être lu sur le réseau</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>L&apos;accès au fichier a été refusé</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>Le framework multimédia a échoué</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>Le fichier n&apos;a pas pu être ouvert en %1 secondes</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>La conversion a été arrêtée.</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>L&apos;encodeur n&apos;a pas pu être démarré : %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>L&apos;encodeur s&apos;est planté.</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>L&apos;encodeur s&apos;est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>L&apos;encodeur n&apos;a pas pu terminer l&apos;écriture du fichier de sortie.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Le dossier de sortie « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>« %1 » ne peut pas être remplacé : %2.</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>La conversion n&apos;a pas été démarrée, car sa sortie n&apos;a pas pu être notée comme inachevée : %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>Le fichier de sortie n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>Le fichier de sortie est vide.</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>La sortie ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>La sortie ne peut pas être ouverte : %1.</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>La sortie n&apos;a pas de flux vidéo.</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>La sortie n&apos;a pas de flux audio.</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>La sortie n&apos;indique pas sa durée ; %1 s étaient attendues.</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>La sortie dure %1 s ; %2 s étaient attendues.</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>Le chemin de sortie n&apos;existe pas. Veuillez en indiquer un autre.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>Le chemin de sortie n&apos;existe pas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>La conversion est annulée.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>L&apos;ordinateur n&apos;a pas été éteint : %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>Non éteint</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>La conversion s&apos;est terminée avec succès.</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>La conversion est terminée, mais %1 fichiers sur %2 n&apos;ont pas pu être convertis.</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 1 fichier sur %1 a été ignoré car son fichier de sortie existe déjà.</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %1 fichiers sur %2 ont été ignorés car leurs fichiers de sortie existent déjà.</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> Pointez une tâche « Échec » pour en voir la raison, ou choisissez « Afficher le journal... » dans son menu contextuel.</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>Terminé avec des erreurs</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 fichier source a été mis à la corbeille.</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 fichiers source ont été mis à la corbeille.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>. La liste des tâches n&apos;est pas enregistrée : les tâches inachevées ne pourront pas être restaurées au prochain démarrage.</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>Liste des tâches non enregistrée</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>ce n&apos;est pas une liste de tâches.</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>la ligne %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>elle est tronquée.</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>la tâche %1 ne nomme aucun fichier source.</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>nomme sa sortie « %1 »</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>a les heures %1 à %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>elle est trop volumineuse.</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>La liste des tâches de la dernière session « %1 » ne peut pas être utilisée : %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> Elle a été mise de côté sous « %1 ».</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> La liste des tâches commence vide.</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>Restaurer la tâche inachevée de la dernière session ?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>Restaurer les %1 tâches inachevées de la dernière session ?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>Restaurer les tâches</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>tâche %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>La liste des tâches de la dernière session « %1 » contient des valeurs endommagées : %2. Ces tâches ont été restaurées avec le nom et les heures de leur source.</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>Liste des tâches endommagée</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>Fichiers %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visitez notre site web</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>Autres logiciels de conversion vidéo</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(Plus)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Support technique</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>Service commercial</translation>
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
        <translation>Erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>Replie ou déplie la section.</translation>
    </message>
</context>
<context>
    <name>TIdlePanel</name>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Chemin de sortie :</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Chemin de sortie</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Choisissez le dossier de sortie.</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>Ajout de fichiers</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Ajouter un dossier à la liste des tâches</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Ajout de fichiers : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>Journal - %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Fichiers journaux (*.log)|*.log|Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>Journal non enregistré</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>En pause - %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>Une conversion est en cours. Voulez-vous l&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>Dossiers surveillés</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>Ajouter des fichiers vidéo</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Dossiers surveillés...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 élément n&apos;a pas été ajouté</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 éléments n&apos;ont pas été ajoutés</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>Largeur du panneau</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>L&apos;ordinateur s&apos;éteindra dans %1 secondes.</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Secondes restantes</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pause / Reprise</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>Le lecteur multimédia n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>. Les valeurs du profil sont utilisées telles qu&apos;affichées, mais il ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>Profil non enregistré</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>Détails du profil</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>Conversion :</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Temps écoulé :</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Temps restant :</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Progression actuelle</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Progression actuelle :</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progression totale :</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 fichier converti</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 fichiers convertis</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1, %2 ignorés, %3 en échec.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>TSettingForm</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Général     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Profils     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Charger les valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Chemin de sortie par défaut :</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Mode de synchronisation :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Mode forcé</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Mode progressif</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Ouvrir le dossier de sortie une fois la tâche terminée. </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Quitter le programme une fois la tâche terminée.</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Éteindre l&apos;ordinateur une fois la tâche terminée.</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversions simultanées :</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Écrasement des fichiers de sortie</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Ne pas écraser (renommer en &lt;Nom&gt; + Index</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>Ignorer (garder le fichier existant)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>Ajout de fichiers</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>Conserver l&apos;arborescence des dossiers</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>Analyses simultanées :</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>Analyser avec l&apos;encodeur seulement</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La langue change au prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      Vidéo</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      Audio</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      Avancé</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Voulez-vous vraiment charger les préférences par défaut ?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>Profils (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Choisissez le dossier de sortie.</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>Vérifier chaque sortie après conversion</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>Mettre la source à la corbeille une fois la sortie vérifiée</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Taille vidéo des fichiers de sortie</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Veuillez indiquer une largeur correcte pour les vidéos de sortie.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Largeur incorrecte</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Veuillez indiquer une hauteur correcte pour les vidéos de sortie.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Hauteur incorrecte</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>Liste des tâches</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>Afficher le journal...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Ajouter des dossiers...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>Arrêter après la tâche en cours</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Annuler le vidage</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>Heure non valide : %1 est conservé.</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>Une tâche en cours de conversion ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>Une tâche terminée ne peut être modifiée qu&apos;à la fin du traitement.</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>Une tâche en cours de conversion ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>Une tâche terminée ne peut être supprimée qu&apos;à la fin du traitement.</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>Les tâches en cours et terminées restent jusqu&apos;à la fin du traitement.</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Dossiers surveillés...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>Astuce :</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Veuillez sélectionner un fichier dans la liste des tâches.</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>Dossier indisponible</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>Dossier surveillé</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil :</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>Dossier de so&amp;rtie :</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>L&apos;écraser</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>Garder les deux : numéroter le nouveau</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Ignorer le fichier</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>Fichier de sortie &amp;existant :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>Choisissez le dossier à surveiller.</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Choisissez le dossier de sortie.</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>Veuillez choisir le dossier à surveiller.</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>Aucun dossier</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>Veuillez choisir le dossier des fichiers convertis.</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>Aucun dossier de sortie</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>Dossiers surveillés</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>Réessayer les é&amp;checs</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>Re&amp;prendre</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>Dossiers surveillés non enregistrés</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>1 fichier en échec est repris.</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>%1 fichiers en échec sont repris.</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Réessayer les échecs</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>Prendre un fichier &amp;inchangé depuis :</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>Relire les &amp;dossiers toutes les :</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Pour commencer :</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Ajoutez des vidéos à la liste des tâches.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Choisissez un profil et un chemin de sortie.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Cliquez sur le bouton « Démarrer ».</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>son nom n&apos;est pas en UTF-8 valide : renommez-le pour l&apos;ajouter</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>ni un fichier ordinaire ni un dossier</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>pas un fichier vidéo d&apos;un type accepté (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1 : introuvable</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1 : pas un fichier vidéo</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1 : déjà dans la liste</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1 : nom non valide en UTF-8</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le fichier liste « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>Fichier liste illisible</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Ajouter un dossier à la liste des tâches</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(Le début de la sortie a été omis : seuls ses derniers %1 Ko sont conservés.)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>Conversion %1 %</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>ValueListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Personal Settings</source>
        <translation>Réglages personnels</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
</context>
</TS>

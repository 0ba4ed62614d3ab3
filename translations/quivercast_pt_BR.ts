<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppPaths</name>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Não é possível criar a pasta &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source> Your settings are read from &quot;%1&quot; and are not saved.</source>
        <translation> Suas configurações são lidas de &quot;%1&quot; e não são salvas.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source> Changed profiles cannot be saved.</source>
        <translation> Os perfis alterados não podem ser salvos.</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Error On CreatePipe()</source>
        <translation>Erro em CreatePipe()</translation>
    </message>
    <message>
        <source>Error on CreateProcess()</source>
        <translation>Erro em CreateProcess()</translation>
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
        <translation>MP3 (somente áudio)</translation>
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
        <translation>Novo nome de arquivo</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora inicial</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora final</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec de vídeo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamanho do vídeo</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Disable Video</source>
        <translation>Desativar vídeo</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec de áudio</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Taxa de bits do áudio</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Volumn</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Disable Audio</source>
        <translation>Desativar áudio</translation>
    </message>
    <message>
        <source>Bit Exact Algorithms</source>
        <translation>Algoritmos bit-exact</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelaçamento</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>Tamanho personalizado</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>The file&apos;s format is not supported</source>
        <translation>O formato do arquivo não é suportado</translation>
    </message>
    <message>
        <source>The file could not be read over the network</source>
        <translation>Não foi possível ler o arquivo pela rede</translation>
    </message>
    <message>
        <source>Access to the file was denied</source>
        <translation>O acesso ao arquivo foi negado</translation>
    </message>
    <message>
        <source>The media framework failed</source>
        <translation>A estrutura de mídia falhou</translation>
    </message>
    <message>
        <source>The file could not be opened within %1 seconds</source>
        <translation>Não foi possível abrir o arquivo em %1 segundos</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>A conversão foi interrompida.</translation>
    </message>
    <message>
        <source>The encoder could not be started: %1</source>
        <translation>Não foi possível iniciar o codificador: %1</translation>
    </message>
    <message>
        <source>The encoder crashed.</source>
        <translation>O codificador travou.</translation>
    </message>
    <message>
        <source>The encoder ended with exit status %1.</source>
        <translation>O codificador terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>The encoder could not finish writing the output file.</source>
        <translation>O codificador não conseguiu terminar de gravar o arquivo de saída.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Não é possível criar a pasta de saída &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be replaced: %2.</source>
        <translation>&quot;%1&quot; não pode ser substituído: %2.</translation>
    </message>
    <message>
        <source>The conversion was not started, as its output could not be recorded as unfinished: %1</source>
        <translation>A conversão não foi iniciada, pois sua saída não pôde ser registrada como inacabada: %1</translation>
    </message>
    <message>
        <source>The output file was not written.</source>
        <translation>O arquivo de saída não foi gravado.</translation>
    </message>
    <message>
        <source>The output file is empty.</source>
        <translation>O arquivo de saída está vazio.</translation>
    </message>
    <message>
        <source>The output cannot be opened.</source>
        <translation>Não é possível abrir a saída.</translation>
    </message>
    <message>
        <source>The output cannot be opened: %1.</source>
        <translation>Não é possível abrir a saída: %1.</translation>
    </message>
    <message>
        <source>The output has no video stream.</source>
        <translation>A saída não tem fluxo de vídeo.</translation>
    </message>
    <message>
        <source>The output has no audio stream.</source>
        <translation>A saída não tem fluxo de áudio.</translation>
    </message>
    <message>
        <source>The output does not tell its length; %1 s were expected.</source>
        <translation>A saída não informa sua duração; eram esperados %1 s.</translation>
    </message>
    <message>
        <source>The output is %1 s long; %2 s were expected.</source>
        <translation>A saída tem %1 s; eram esperados %2 s.</translation>
    </message>
</context>
<context>
    <name>RunMessages</name>
    <message>
        <source>The output path does not exist. Please specify another one.</source>
        <translation>O caminho de saída não existe. Informe outro.</translation>
    </message>
    <message>
        <source>Output path does not exist</source>
        <translation>O caminho de saída não existe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The Coversion is canceled.</source>
        <translation>A conversão foi cancelada.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The computer was not turned off: %1</source>
        <translation>O computador não foi desligado: %1</translation>
    </message>
    <message>
        <source>Not Turned Off</source>
        <translation>Não desligado</translation>
    </message>
    <message>
        <source>The coversion is completed successfully.</source>
        <translation>A conversão foi concluída com sucesso.</translation>
    </message>
    <message>
        <source>The conversion is completed, but %1 of %2 files could not be converted.</source>
        <translation>A conversão foi concluída, mas %1 de %2 arquivos não puderam ser convertidos.</translation>
    </message>
    <message>
        <source> 1 of %1 files was skipped because its output file already exists.</source>
        <translation> 1 de %1 arquivos foi ignorado porque seu arquivo de saída já existe.</translation>
    </message>
    <message>
        <source> %1 of %2 files were skipped because their output files already exist.</source>
        <translation> %1 de %2 arquivos foram ignorados porque seus arquivos de saída já existem.</translation>
    </message>
    <message>
        <source> Point at a &quot;Failed&quot; task to see why, or choose &quot;Show Log...&quot; in its pop-up menu.</source>
        <translation> Aponte para uma tarefa &quot;Falhou&quot; para ver o motivo, ou escolha &quot;Mostrar log...&quot; no menu de contexto dela.</translation>
    </message>
    <message>
        <source>Finished with errors</source>
        <translation>Concluído com erros</translation>
    </message>
    <message>
        <source> 1 source file was moved to the Trash.</source>
        <translation> 1 arquivo de origem foi movido para a lixeira.</translation>
    </message>
    <message>
        <source> %1 source files were moved to the Trash.</source>
        <translation> %1 arquivos de origem foram movidos para a lixeira.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <source>. The task list is not saved, so unfinished tasks cannot be restored at the next start.</source>
        <translation>. A lista de tarefas não foi salva, portanto tarefas inacabadas não poderão ser restauradas na próxima inicialização.</translation>
    </message>
    <message>
        <source>Task List Not Saved</source>
        <translation>Lista de tarefas não salva</translation>
    </message>
    <message>
        <source>it is not a task list.</source>
        <translation>não é uma lista de tarefas.</translation>
    </message>
    <message>
        <source>line %1 cannot be read.</source>
        <translation>a linha %1 não pode ser lida.</translation>
    </message>
    <message>
        <source>it was cut short.</source>
        <translation>está incompleta.</translation>
    </message>
    <message>
        <source>task %1 names no source file.</source>
        <translation>a tarefa %1 não indica nenhum arquivo de origem.</translation>
    </message>
    <message>
        <source>names its output &quot;%1&quot;</source>
        <translation>dá à sua saída o nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>has the times %1 to %2</source>
        <translation>tem os tempos %1 a %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>não é um arquivo.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>é grande demais.</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; cannot be used: %2</source>
        <translation>A lista de tarefas da última sessão &quot;%1&quot; não pode ser usada: %2</translation>
    </message>
    <message>
        <source> It was set aside as &quot;%1&quot;.</source>
        <translation> Ela foi guardada como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source> The task list starts empty.</source>
        <translation> A lista de tarefas começa vazia.</translation>
    </message>
    <message>
        <source>Restore the 1 unfinished task of the last session?</source>
        <translation>Restaurar a tarefa inacabada da última sessão?</translation>
    </message>
    <message>
        <source>Restore the %1 unfinished tasks of the last session?</source>
        <translation>Restaurar as %1 tarefas inacabadas da última sessão?</translation>
    </message>
    <message>
        <source>Restore Tasks</source>
        <translation>Restaurar tarefas</translation>
    </message>
    <message>
        <source>task %1 (%2) %3</source>
        <translation>tarefa %1 (%2) %3</translation>
    </message>
    <message>
        <source>The task list of the last session &quot;%1&quot; holds damaged values: %2. These tasks were restored with the name and the times of their source.</source>
        <translation>A lista de tarefas da última sessão &quot;%1&quot; contém valores danificados: %2. Essas tarefas foram restauradas com o nome e os tempos de sua origem.</translation>
    </message>
    <message>
        <source>Task List Damaged</source>
        <translation>Lista de tarefas danificada</translation>
    </message>
</context>
<context>
    <name>SourceFormats</name>
    <message>
        <source>All Support Files</source>
        <translation>Todos os arquivos suportados</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>Arquivos %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versão </translation>
    </message>
    <message>
        <source>Copyright (C) %1 %2</source>
        <translation>Copyright (C) %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visite nosso site</translation>
    </message>
    <message>
        <source>More video converting softwares</source>
        <translation>Mais programas de conversão de vídeo</translation>
    </message>
    <message>
        <source>(More)</source>
        <translation>(Mais)</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Suporte técnico</translation>
    </message>
    <message>
        <source>Sales Support</source>
        <translation>Vendas</translation>
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
        <translation>Erro desconhecido.</translation>
    </message>
</context>
<context>
    <name>TGridSection</name>
    <message>
        <source>Folds or opens the section.</source>
        <translation>Recolhe ou expande a seção.</translation>
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
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Caminho de saída:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Caminho de saída</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Procurar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Selecione a pasta de saída.</translation>
    </message>
</context>
<context>
    <name>TIntakeController</name>
    <message>
        <source>Adding files</source>
        <translation>Adicionando arquivos</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Adicionar uma pasta à lista de tarefas</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Adicionando arquivos: %1 de %2</translation>
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
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Log - %1</source>
        <translation>Log - %1</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Arquivos de log (*.log)|*.log|Arquivos de texto (*.txt)|*.txt|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Log Not Saved</source>
        <translation>Log não salvo</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Paused - %1</source>
        <translation>Pausado - %1</translation>
    </message>
    <message>
        <source>A conversion is in progress. Do you want to stop it and exit?</source>
        <translation>Há uma conversão em andamento. Deseja interrompê-la e sair?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Watch Folders</source>
        <translation>Pastas monitoradas</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <source>Add Video Files</source>
        <translation>Adicionar arquivos de vídeo</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Pastas monitoradas...</translation>
    </message>
</context>
<context>
    <name>TNewInifile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>TNotAddedReport</name>
    <message>
        <source>1 item was not added</source>
        <translation>1 item não foi adicionado</translation>
    </message>
    <message>
        <source>%1 items were not added</source>
        <translation>%1 itens não foram adicionados</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
</context>
<context>
    <name>TPanelSplitter</name>
    <message>
        <source>Panel width</source>
        <translation>Largura do painel</translation>
    </message>
</context>
<context>
    <name>TPowerOffNotice</name>
    <message>
        <source>Turn Off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>The computer will turn off in %1 seconds.</source>
        <translation>O computador será desligado em %1 segundos.</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>Turn Off Now</source>
        <translation>Desligar agora</translation>
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
        <translation>Posição</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause / Resume</source>
        <translation>Pausar / Continuar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>The media player could not be created.</source>
        <translation>Não foi possível criar o reprodutor de mídia.</translation>
    </message>
</context>
<context>
    <name>TProcessForm</name>
    <message>
        <source>Process</source>
        <translation>Processo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>TProfileChooser</name>
    <message>
        <source>. The profile&apos;s values are used as shown, but it cannot be saved.</source>
        <translation>. Os valores do perfil são usados como mostrados, mas ele não pode ser salvo.</translation>
    </message>
    <message>
        <source>Profile Not Saved</source>
        <translation>Perfil não salvo</translation>
    </message>
</context>
<context>
    <name>TProfilePanel</name>
    <message>
        <source>Profile Detail</source>
        <translation>Detalhes do perfil</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
</context>
<context>
    <name>TRunPanel</name>
    <message>
        <source>Converting:</source>
        <translation>Convertendo:</translation>
    </message>
    <message>
        <source>No File</source>
        <translation>Nenhum arquivo</translation>
    </message>
    <message>
        <source>Time Elapsed:</source>
        <translation>Tempo decorrido:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Current Progress</source>
        <translation>Progresso atual</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <source>Current Progress:</source>
        <translation>Progresso atual:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progresso total:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>1 arquivo convertido</translation>
    </message>
    <message>
        <source>%1 files converted</source>
        <translation>%1 arquivos convertidos</translation>
    </message>
    <message>
        <source>Conversion completed</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>%1, %2 skipped, %3 failed.</source>
        <translation>%1, %2 ignorados, %3 com falha.</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>     General     </source>
        <translation>     Geral     </translation>
    </message>
    <message>
        <source>     Profiles     </source>
        <translation>     Perfis     </translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Carregar padrão</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Default Output Path:</source>
        <translation>Caminho de saída padrão:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Synchronization Mode:</source>
        <translation>Modo de sincronização:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Modo forçado</translation>
    </message>
    <message>
        <source>Progressive Mode</source>
        <translation>Modo progressivo</translation>
    </message>
    <message>
        <source>Open the output directory when the task is completed. </source>
        <translation>Abrir a pasta de saída quando a tarefa for concluída. </translation>
    </message>
    <message>
        <source>Exit the program when the task is completed.</source>
        <translation>Sair do programa quando a tarefa for concluída.</translation>
    </message>
    <message>
        <source>Turn off the computer when the task is completed.</source>
        <translation>Desligar o computador quando a tarefa for concluída.</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversões simultâneas:</translation>
    </message>
    <message>
        <source>Output File Overwrite</source>
        <translation>Substituição de arquivos de saída</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Not overwrite (Rename to &lt;Filename&gt; + Index</source>
        <translation>Não substituir (renomear para &lt;Nome&gt; + Índice</translation>
    </message>
    <message>
        <source>Skip (keep the existing file)</source>
        <translation>Ignorar (manter o arquivo existente)</translation>
    </message>
    <message>
        <source>Adding Files</source>
        <translation>Adição de arquivos</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>Keep folder structure</source>
        <translation>Manter a estrutura de pastas</translation>
    </message>
    <message>
        <source>Simultaneous probes:</source>
        <translation>Análises simultâneas:</translation>
    </message>
    <message>
        <source>Probe with the encoder only</source>
        <translation>Analisar somente com o codificador</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>O idioma muda na próxima inicialização.</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>      Video</source>
        <translation>      Vídeo</translation>
    </message>
    <message>
        <source>      Audio</source>
        <translation>      Áudio</translation>
    </message>
    <message>
        <source>      Advanced</source>
        <translation>      Avançado</translation>
    </message>
    <message>
        <source>Are you sure to load the default preferences?</source>
        <translation>Tem certeza de que deseja carregar as preferências padrão?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Carregar padrão</translation>
    </message>
    <message>
        <source>Profiles (*.apf)|*.apf</source>
        <translation>Perfis (*.apf)|*.apf</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Selecione a pasta de saída.</translation>
    </message>
    <message>
        <source>Check each output after converting</source>
        <translation>Verificar cada saída após converter</translation>
    </message>
    <message>
        <source>Move each source to the Trash once its output is checked</source>
        <translation>Mover a origem para a lixeira após verificar a saída</translation>
    </message>
</context>
<context>
    <name>TSizeForm</name>
    <message>
        <source>Video Size of output files</source>
        <translation>Tamanho do vídeo dos arquivos de saída</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please specify a proper width for output videos.</source>
        <translation>Informe uma largura válida para os vídeos de saída.</translation>
    </message>
    <message>
        <source>Incorrect Width</source>
        <translation>Largura incorreta</translation>
    </message>
    <message>
        <source>Please specify a proper height for output videos.</source>
        <translation>Informe uma altura válida para os vídeos de saída.</translation>
    </message>
    <message>
        <source>Incorrect Height</source>
        <translation>Altura incorreta</translation>
    </message>
</context>
<context>
    <name>TTaskListPanel</name>
    <message>
        <source>Task List</source>
        <translation>Lista de tarefas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show Log...</source>
        <translation>Mostrar log...</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Adicionar arquivos...</translation>
    </message>
    <message>
        <source>Add Directorys...</source>
        <translation>Adicionar pastas...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop After Current Task</source>
        <translation>Parar após a tarefa atual</translation>
    </message>
    <message>
        <source>Undo Remove</source>
        <translation>Desfazer remoção</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Desfazer limpeza</translation>
    </message>
    <message>
        <source>Not a valid time: %1 is kept.</source>
        <translation>Hora inválida: %1 é mantido.</translation>
    </message>
    <message>
        <source>A converting task cannot be edited.</source>
        <translation>Uma tarefa em conversão não pode ser editada.</translation>
    </message>
    <message>
        <source>A finished task cannot be edited until the run ends.</source>
        <translation>Uma tarefa concluída só pode ser editada quando a execução terminar.</translation>
    </message>
    <message>
        <source>A converting task cannot be removed.</source>
        <translation>Uma tarefa em conversão não pode ser removida.</translation>
    </message>
    <message>
        <source>A finished task cannot be removed until the run ends.</source>
        <translation>Uma tarefa concluída só pode ser removida quando a execução terminar.</translation>
    </message>
    <message>
        <source>The converting and finished tasks stay until the run ends.</source>
        <translation>As tarefas em conversão e concluídas ficam até a execução terminar.</translation>
    </message>
    <message>
        <source>Watch Folders...</source>
        <translation>Pastas monitoradas...</translation>
    </message>
</context>
<context>
    <name>TValueListEditor</name>
    <message>
        <source>Tip:</source>
        <translation>Dica:</translation>
    </message>
    <message>
        <source>Please select a file in Task List.</source>
        <translation>Selecione um arquivo na lista de tarefas.</translation>
    </message>
</context>
<context>
    <name>TWatchController</name>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Monitorando</translation>
    </message>
    <message>
        <source>Folder not available</source>
        <translation>Pasta indisponível</translation>
    </message>
</context>
<context>
    <name>TWatchEditForm</name>
    <message>
        <source>Watch Folder</source>
        <translation>Pasta monitorada</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>P&amp;rocurar...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Pasta:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>Pe&amp;rfil:</translation>
    </message>
    <message>
        <source>O&amp;utput directory:</source>
        <translation>Pasta de &amp;saída:</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Substituí-lo</translation>
    </message>
    <message>
        <source>Keep both: name the new one with a number</source>
        <translation>Manter ambos: numerar o novo</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Ignorar o arquivo</translation>
    </message>
    <message>
        <source>An output file that &amp;exists:</source>
        <translation>Arquivo de saída &amp;existente:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Select the folder to watch.</source>
        <translation>Selecione a pasta a monitorar.</translation>
    </message>
    <message>
        <source>Select the output directory.</source>
        <translation>Selecione a pasta de saída.</translation>
    </message>
    <message>
        <source>Please choose the folder to watch.</source>
        <translation>Escolha a pasta a monitorar.</translation>
    </message>
    <message>
        <source>No Folder</source>
        <translation>Nenhuma pasta</translation>
    </message>
    <message>
        <source>Please choose the directory for the converted files.</source>
        <translation>Escolha a pasta para os arquivos convertidos.</translation>
    </message>
    <message>
        <source>No Output Directory</source>
        <translation>Nenhuma pasta de saída</translation>
    </message>
</context>
<context>
    <name>TWatchForm</name>
    <message>
        <source>Watch Folders</source>
        <translation>Pastas monitoradas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Output Directory</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Retry &amp;Failed</source>
        <translation>Repetir fal&amp;has</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>Re&amp;tomar</translation>
    </message>
    <message>
        <source>Watch Folders Not Saved</source>
        <translation>Pastas monitoradas não salvas</translation>
    </message>
    <message>
        <source>1 failed file is taken again.</source>
        <translation>1 arquivo com falha será retomado.</translation>
    </message>
    <message>
        <source>%1 failed files are taken again.</source>
        <translation>%1 arquivos com falha serão retomados.</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Repetir falhas</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Take a file once unchanged for:</source>
        <translation>Pegar um arquivo &amp;inalterado por:</translation>
    </message>
    <message>
        <source>Re&amp;scan the folders every:</source>
        <translation>Reler as pa&amp;stas a cada:</translation>
    </message>
</context>
<context>
    <name>TWelcomePanel</name>
    <message>
        <source>Getting Start:</source>
        <translation>Primeiros passos:</translation>
    </message>
    <message>
        <source>1. Add multiple videos to the Task List.</source>
        <translation>1. Adicione vários vídeos à lista de tarefas.</translation>
    </message>
    <message>
        <source>2. Select a profile and output path.</source>
        <translation>2. Escolha um perfil e um caminho de saída.</translation>
    </message>
    <message>
        <source>3. Click on the &quot;Start&quot; button.</source>
        <translation>3. Clique no botão &quot;Iniciar&quot;.</translation>
    </message>
</context>
<context>
    <name>TaskIntake</name>
    <message>
        <source>its name is not valid UTF-8: rename it to take it in</source>
        <translation>seu nome não é UTF-8 válido: renomeie-o para adicioná-lo</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>nem um arquivo comum nem uma pasta</translation>
    </message>
    <message>
        <source>not a video file of an accepted type (%1)</source>
        <translation>não é um arquivo de vídeo de um tipo aceito (%1)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: não encontrado</translation>
    </message>
    <message>
        <source>%1: not a video file</source>
        <translation>%1: não é um arquivo de vídeo</translation>
    </message>
    <message>
        <source>%1: already in the list</source>
        <translation>%1: já está na lista</translation>
    </message>
    <message>
        <source>%1: name not valid UTF-8</source>
        <translation>%1: nome não é UTF-8 válido</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>é maior que %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read: %2.</source>
        <translation>O arquivo de lista &quot;%1&quot; não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>List File Unreadable</source>
        <translation>Arquivo de lista ilegível</translation>
    </message>
    <message>
        <source>Add a directory to the Task List</source>
        <translation>Adicionar uma pasta à lista de tarefas</translation>
    </message>
</context>
<context>
    <name>TaskLogs</name>
    <message>
        <source>(The beginning of the output was left out: only its last %1 KB are kept.)</source>
        <translation>(O início da saída foi omitido: somente os últimos %1 KB são mantidos.)</translation>
    </message>
</context>
<context>
    <name>TaskStatus</name>
    <message>
        <source>Probing</source>
        <translation>Analisando</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorada</translation>
    </message>
</context>
<context>
    <name>TaskStore</name>
    <message>
        <source>Converting %1%</source>
        <translation>Convertendo %1%</translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Arquivo de entrada</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Nome</translation>
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
        <translation>Configurações pessoais</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
</context>
</TS>

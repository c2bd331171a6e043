<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Procurando...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Verifique se o dispositivo está conectado e ligado.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Concordo</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Não concordo</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Escolher o idioma da instalação</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Selecione abaixo o idioma desta instalação.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; e Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; e PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Confirmar saída</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Os aplicativos selecionados ainda estão sendo instalados. Se você sair do disco de instalação, o instalador atual será concluído; porém, se for necessária ativação ou registro, isso pode não ocorrer automaticamente.  Além disso, os demais aplicativos selecionados não serão instalados.

Deseja sair?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Instalando...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Velocidade: calculando</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Tempo restante: calculando</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Velocidade: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Tempo restante: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Download concluído.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Para instalar um programa, selecione-o na lista e clique em Instalar.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Erro de download</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>Ocorreu o erro de rede %1 durante o download.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Tempo limite do download esgotado</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>O servidor não está respondendo durante o download.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Há aplicativos demais selecionados para instalar de uma só vez. Selecione menos aplicativos e tente novamente.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>Não foi possível preparar a instalação. Tente novamente.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Instalado!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Instalação não concluída</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>A instalação foi interrompida antes que tudo o que você escolheu fosse instalado. Estes aplicativos estão marcados novamente: %1. Clique em %2 para concluir.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Somente na Web</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Este aplicativo é baixado da Web e não pode ser instalado a partir do disco.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <translation>%1 B/s</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <translation>%1 KB/s</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>Select to install the following components:</source>
        <translation>Selecione para instalar os seguintes componentes:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Se você está vendo esta mensagem, algo está muito errado.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Memória insuficiente. Reinicie o computador e tente novamente.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>Não foi possível localizar setup_runner.exe no diretório "%1".</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>Não foi possível localizar o caminho ".", que deveria ser "%1", mas não é.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>No momento, você não tem permissão para instalar software e/ou drivers. Se o Controle de Conta de Usuário do Windows solicitar, permita que setup_runner.exe acesse ou faça alterações no seu computador. Como alternativa, entre em contato com o administrador do sistema ou com o departamento de TI para obter ajuda com a instalação.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>O programa setup_runner.exe é inválido (ou seja, não é um .exe Win32 da Microsoft ou há um erro na imagem .exe).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>O Windows Update está instalando outras atualizações no momento. Tente novamente em alguns minutos.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Reinicialização pendente. Reinicie o computador e tente novamente.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>O download de %1 estava danificado e foi excluído. Baixe-o novamente.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Erro de instalação</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 não foi instalado: não foi possível preparar a pasta protegida para o seu instalador.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 não foi instalado: o instalador não corresponde ao que foi baixado e pode ter sido alterado.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>Instalação do %1</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Parte do software incluído só está disponível online.

Conecte o dispositivo e escolha &quot;Sim&quot; para procurar atualizações e ver a lista completa de software.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Procurando atualização do instalador...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Procurando atualização do software do dispositivo...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>Nenhuma conexão disponível no momento para realizar a operação solicitada.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Procurando atualização do instalador...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Baixando a atualização do instalador...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Descompactando a atualização do instalador...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Um endereço de atualização não seguro foi recusado: somente https é aceito.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Conecte o scanner; ele aparecerá aqui.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>Não foi possível integrar o software de %1 ao update.xml. Verifique o dispositivo novamente com "%2".</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Procurando atualizações para %1...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>O servidor informa o código de erro %1. Entre em contato com o suporte técnico.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Tempo esgotado. Verifique sua conexão com a Internet.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 é compatível. Clique em "%2" para continuar.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>No momento, %1 não é compatível com o Tamberlin Update.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Procurar atualização</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>select_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>Select a connected device to update</source>
        <translation>Selecione um dispositivo conectado para atualizar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Instale o pacote de tempo de execução do VC++ 2005 SP1 para continuar.</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 já está instalado</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 já está instalado. Deseja executar o instalador novamente?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Reinicialização necessária</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Você precisa reiniciar o sistema para concluir a instalação. Deseja reiniciar agora?</translation>
    </message>
</context>
</TS>

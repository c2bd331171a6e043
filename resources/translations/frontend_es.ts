<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Buscando...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Asegúrese de que el dispositivo esté conectado y encendido.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Contrato de licencia</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Acepto</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>No acepto</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Elegir el idioma de instalación</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Seleccione a continuación el idioma de esta instalación.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; y Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; y PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Confirmar salida</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Las aplicaciones seleccionadas todavía se están instalando. Si sale del disco de instalación, el instalador actual terminará; sin embargo, si se requiere activación o registro, es posible que no se realice automáticamente.  Además, el resto de las aplicaciones seleccionadas no se instalarán.

¿Desea salir?</translation>
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
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Velocidad: calculando</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Tiempo restante: calculando</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Velocidad: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Tiempo restante: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Descarga completada.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Para instalar un programa, selecciónelo en la lista y, a continuación, haga clic en Instalar.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>Se produjo el error de red %1 durante la descarga.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Tiempo de espera de descarga agotado</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>El servidor no responde durante la descarga.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Hay demasiadas aplicaciones seleccionadas para instalarlas a la vez. Seleccione menos aplicaciones e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>No se pudo preparar la instalación. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>¡Instalado!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Instalación no finalizada</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>La instalación se interrumpió antes de que se instalara todo lo que había elegido. Estas aplicaciones vuelven a estar marcadas: %1. Haga clic en %2 para finalizar.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Solo web</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Esta aplicación se descarga de Internet y no se puede instalar desde el disco.</translation>
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
        <translation>Seleccione para instalar los siguientes componentes:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Si ve este mensaje, se ha producido un error grave.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Memoria insuficiente. Reinicie el equipo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>No se encuentra setup_runner.exe en el directorio "%1".</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>No se encuentra la ruta ".", que debería ser "%1" pero no lo es.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>Actualmente no tiene permiso para instalar software y/o controladores. Si el Control de cuentas de usuario de Windows se lo solicita, permita que setup_runner.exe acceda al equipo o realice cambios en él. De lo contrario, póngase en contacto con el administrador del sistema o el departamento de TI para obtener ayuda con la instalación.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>El programa setup_runner.exe no es válido (es decir, no es un archivo .exe Win32 de Microsoft o hay un error en la imagen .exe).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Se produjo un error desconocido.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update está instalando otras actualizaciones. Inténtelo de nuevo dentro de unos minutos.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Hay un reinicio pendiente. Reinicie el equipo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>La descarga de %1 estaba dañada y se ha eliminado. Vuelva a descargarla.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Error de instalación</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 no se ha instalado: no se pudo preparar la carpeta protegida para su instalador.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 no se ha instalado: su instalador no coincide con el que se descargó y puede haber sido alterado.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>Instalador de %1</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Parte del software incluido solo está disponible en línea.

Conecte el dispositivo y elija &quot;Sí&quot; para buscar actualizaciones y ver la lista completa de software.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Buscando actualizaciones del instalador...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Buscando actualizaciones del software del dispositivo...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>No hay ninguna conexión disponible para realizar la operación solicitada.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Buscando actualizaciones del instalador...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Descargando la actualización del instalador...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Descomprimiendo la actualización del instalador...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Se ha rechazado una dirección de actualización no segura: solo se acepta https.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Conecte el escáner; aparecerá aquí.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>No se pudo integrar el software de %1 en update.xml. Vuelva a comprobar el dispositivo con «%2».</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Buscando actualizaciones para %1...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>El servidor informa del código de error %1. Póngase en contacto con el servicio técnico.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Tiempo de espera agotado. Compruebe la conexión a Internet.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 es compatible. Haga clic en "%2" para continuar.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>Actualmente, Tamberlin Update no admite %1.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Seleccione un dispositivo conectado para actualizar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Instale el paquete de tiempo de ejecución VC++ 2005 SP1 para continuar.</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 ya está instalado</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 ya está instalado. ¿Desea ejecutar el instalador de nuevo?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Es necesario reiniciar</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Debe reiniciar el sistema para completar la instalación. ¿Desea reiniciar ahora?</translation>
    </message>
</context>
</TS>
